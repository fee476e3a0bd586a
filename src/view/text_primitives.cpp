#include <cstring>

#include "book/letters.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace velmora::view {
namespace {

// Clears the Reverse option for its lifetime, so that widths are taken on the
// bytes in stored order whatever the display shows.
class ReverseSuspended {
 public:
  ReverseSuspended() : saved_(appState.appFlags & ReverseOption) {
    appState.appFlags &= ~ReverseOption;
  }
  ~ReverseSuspended() { appState.appFlags |= saved_; }
  ReverseSuspended(const ReverseSuspended&) = delete;
  ReverseSuspended& operator=(const ReverseSuspended&) = delete;

 private:
  AppFlags saved_;
};

// The stored bytes of `text` before its NUL, at most `count`. Converted units
// are counted from the source: a LetterBase may map a letter to unit 0.
std::int32_t StoredLength(const std::uint8_t* text, std::int32_t count) {
  if (count <= 0) return 0;
  const void* nul = std::memchr(text, 0, static_cast<std::size_t>(count));
  return nul == nullptr ? count
                        : static_cast<std::int32_t>(static_cast<const std::uint8_t*>(nul) - text);
}

}  // namespace

RunFit MeasureFit(platform::Surface* surface, const std::uint8_t* text, std::int32_t maxWidth,
                  std::int32_t count) {
  const ReverseSuspended suspended;
  const std::int32_t length = StoredLength(text, count);
  const char16_t* units = book::ToDisplayText(text, length, &book::TheConversionBuffer());
  if (units == nullptr) return {};
  RunFit fit;
  fit.count = platform::FitText(surface, units, length, maxWidth);
  fit.width = platform::TextExtent(surface, units, fit.count).width;
  return fit;
}

platform::Size MeasureRunExtent(platform::Surface* surface, const std::uint8_t* text,
                                std::int32_t count) {
  const ReverseSuspended suspended;
  const std::int32_t length = StoredLength(text, count);
  const char16_t* units = book::ToDisplayText(text, length, &book::TheConversionBuffer());
  if (units == nullptr) return {};
  return platform::TextExtent(surface, units, length);
}

void DrawRun(platform::Surface* surface, const std::uint8_t* text, std::int32_t count,
             std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
  const std::int32_t length = StoredLength(text, count);
  const char16_t* units = book::ToDisplayText(text, length, &book::TheConversionBuffer());
  if (units == nullptr) return;
  platform::DrawTextInBox(surface, units, length, {x, y, x + w, y + h});
}

void DrawColouredRun(platform::Surface* surface, const std::uint8_t* text, std::int32_t count,
                     std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                     platform::Colour textColour, platform::Colour backColour) {
  const platform::Colour oldText = platform::SetTextColour(surface, textColour);
  const platform::Colour oldBack = platform::SetBackgroundColour(surface, backColour);
  DrawRun(surface, text, count, x, y, w, h);
  platform::SetBackgroundColour(surface, oldBack);
  platform::SetTextColour(surface, oldText);
}

void FillViewRect(platform::Surface* surface, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, platform::StockBrush brush) {
  platform::FillRect(surface, {x, y, x + width, y + height}, platform::GetStockBrush(brush));
}

}  // namespace velmora::view
