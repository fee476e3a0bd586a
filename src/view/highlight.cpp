// The search highlight: the stored bytes [highlightStart, highlightEnd) of
// the visible lines, drawn again in blue on yellow over the painted text.
#include <algorithm>

#include "view/paint.h"
#include "view/text_view.h"
#include "view/view_lines.h"

namespace velmora::view {
namespace {

constexpr platform::Colour kHighlightText = platform::kColourBlue;
constexpr platform::Colour kHighlightBack = platform::kColourYellow;

// A line takes part when its run touches the range at either end.
bool TouchesHighlight(const TextView& view, const ViewLine& line) {
  return view.highlightEnd >= line.offset && view.highlightStart <= line.offset + line.length;
}

void PaintLineHighlight(TextView& view, const ViewLine& line, std::int32_t y) {
  const std::uint8_t* run = view.text.get() + line.offset;
  if (line.gutter != 0) {
    const LabelRun label = FindLineLabel(view, line);
    if ((line.style & book::StyleReversed) != 0) {
      // The label of a reversed line is highlighted whole, whatever part of
      // the range it holds.
      const RunFit fit = MeasureFit(view.surface, label.text, line.gutter, label.count);
      DrawColouredRun(view.surface, label.text, fit.count,
                      line.x + line.width + line.gutter - fit.width, y, fit.width, line.height,
                      kHighlightText, kHighlightBack);
    } else {
      PaintHighlightRun(&view, label.text, label.count, line.x - line.gutter, y);
      run = SkipSpaces(label.text + label.count);
    }
  }
  PaintHighlightRun(&view, run, line.length, line.x, y);
}

}  // namespace

int PaintHighlight(TextView* view) {
  if (view == nullptr || !view->text || !view->lines) return kViewMissing;
  const VisibleStart start = FindFirstVisibleLine(view);
  std::int32_t y = start.y;
  std::int32_t space = start.space;

  std::uint8_t currentStyle = FontStyleOf(view->lines[start.line]);
  platform::Font* savedFont = SelectStyleFont(view, currentStyle);

  for (std::uint32_t index = start.line; view->lines[index].style != 0; ++index) {
    const ViewLine& line = view->lines[index];
    if (space < line.height) break;
    if (!IsRuleStyle(line.style) && TouchesHighlight(*view, line)) {
      if (((line.style ^ currentStyle) & book::StyleFontKey) != 0) {
        SelectStyleFont(view, line.style);
      }
      currentStyle = line.style;
      PaintLineHighlight(*view, line, y);
    }
    const std::int32_t rows = static_cast<std::int32_t>(RowsOfLine(line));
    y += rows * line.height;
    space -= rows * line.height;
  }

  platform::SelectFont(view->surface, savedFont);
  return kViewDone;
}

void PaintHighlightRun(TextView* view, const std::uint8_t* run, std::int32_t count, std::int32_t x,
                       std::int32_t y) {
  const std::int32_t runOffset = static_cast<std::int32_t>(run - view->text.get());
  const std::int32_t skip = view->highlightStart - runOffset;
  std::int32_t dx = 0;
  if (skip >= 0) {
    // The range starts inside the run (or after it): draw from its start.
    count -= skip;
    if (count <= 0) return;
    dx = MeasureRunExtent(view->surface, run, skip).width;
    run += skip;
  }
  count = std::min<std::int32_t>(
      count, view->highlightEnd - static_cast<std::int32_t>(run - view->text.get()));
  if (count <= 0) return;
  const platform::Size extent = MeasureRunExtent(view->surface, run, count);
  DrawColouredRun(view->surface, run, count, x + dx, y, extent.width, extent.height, kHighlightText,
                  kHighlightBack);
}

}  // namespace velmora::view
