#include "export/plain_text.h"

#include "book/book_format.h"
#include "book/letters.h"
#include "book/paragraph_stream.h"
#include "platform/message_box.h"
#include "resources/messages.h"
#include "state/alloc_or_abort.h"
#include "state/app_state.h"

namespace velmora::exporting {
namespace {

// Rules up to this measure are widths in pixels, above it in percent.
constexpr std::uint8_t kRulePixelLimit = 160;
constexpr char16_t kRuleUnit = u'-';
constexpr char16_t kSpace = u' ';
constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kLineFeed = u'\n';

bool IsRule(const book::StreamItem& item) {
  return (item.style & book::RuleItem) == book::RuleItem;
}

// Puts units into a buffer of fixed capacity; what does not fit is dropped
// and remembered.
class BoundedWriter {
 public:
  BoundedWriter(char16_t* units, std::size_t capacity) : units_(units), capacity_(capacity) {}

  void Put(char16_t unit) {
    if (written_ < capacity_) {
      units_[written_++] = unit;
    } else {
      overflowed_ = true;
    }
  }
  void Repeat(char16_t unit, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) Put(unit);
  }
  // The NUL at the end; false when it does not fit.
  bool Finish() {
    if (overflowed_ || written_ >= capacity_) return false;
    units_[written_] = 0;
    return true;
  }

 private:
  char16_t* units_;
  std::size_t capacity_;
  std::size_t written_ = 0;
  bool overflowed_ = false;
};

}  // namespace

std::uint32_t RuleLength(std::uint8_t w) {
  return w <= kRulePixelLimit ? w : 2u * (w - kRulePixelLimit);
}

PlainTextBuffer EstimatePlainText(std::span<const std::uint8_t> stream) {
  std::size_t length = 0;
  std::size_t paragraphs = 0;
  std::size_t blankRows = 0;
  std::size_t ruleUnits = 0;
  std::size_t indents = 0;
  book::WalkStream(stream, [&](const book::StreamItem& item) {
    ++paragraphs;
    if (item.style & book::StyleBlankRowAfter) ++blankRows;
    if (IsRule(item)) {
      ruleUnits += RuleLength(item.measure);
    } else {
      indents += item.measure & book::MeasureIndent;
    }
    length = book::NextItemOffset(item);
    return true;
  });
  const std::size_t units =
      length + length / 2 + 2 * (paragraphs + blankRows) + ruleUnits + indents + 1;
  PlainTextBuffer buffer;
  buffer.units.reset(static_cast<char16_t*>(settings::AllocOrAbort(units * sizeof(char16_t))));
  if (buffer.units) buffer.bytes = units * sizeof(char16_t);
  return buffer;
}

int RenderPlainText(std::span<const std::uint8_t> stream, char16_t* buffer, std::size_t bytes) {
  BoundedWriter out(buffer, bytes / sizeof(char16_t));
  book::WalkStream(stream, [&](const book::StreamItem& item) {
    if (IsRule(item)) {
      out.Repeat(kRuleUnit, RuleLength(item.measure));
    } else {
      // A failed conversion leaves the line without text.
      if (const char16_t* units =
              book::ToDisplayText(item.text, item.length, &book::TheConversionBuffer())) {
        for (; *units != 0; ++units) out.Put(*units);
      }
      out.Repeat(kSpace, item.measure & book::MeasureIndent);
    }
    const int lineEnds = (item.style & book::StyleBlankRowAfter) ? 2 : 1;
    for (int i = 0; i < lineEnds; ++i) {
      out.Put(kCarriageReturn);
      out.Put(kLineFeed);
    }
    return true;
  });
  if (out.Finish()) return 0;
  platform::ShowMessageBox(appState.mainWindow, resources::kMsgOutputOverrun, {}, platform::kMbOk);
  return 1;
}

}  // namespace velmora::exporting
