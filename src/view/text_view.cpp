#include <algorithm>
#include <new>

#include "platform/memory.h"
#include "view/paint.h"
#include "view/text_view.h"

namespace velmora::view {

TextView* CreateTextView(platform::Surface* surface, const platform::Rect* rect,
                         const FontSettings& fonts, std::uint16_t capacity) {
  if (surface == nullptr) return nullptr;
  void* block = platform::HeapAllocate(sizeof(TextView));
  if (block == nullptr) return nullptr;
  auto* view = new (block) TextView{};
  view->surface = surface;
  view->fonts = fonts;
  if (rect != nullptr) {
    view->x = rect->left;
    view->y = rect->top;
    view->width = rect->right - rect->left;
    view->height = rect->bottom - rect->top;
  }
  capacity = std::min(capacity, kMaxLineCapacity);
  if (capacity != 0) {
    // Without a table the view goes on; the first layout makes one.
    view->lines = platform::HeapAllocateArray<ViewLine>(capacity + 1u);
    if (view->lines) {
      view->lines[0] = ViewLine{};
      view->lineCapacity = capacity;
    }
  }
  return view;
}

int ResizeTextView(TextView* view, std::int32_t width, std::int32_t height) {
  if (view == nullptr) return kViewMissing;
  if (width <= 0 || height <= 0) return kViewBadSize;
  view->width = width;
  view->height = height;
  return RelayoutText(view);
}

void DestroyTextView(TextView* view, bool releaseObject) {
  if (view == nullptr) return;
  view->text = {};
  view->lines.reset();
  view->lineCapacity = 0;
  view->lineCount = 0;
  view->rowCount = 0;
  view->lastTopRow = 0;
  while (view->fontCache != nullptr) {
    StyleFont* entry = view->fontCache;
    view->fontCache = entry->next;
    if (entry->font != nullptr) platform::DeleteFont(entry->font);
    platform::HeapRelease(entry);
  }
  if (releaseObject) {
    view->~TextView();
    platform::HeapRelease(view);
  }
}

int SetTextViewFonts(TextView* view, const FontSettings* settings) {
  if (view == nullptr) return kViewMissing;
  if (settings == nullptr) {
    for (StyleFont* entry = view->fontCache; entry != nullptr; entry = entry->next) {
      if (entry->font != nullptr) platform::DeleteFont(entry->font);
      entry->font = nullptr;
    }
    return kViewDone;
  }
  view->fonts = *settings;
  for (StyleFont* entry = view->fontCache; entry != nullptr; entry = entry->next) {
    if (entry->font != nullptr) platform::DeleteFont(entry->font);
    // A font that cannot be made now is tried again at its next selection.
    entry->font = platform::CreateFont(StyleFontDescription(view->fonts, entry->key));
  }
  if (RelayoutText(view) != kViewDone) return kViewUnmoved;
  return PaintTextView(view, true);
}

}  // namespace velmora::view
