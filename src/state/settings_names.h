// Key paths and value names of the settings store: the program's external
// interface, spelled exactly as stored.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/app_state.h"

namespace velmora::settings {

inline constexpr std::string_view DeviceOptionsKey = "software\\Quorvane";
inline constexpr std::string_view ProgramKey = "Software\\Quorvane\\Velmora";

// Device options (read only).
inline constexpr std::string_view kIgnoreActivate = "IgnoreActivate";
inline constexpr std::string_view kFullScreen = "FullScreen";
inline constexpr std::string_view kAllowSipInHebrewSearch = "AllowSipInHebrewSearch";
inline constexpr std::string_view kMenuBarOnBottom = "MenuBarOnBottom";
inline constexpr std::string_view kSurroundingGutter = "SurroundingGutter";

// Program values.
inline constexpr std::string_view kProgramPath = "Program Path";
inline constexpr std::string_view kFontName = "FontName";
inline constexpr std::string_view kSearchString = "SearchString";
inline constexpr std::string_view kFontSize = "FontSize";
inline constexpr std::string_view kFontAsciiBase = "FontAsciiBase";
inline constexpr std::string_view kLastPosition = "LastPosition";
inline constexpr std::string_view kFlags = "Flags";
inline constexpr std::string_view kLesson = "Lesson";
inline constexpr std::string_view kBookmarks = "Bookmarks";
// The main window's rectangle at the last exit (shell/window_place.h).
inline constexpr std::string_view kWindowPlace = "WindowPlace";

// Defaults of absent values other than 0 ("Flags": kDefaultAppFlags).
inline constexpr std::int32_t kDefaultAllowSipInHebrewSearch = 1;
inline constexpr std::int32_t kDefaultFontAsciiBase = kLetterBaseUnicode;

}  // namespace velmora::settings
