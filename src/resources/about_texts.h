// What the About dialog shows and where the maker's web pages are. The
// addresses are build options (VELMORA_MAKER_SERVER, VELMORA_HOME_PAGE).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#if !defined(VELMORA_MAKER_SERVER) || !defined(VELMORA_HOME_PAGE)
#error "VELMORA_MAKER_SERVER and VELMORA_HOME_PAGE come from the build (velmora_resources)"
#endif

namespace velmora::resources {

namespace about_detail {

// Two literals as one, at compile time.
template <std::size_t A, std::size_t B>
consteval std::array<char16_t, A + B - 1> Join(const char16_t (&a)[A], const char16_t (&b)[B]) {
  std::array<char16_t, A + B - 1> out{};
  for (std::size_t i = 0; i + 1 < A; ++i) out[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) out[A - 1 + i] = b[i];
  return out;
}

inline constexpr char16_t kVersion[] = u"1.84a";
inline constexpr auto kVersionLine = Join(u"Version ", kVersion);
inline constexpr auto kVersionQuery = Join(u"&v=", kVersion);

}  // namespace about_detail

inline constexpr std::u16string_view kProgramTitle = u"Andravel (Velmora)";
inline constexpr std::u16string_view kVersionLine{about_detail::kVersionLine.data()};
inline constexpr std::u16string_view kAboutNote = u"Hebrew Bible reader";

// The maker's web server (scheme and host) and home page; the link button
// shows the home page's address as its caption.
inline constexpr std::u16string_view kMakerServer = u"" VELMORA_MAKER_SERVER;
inline constexpr std::u16string_view kHomePage = u"" VELMORA_HOME_PAGE;

// The update address: server, path, escaped product id, version query.
inline constexpr std::u16string_view kUpdatePath = u"/cgi-bin/upgrade?p=arm/";
inline constexpr std::u16string_view kProductId = u"Quorvane/Velmora";
inline constexpr std::u16string_view kUpdateVersionQuery{about_detail::kVersionQuery.data()};

}  // namespace velmora::resources
