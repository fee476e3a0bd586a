// Control numbers inside the dialog templates: shared by each template and
// the dialog procedure that drives it. Do not renumber.
#pragma once

#include <cstdint>

namespace velmora::resources {

// About dialog (template 103).
inline constexpr std::uint16_t kIdcLinkButton = 1025;

// Font dialog (template 105). Template 105 holds no 97 button: the dialog
// still addresses it, and finds nothing.
inline constexpr std::uint16_t kIdcFaceList = 1001;
inline constexpr std::uint16_t kIdcPreview = 1002;
inline constexpr std::uint16_t kIdcBase97 = 1003;
inline constexpr std::uint16_t kIdcBase224 = 1004;
inline constexpr std::uint16_t kIdcBase1488 = 1005;
inline constexpr std::uint16_t kIdcSizeList = 1006;

// Search dialog (template 115).
inline constexpr std::uint16_t kIdcSearchText = 1013;

}  // namespace velmora::resources
