// The one process-wide state record and the device options beside it.
#pragma once

#include <cstdint>

#include "platform/memory.h"
#include "platform/surface.h"
#include "platform/window_handle.h"

namespace velmora {

namespace view {
struct TextView;
}

namespace platform {
struct Bitmap;
}

using platform::kFaceNameCapacity;

// The display font choice. Copied whole wherever a view keeps its own copy.
struct FontSettings {
  // Zero-terminated; empty means no font has been chosen yet.
  char16_t faceName[kFaceNameCapacity] = {};
  // Requested cell height in pixels; 0 means the default sizes.
  std::int32_t size = 0;
  // The code unit that LetterCode 'a' is shown as.
  std::int32_t letterBase = 0;
};

// The LetterBase values that the font dialog offers; Unicode is the default.
inline constexpr int kLetterBaseUnicode = 1488;
inline constexpr int kLetterBaseWindows1255 = 224;
inline constexpr int kLetterBaseStored = 97;

// The first article of the book (the last is ArticleCount).
inline constexpr std::uint16_t kFirstArticle = 1;

// The option word, stored as "Flags". Bits no one interprets are kept.
using AppFlags = std::uint32_t;
inline constexpr AppFlags kFlagsScrollBar = 0x000000C0;  // either bit
inline constexpr AppFlags ReverseOption = 0x00000800;
inline constexpr int kKeyPageStepShift = 20;  // 3-bit field
inline constexpr int kTapPageStepShift = 24;  // 3-bit field
inline constexpr AppFlags kPageStepFieldMask = 0x7;
inline constexpr AppFlags kFlagsTapVertical = 0x10000000;
inline constexpr AppFlags kFlagsTapPaging = 0x80000000;
inline constexpr AppFlags kDefaultAppFlags = 0xD1140040;

// The search pattern: zero-terminated LetterCode text of at most 33 bytes.
inline constexpr int kSearchPatternCapacity = 34;

inline constexpr int kGlyphCount = 3;

struct AppState {
  FontSettings fontSettings;
  // The top row of the article view to restore at start-up.
  std::uint16_t lastPosition = 0;
  AppFlags appFlags = 0;
  // The article shown, 1..ArticleCount once start-up is done.
  std::uint16_t currentArticle = 0;
  std::uint8_t searchPattern[kSearchPatternCapacity] = {};
  // The main window's article view; owned, absent outside the window's life.
  view::TextView* articleView = nullptr;
  std::int32_t menuBarOnBottom = 0;
  std::int32_t barHeight = 0;
  std::int32_t surroundingGutter = 0;
  platform::WindowHandle barWindow = nullptr;
  platform::WindowHandle mainWindow = nullptr;
  // The index glyphs: bitmaps 201, 202 and 203.
  platform::Bitmap* glyphs[kGlyphCount] = {};
  std::uint16_t bookmarkCount = 0;
  // Article numbers in the order added, then a 0; owned.
  platform::HeapPtr<std::uint16_t[]> bookmarkList;
  // Bit 0: remove bookmarks without asking. Not stored.
  std::uint16_t bookmarkPromptFlags = 0;
};

// Device options, read once at start.
struct DeviceOptions {
  std::int32_t fullScreen = 0;
  std::int32_t ignoreActivate = 0;
  std::int32_t allowSipInHebrewSearch = 1;
};

// The process-wide records.
extern AppState appState;
extern DeviceOptions deviceOptions;

// Back to the state of a fresh process: everything zero, device options at
// their pre-start values, the settings neither loaded nor written, no
// out-of-memory handler installed.
void ResetAppState();

}  // namespace velmora
