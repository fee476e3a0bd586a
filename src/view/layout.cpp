// LayoutText: breaking a ParagraphStream into ViewLines for the view's width.
#include <algorithm>

#include "book/book_format.h"
#include "book/paragraph_stream.h"
#include "platform/memory.h"
#include "view/text_view.h"
#include "view/view_lines.h"

namespace velmora::view {
namespace {

// A RuleItem of width 0 makes nothing and is taken to be exactly its two
// header bytes and its NUL long.
constexpr std::uint32_t kEmptyRuleItemSize = 3;
// Rule widths up to this are pixels; above it, steps of 2 % of the view width.
constexpr std::int32_t kMaxPixelRuleWidth = 160;
constexpr std::int32_t kRulePercentPerStep = 2;
constexpr std::int32_t kPercent = 100;
// The label gutter is (k + 1) half maximum character widths.
constexpr std::int32_t kGutterHalves = 2;

// The running state of one layout.
struct Layout {
  TextView* view = nullptr;
  std::uint32_t line = 0;  // index of the next ViewLine
  std::uint32_t blankRows = 0;
  std::uint16_t indent = 0;
  std::uint8_t previousStyle = kDefaultFontKey;
  std::uint8_t previousMeasure = 0;
  platform::TextMetrics metrics;  // of the font selected now
};

// Adds kLineTableStep records to the table. On failure the record at `index`
// is zeroed, so that the table stays terminated.
int GrowLineTable(TextView* view, std::uint32_t index) {
  if (view->lineCapacity <= kMaxLineCapacity - kLineTableStep) {
    const std::uint32_t capacity = view->lineCapacity + kLineTableStep;
    auto bigger = platform::HeapAllocateArray<ViewLine>(capacity + 1);
    if (bigger) {
      std::copy_n(view->lines.get(), view->lineCapacity, bigger.get());
      view->lines = std::move(bigger);
      view->lineCapacity = static_cast<std::uint16_t>(capacity);
      return kViewDone;
    }
  }
  view->lines[index] = ViewLine{};
  return kViewOutOfMemory;
}

// Makes sure ViewLine `layout.line` can be written.
int ReserveLine(Layout& layout) {
  if (layout.line < layout.view->lineCapacity) return kViewDone;
  return GrowLineTable(layout.view, layout.line);
}

bool EnsureTable(TextView* view) {
  if (view->lines && view->lineCapacity != 0) return true;
  auto table = platform::HeapAllocateArray<ViewLine>(kLineTableStep + 1u);
  if (!table) return false;
  table[0] = ViewLine{};
  view->lines = std::move(table);
  view->lineCapacity = kLineTableStep;
  return true;
}

// An empty table: no line refers to any text.
void EmptyTable(TextView* view) {
  if (view->lines) view->lines[0] = ViewLine{};
  view->lineCount = 0;
  view->rowCount = 0;
  view->lastTopRow = 0;
}

// The first item exists and is a rule or has text.
bool IsUsableStream(std::span<const std::uint8_t> stream) {
  book::StreamItem first;
  if (!book::ReadStreamItem(stream, 0, &first)) return false;
  return first.length > 0 || IsRuleStyle(first.style);
}

// The left edge of a run of `runWidth` pixels placed by the alignment of
// `style`, after an indent and a label gutter (both 0 for a rule). Computed
// in signed arithmetic and kept, as every line position, in 16 bits.
std::uint16_t LineX(const TextView& view, std::uint8_t style, std::int32_t indent,
                    std::int32_t gutter, std::int32_t runWidth) {
  const std::int32_t room = view.width - (indent + gutter) - runWidth;
  switch (style & book::StyleAlignment) {
    case book::StyleAlignRight:
      return static_cast<std::uint16_t>(view.x + room);
    case book::StyleAlignCentre:
      return static_cast<std::uint16_t>(view.x + indent + room / 2);
    default:
      return static_cast<std::uint16_t>(view.x + indent + gutter);
  }
}

int AddRule(Layout& layout, const book::StreamItem& item) {
  if (int code = ReserveLine(layout); code != kViewDone) return code;
  const TextView& view = *layout.view;
  std::int32_t width = item.measure;
  if (width > kMaxPixelRuleWidth) {
    width = kRulePercentPerStep * (width - kMaxPixelRuleWidth) * view.width / kPercent;
  }
  width = std::clamp(width, 0, std::max(view.width, 0));
  ViewLine& line = layout.view->lines[layout.line++];
  line = ViewLine{};
  line.offset = static_cast<std::uint16_t>(item.offset + book::kItemHeaderSize);
  line.width = static_cast<std::uint16_t>(width);
  line.height = static_cast<std::uint16_t>(layout.metrics.height);
  line.style = item.style;
  line.x = LineX(view, item.style, 0, 0, width);
  if (HasBlankRowAfter(item.style)) ++layout.blankRows;
  return kViewDone;
}

// True when nothing but spaces is left of the item at `text`.
bool OnlySpacesLeft(const std::uint8_t* text) { return *SkipSpaces(text) == 0; }

// Breaks one text item into lines. `labelCode` is the item's label code, 0
// for a continuation.
int AddTextItem(Layout& layout, const book::StreamItem& item, int labelCode) {
  TextView& view = *layout.view;
  const std::uint8_t style = item.style;
  if (((style ^ layout.previousStyle) & book::StyleFontKey) != 0) {
    SelectStyleFont(&view, style);
    layout.metrics = platform::GetTextMetrics(view.surface);
  }
  layout.previousStyle = style;
  const std::int32_t rowHeight = layout.metrics.height;
  const std::int32_t n = item.length;

  std::int32_t gutter = 0;
  if (labelCode != 0) {
    layout.indent &= book::MeasureIndent;
    gutter = (labelCode + 1) * layout.metrics.maxCharWidth / kGutterHalves;
  }

  // A reversed paragraph is stored in visual order; breaking its reversed
  // copy puts the lines in reading order.
  platform::HeapPtr<std::uint8_t[]> reversed;
  const std::uint8_t* start = item.text;
  if ((style & book::StyleReversed) != 0) {
    reversed = platform::HeapAllocateArray<std::uint8_t>(static_cast<std::size_t>(n) + 1);
    if (!reversed) return kViewOutOfMemory;
    std::reverse_copy(item.text, item.text + n, reversed.get());
    reversed[n] = 0;
    start = reversed.get();
  }
  if (layout.indent >= view.width) layout.indent = 0;

  const std::uint16_t textOffset = static_cast<std::uint16_t>(item.offset + book::kItemHeaderSize);
  const std::uint8_t* p = start;
  std::int32_t left = n;
  for (;;) {
    const std::uint8_t* nonSpace = SkipSpaces(p);
    left -= static_cast<std::int32_t>(nonSpace - p);
    p = nonSpace;
    if (*p == 0) break;
    if (int code = ReserveLine(layout); code != kViewDone) return code;

    std::int32_t avail = view.width - layout.indent;
    std::int32_t count = left;
    const std::uint8_t* label = p;
    if (gutter != 0) {
      while (*p != 0 && *p != kSpace) ++p;
      p = SkipSpaces(p);
      count -= static_cast<std::int32_t>(p - label);
      avail -= gutter;
    }
    avail = std::max(avail, 0);
    const std::uint8_t* labelEnd = p;

    RunFit fit = MeasureFit(view.surface, p, avail, count);
    count = fit.count;
    std::int32_t width = fit.width;
    if (p[count] != 0 && p[count] != kSpace) {
      // The line would end inside a word: end it after the last hyphen or
      // before the last space, else cut the word where the width runs out.
      std::int32_t at = count - 1;
      while (at >= 1 && p[at] != kSpace && p[at] != kHyphen) --at;
      if (at >= 1) {
        count = p[at] == kHyphen ? at + 1 : at;
        // The shorter run fitted as part of the longer one, so it fits in
        // the same width; this second measurement gives its own width.
        width = MeasureFit(view.surface, p, avail, count).width;
      }
    }
    if (count == 0 && gutter == 0) {
      // Not even one character fits: take one anyway, so every line moves on.
      count = 1;
      width = MeasureRunExtent(view.surface, p, count).width;
    }

    ViewLine& line = view.lines[layout.line];
    if (reversed) {
      line.offset = static_cast<std::uint16_t>(textOffset + n - (p - start) - count);
    } else {
      line.offset = static_cast<std::uint16_t>(textOffset + ((gutter != 0 ? label : p) - start));
    }
    line.length = static_cast<std::uint16_t>(count);
    line.gutter = static_cast<std::uint16_t>(gutter);
    line.width = static_cast<std::uint16_t>(width);
    line.height = static_cast<std::uint16_t>(rowHeight);
    line.x = LineX(view, style, layout.indent, gutter, width);
    // The following lines hang where the text after the label started.
    layout.indent = static_cast<std::uint16_t>(layout.indent + gutter);
    if (gutter != 0) {
      count += static_cast<std::int32_t>(labelEnd - label);
      p = label;
      gutter = 0;
    }
    // The line ends the item when only spaces follow it; they make no line.
    const bool last = OnlySpacesLeft(p + count);
    line.style = last ? style : static_cast<std::uint8_t>(style & ~book::StyleBlankRowAfter);
    if (last && HasBlankRowAfter(style)) ++layout.blankRows;
    p += count;
    left -= count;
    ++layout.line;
  }
  return kViewDone;
}

// Breaks every item of `stream` into the view's table, from line 0, and
// terminates the table after the lines made, also when memory runs out.
int LayoutLines(TextView* view, std::span<const std::uint8_t> stream) {
  platform::Font* remembered = SelectStyleFont(view, kDefaultFontKey);
  Layout layout;
  layout.view = view;
  layout.metrics = platform::GetTextMetrics(view->surface);

  int code = kViewDone;
  book::StreamItem item;
  std::uint32_t offset = 0;
  while (code == kViewDone && book::ReadStreamItem(stream, offset, &item)) {
    int labelCode = item.measure >> book::kMeasureLabelShift;
    const std::uint8_t indent = item.measure & book::MeasureIndent;
    const std::uint8_t previousIndent = layout.previousMeasure & book::MeasureIndent;
    if (labelCode != 0 && item.length > 0 && item.text[0] == kSpace && layout.line > 0) {
      // A continuation keeps the indentation of the labelled item before it,
      // moved by the difference of their indents.
      labelCode = 0;
      layout.indent = static_cast<std::uint16_t>(layout.indent + indent - previousIndent);
    } else {
      layout.indent = item.measure;
    }
    layout.previousMeasure = item.measure;

    if (IsRuleStyle(item.style)) {
      if (item.measure == 0) {
        offset = item.offset + kEmptyRuleItemSize;
        continue;
      }
      code = AddRule(layout, item);
    } else {
      code = AddTextItem(layout, item, labelCode);
    }
    offset = book::NextItemOffset(item);
  }

  view->lines[layout.line] = ViewLine{};
  view->lineCount = static_cast<std::uint16_t>(layout.line);
  std::uint32_t rows = layout.line + layout.blankRows;
  if (layout.line > 0) {
    // No blank row after the end of the text.
    ViewLine& last = view->lines[layout.line - 1];
    if (HasBlankRowAfter(last.style)) {
      last.style &= static_cast<std::uint8_t>(~book::StyleBlankRowAfter);
      --rows;
    }
  }
  view->rowCount = static_cast<std::uint16_t>(rows);
  ComputeLastTopRow(view);
  platform::SelectFont(view->surface, remembered);
  return code;
}

// Clears what every layout clears; topRow stays, the callers set it.
void StartLayout(TextView* view) {
  view->highlightStart = 0;
  view->highlightEnd = 0;
  view->rowCount = 0;
  view->lastTopRow = 0;
}

}  // namespace

int LayoutText(TextView* view, platform::HeapBuffer stream, bool releasePrevious) {
  if (view == nullptr) return kViewMissing;
  StartLayout(view);
  if (!stream) {
    if (releasePrevious) {
      view->text = {};
      EmptyTable(view);
    }
    return kViewNoStream;
  }
  const std::span<const std::uint8_t> bytes = StreamBytes(stream);
  if (!IsUsableStream(bytes)) return kViewUnusableData;
  if (releasePrevious) view->text = {};
  if (!EnsureTable(view)) return kViewOutOfMemory;
  if (int code = LayoutLines(view, bytes); code != kViewDone) {
    // The stream is not adopted, so no line may refer to it.
    EmptyTable(view);
    return code;
  }
  view->text = std::move(stream);
  return kViewDone;
}

int RelayoutText(TextView* view) {
  if (view == nullptr) return kViewMissing;
  StartLayout(view);
  if (!view->text) return kViewNoStream;
  const std::span<const std::uint8_t> bytes = StreamBytes(view->text);
  if (!IsUsableStream(bytes)) return kViewUnusableData;
  if (!EnsureTable(view)) return kViewOutOfMemory;
  return LayoutLines(view, bytes);
}

}  // namespace velmora::view
