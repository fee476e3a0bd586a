// Opening the maker's web pages: the home page, and the update page of this
// product and version. The program sends and receives nothing itself; the
// platform's browser does the rest.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/window_handle.h"

namespace velmora::shell {

// The update address is built within this many UTF-16 units, terminator
// included.
inline constexpr std::size_t kUpdateAddressCapacity = 200;

// Asks the platform's browser to open `address`; a failure is not reported.
void OpenUrl(platform::WindowHandle owner, std::u16string_view address);

// Opens the maker's home page.
void OpenHomePage(platform::WindowHandle owner);

// `text` escaped for a query: a space becomes '+', digits, ASCII letters, '.'
// and '/' stay, any other unit becomes '%' and its value in upper-case hex,
// at least two digits ("%26", "%5D0").
std::u16string EscapeQueryText(std::u16string_view text);

// `server` + "/cgi-bin/upgrade?p=arm/" + the escaped `productId` + the
// version query, or nothing when that does not fit kUpdateAddressCapacity.
std::optional<std::u16string> BuildUpdateAddress(std::u16string_view server,
                                                 std::u16string_view productId);

// Opens the update page of this product and version on the maker's server.
// An address that would not fit opens nothing: a cut address names another page.
void CheckForUpdates(platform::WindowHandle owner);

}  // namespace velmora::shell
