#include <algorithm>
#include <new>

#include "book/book_format.h"
#include "platform/memory.h"
#include "view/text_view.h"

namespace velmora::view {
namespace {

// Sizes of the scaled styles when the user has chosen no size.
constexpr std::int32_t kDefaultLargerHeight = 20;
constexpr std::int32_t kDefaultSmallerHeight = 14;
// StyleLarger scales by 5/4, StyleSmaller by 6/8.
constexpr std::int32_t kLargerNumerator = 5;
constexpr std::int32_t kLargerDenominator = 4;
constexpr std::int32_t kSmallerNumerator = 6;
constexpr std::int32_t kSmallerDenominator = 8;

// Blue marks the styles that are both larger and bold.
constexpr std::uint8_t kBlueStyle = book::StyleLarger | book::StyleBold;

StyleFont* FindCachedFont(TextView* view, std::uint8_t key) {
  for (StyleFont* entry = view->fontCache; entry != nullptr; entry = entry->next) {
    if (entry->key == key) return entry;
  }
  return nullptr;
}

// The font of `key`, made now if the cache has none. An entry whose font was
// released gets a new one in place, so the cache never grows past one entry
// per key.
platform::Font* CachedFont(TextView* view, std::uint8_t key) {
  StyleFont* entry = FindCachedFont(view, key);
  if (entry == nullptr) {
    entry = CreateStyleFont(view, key);
    return entry == nullptr ? nullptr : entry->font;
  }
  if (entry->font == nullptr) {
    entry->font = platform::CreateFont(StyleFontDescription(view->fonts, key));
  }
  return entry->font;
}

}  // namespace

platform::FontDescription StyleFontDescription(const FontSettings& fonts, std::uint8_t key) {
  platform::FontDescription description;
  std::copy(std::begin(fonts.faceName), std::end(fonts.faceName), std::begin(description.faceName));
  description.faceName[kFaceNameCapacity - 1] = 0;

  const std::int32_t base = fonts.size;
  if ((key & book::StyleLarger) != 0) {
    description.height =
        base == 0 ? kDefaultLargerHeight : base * kLargerNumerator / kLargerDenominator;
  } else if ((key & book::StyleSmaller) != 0) {
    description.height =
        base == 0 ? kDefaultSmallerHeight : base * kSmallerNumerator / kSmallerDenominator;
  } else {
    description.height = base;
  }
  description.weight =
      (key & book::StyleBold) != 0 ? platform::kWeightBold : platform::kWeightNormal;
  return description;
}

StyleFont* CreateStyleFont(TextView* view, std::uint8_t key) {
  platform::Font* font = platform::CreateFont(StyleFontDescription(view->fonts, key));
  if (font == nullptr) return nullptr;
  void* block = platform::HeapAllocate(sizeof(StyleFont));
  if (block == nullptr) {
    platform::DeleteFont(font);
    return nullptr;
  }
  auto* entry = new (block) StyleFont{view->fontCache, font, key};
  view->fontCache = entry;
  return entry;
}

platform::Font* SelectStyleFont(TextView* view, std::uint32_t arg) {
  if (view == nullptr) return nullptr;
  const auto key = static_cast<std::uint8_t>(arg & book::StyleFontKey);
  platform::Font* font = CachedFont(view, key);
  if ((arg & kStyleFontSetColour) != 0) {
    platform::SetTextColour(view->surface, (key & kBlueStyle) == kBlueStyle
                                               ? platform::kColourBlue
                                               : platform::kColourBlack);
  }
  return platform::SelectFont(view->surface, font);
}

}  // namespace velmora::view
