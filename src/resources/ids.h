// Resource numbers and command numbers: how menus, dialogs, bitmaps and the
// window procedures refer to each other. Stored and sent values: do not
// renumber.
#pragma once

#include <cstdint>

namespace velmora::resources {

// --- Resources ----------------------------------------------------------------
inline constexpr std::uint16_t kIconProgram = 101;
inline constexpr std::uint16_t kMenuMain = 102;  // menu and menu-bar resource
inline constexpr std::uint16_t kDialogAbout = 103;
inline constexpr std::uint16_t kDialogFont = 105;
inline constexpr std::uint16_t kBitmapAbout = 113;
inline constexpr std::uint16_t kBitmapToolbar = 114;  // six 16 x 16 images
inline constexpr std::uint16_t kDialogSearch = 115;
inline constexpr std::uint16_t kDialogChooseArticle = 118;
inline constexpr std::uint16_t kBitmapKeyboard = 119;
inline constexpr std::uint16_t kBitmapGlyphCollapsed = 201;
inline constexpr std::uint16_t kBitmapGlyphExpanded = 202;
inline constexpr std::uint16_t kBitmapGlyphArticle = 203;
inline constexpr std::uint16_t kStringGo = 302;
inline constexpr std::uint16_t kStringFile = 303;
inline constexpr std::uint16_t kAcceleratorTable = 3;

inline constexpr int kToolbarImageCount = 6;
inline constexpr int kToolbarImageSize = 16;
inline constexpr std::uint16_t kCommandBarId = 1;

// --- Commands -----------------------------------------------------------------
inline constexpr std::uint16_t kCmdChooseSection = 107;
inline constexpr std::uint16_t kCmdNextArticle = 109;
inline constexpr std::uint16_t kCmdPreviousArticle = 110;
inline constexpr std::uint16_t kCmdSearch = 116;
inline constexpr std::uint16_t kCmdSearchAgain = 117;
inline constexpr std::uint16_t kCmdChooseArticle = 119;
inline constexpr std::uint16_t kCmdReverse = 122;
inline constexpr std::uint16_t kCmdBookmark = 123;
inline constexpr std::uint16_t kCmdCheckForUpdates = 129;
inline constexpr std::uint16_t kCmdMenuBarFile = 40001;
inline constexpr std::uint16_t kCmdMenuBarGo = 40002;
inline constexpr std::uint16_t kCmdAbout = 40004;
inline constexpr std::uint16_t kCmdExit = 40005;
inline constexpr std::uint16_t kCmdFont = 40006;
inline constexpr std::uint16_t kCmdCopy = 40007;
inline constexpr std::uint16_t kCmdAppend = 40009;

}  // namespace velmora::resources
