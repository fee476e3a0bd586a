#include "font/font_faces.h"

#include <memory>

#include "platform/memory.h"

namespace velmora::font {
namespace {

// Empties the chain of entries; the blocks are the caller's to release.
void ForgetEntries(FontFaceList& list) {
  list.first = nullptr;
  list.tail = &list.first;
  list.nextFree = nullptr;
  list.freeCount = 0;
}

}  // namespace

void ResetFontFaceList(FontFaceList& list) {
  ForgetEntries(list);
  list.previewFont = nullptr;
  list.previewDescription = platform::FontDescription{};
}

int AddFontFace(const platform::FontFamily& family, void* context) {
  auto& list = *static_cast<FontFaceList*>(context);
  if (list.freeCount == 0) {
    void* block = platform::HeapAllocate(kFaceBlockEntries * sizeof(FontFaceEntry));
    if (block == nullptr) return 0;
    FontFaceEntry* entries = static_cast<FontFaceEntry*>(block);
    std::uninitialized_value_construct_n(entries, kFaceBlockEntries);
    entries[0].blockStart = 1;
    list.nextFree = entries;
    list.freeCount = kFaceBlockEntries;
  }
  FontFaceEntry* entry = list.nextFree++;
  --list.freeCount;
  for (int i = 0; i + 1 < kFaceNameCapacity && family.faceName[i] != 0; ++i) {
    entry->faceName[i] = family.faceName[i];
  }
  entry->characterSet = family.characterSet;
  *list.tail = entry;
  list.tail = &entry->next;
  return 1;
}

void FreeFontFaces(FontFaceList& list) {
  // Entries are chained in the order they were taken, so the entries of one
  // block follow each other, and a block is released once the walk has left it.
  FontFaceEntry* block = nullptr;
  for (FontFaceEntry* entry = list.first; entry != nullptr;) {
    FontFaceEntry* next = entry->next;
    if (entry->blockStart != 0) {
      platform::HeapRelease(block);
      block = entry;
    }
    entry = next;
  }
  platform::HeapRelease(block);
  ForgetEntries(list);
}

}  // namespace velmora::font
