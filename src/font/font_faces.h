// The font dialog's state: the font families found on the device, kept in
// blocks of entries from the platform heap, and the preview font.
#pragma once

#include <cstdint>

#include "platform/surface.h"
#include "state/app_state.h"

namespace velmora::font {

// Entries are taken from blocks of this many.
inline constexpr int kFaceBlockEntries = 25;

// One font family.
struct FontFaceEntry {
  FontFaceEntry* next;
  char16_t faceName[kFaceNameCapacity];  // zero-terminated
  std::uint8_t characterSet;
  std::uint8_t blockStart;  // set on the first entry of each block
};

struct FontFaceList {
  FontFaceEntry* first = nullptr;
  // The link that the next entry goes into: `first` itself while empty.
  FontFaceEntry** tail = &first;
  FontFaceEntry* nextFree = nullptr;  // in the current block
  int freeCount = 0;                  // entries left in the current block
  platform::Font* previewFont = nullptr;
  // Every field at its default but the height and the face name.
  platform::FontDescription previewDescription{};
  FontSettings* settings = nullptr;  // the record being edited, not owned
};

// Back to empty, without releasing anything; keeps `settings`.
void ResetFontFaceList(FontFaceList& list);

// The family visitor of the enumeration (`context` is the FontFaceList):
// appends an entry with the family's face name and character set. Returns 1
// to go on, 0 when a new block cannot be had (the entries so far stay).
int AddFontFace(const platform::FontFamily& family, void* context);

// Releases every block of entries and empties the chain; the preview font and
// `settings` stay.
void FreeFontFaces(FontFaceList& list);

}  // namespace velmora::font
