// The IndexView's font cache: one font per font key, made by the StyleFont
// rule from the view's own settings and kept for the view's life.
#include <new>

#include "book/book_format.h"
#include "index/index_view.h"
#include "state/alloc_or_abort.h"

namespace velmora::index {
namespace {

// Blue marks the keys that are both larger and bold.
constexpr std::uint8_t kBlueFontKey = book::StyleLarger | book::StyleBold;

// The font of `key`, made now when the cache has none; nullptr when it
// cannot be made (the node stays, so the font is tried again next time).
platform::Font* CachedFont(IndexView& view, std::uint8_t key) {
  for (view::StyleFont* node = view.fontCache; node != nullptr; node = node->next) {
    if (node->key != key) continue;
    if (node->font == nullptr) {
      node->font = platform::CreateFont(view::StyleFontDescription(view.fontSettings, key));
    }
    return node->font;
  }
  void* block = settings::AllocOrAbort(sizeof(view::StyleFont));
  if (block == nullptr) return nullptr;
  auto* node = new (block) view::StyleFont{
      view.fontCache, platform::CreateFont(view::StyleFontDescription(view.fontSettings, key)),
      key};
  view.fontCache = node;
  return node->font;
}

}  // namespace

platform::Font* SelectIndexFont(IndexView* view, std::uint8_t style, bool withColour) {
  if (view == nullptr) return nullptr;
  const auto key = static_cast<std::uint8_t>(style & book::StyleFontKey);
  platform::Font* font = CachedFont(*view, key);
  if (withColour) {
    platform::SetTextColour(view->dc, (key & kBlueFontKey) == kBlueFontKey
                                          ? platform::kColourBlue
                                          : platform::kColourBlack);
  }
  return platform::SelectFont(view->dc, font);
}

}  // namespace velmora::index
