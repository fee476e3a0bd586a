#include "shell/update_check.h"

#include <cstdint>

#include "platform/shell.h"
#include "resources/about_texts.h"

namespace velmora::shell {
namespace {

constexpr char16_t kEscapedSpace = u'+';
constexpr char16_t kEscapeMark = u'%';
constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
constexpr std::size_t kMinimumHexDigits = 2;

bool KeptUnescaped(char16_t unit) {
  return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'Z') ||
         (unit >= u'a' && unit <= u'z') || unit == u'.' || unit == u'/';
}

// '%' and `unit` in upper-case hex, at least two digits.
void AppendHex(std::u16string& out, char16_t unit) {
  out += kEscapeMark;
  std::u16string digits;
  for (std::uint32_t value = unit; value != 0 || digits.size() < kMinimumHexDigits; value >>= 4) {
    digits.insert(digits.begin(), kHexDigits[value & 0xF]);
  }
  out += digits;
}

}  // namespace

void OpenUrl(platform::WindowHandle owner, std::u16string_view address) {
  platform::OpenWebAddress(owner, address);
}

void OpenHomePage(platform::WindowHandle owner) { OpenUrl(owner, resources::kHomePage); }

std::u16string EscapeQueryText(std::u16string_view text) {
  std::u16string out;
  for (char16_t unit : text) {
    if (unit == u' ') {
      out += kEscapedSpace;
    } else if (KeptUnescaped(unit)) {
      out += unit;
    } else {
      AppendHex(out, unit);
    }
  }
  return out;
}

std::optional<std::u16string> BuildUpdateAddress(std::u16string_view server,
                                                 std::u16string_view productId) {
  std::u16string address(server);
  address += resources::kUpdatePath;
  address += EscapeQueryText(productId);
  address += resources::kUpdateVersionQuery;
  if (address.size() + 1 > kUpdateAddressCapacity) return std::nullopt;
  return address;
}

void CheckForUpdates(platform::WindowHandle owner) {
  if (const auto address = BuildUpdateAddress(resources::kMakerServer, resources::kProductId)) {
    OpenUrl(owner, *address);
  }
}

}  // namespace velmora::shell
