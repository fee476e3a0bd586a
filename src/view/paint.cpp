#include "view/paint.h"

#include "view/text_view.h"
#include "view/view_lines.h"

namespace velmora::view {
namespace {

// A black line one pixel high, halfway down the rule's row.
void DrawRule(platform::Surface* surface, const ViewLine& line, std::int32_t y) {
  platform::Brush* previous =
      platform::SelectBrush(surface, platform::GetStockBrush(platform::StockBrush::kBlack));
  const std::int32_t middle = y + line.height / 2;
  platform::DrawRectangle(surface, {line.x, middle, line.x + line.width, middle + 1});
  platform::SelectBrush(surface, previous);
}

void DrawTextLine(TextView& view, const ViewLine& line, std::int32_t y) {
  const std::uint8_t* run = view.text.get() + line.offset;
  if (line.gutter != 0) {
    const LabelRun label = FindLineLabel(view, line);
    const RunFit fit = MeasureFit(view.surface, label.text, line.gutter, label.count);
    if ((line.style & book::StyleReversed) != 0) {
      // The label ends at the right edge of the gutter, right of the run.
      DrawRun(view.surface, label.text, fit.count, line.x + line.width + line.gutter - fit.width, y,
              fit.width, line.height);
    } else {
      // The label starts at the left edge of the gutter, left of the run.
      DrawRun(view.surface, label.text, fit.count, line.x - line.gutter, y, fit.width, line.height);
      run = SkipSpaces(label.text + label.count);
    }
  }
  DrawRun(view.surface, run, line.length, line.x, y, line.width, line.height);
}

}  // namespace

int PaintTextView(TextView* view, bool fill) {
  if (view == nullptr || !view->text || !view->lines) return kViewMissing;
  view->rowsPainted = 0;
  const VisibleStart start = FindFirstVisibleLine(view);
  std::int32_t y = start.y;
  std::int32_t space = start.space;

  std::uint8_t currentStyle = FontStyleOf(view->lines[start.line]);
  const platform::Colour savedColour = platform::GetTextColour(view->surface);
  platform::Font* savedFont = SelectStyleFont(view, currentStyle | kStyleFontSetColour);
  if (fill) {
    FillViewRect(view->surface, view->x, view->y, view->width, view->height,
                 platform::StockBrush::kWhite);
  }

  for (std::uint32_t index = start.line; view->lines[index].style != 0; ++index) {
    const ViewLine& line = view->lines[index];
    // Only whole rows are drawn.
    if (space < line.height) break;
    if (IsRuleStyle(line.style)) {
      DrawRule(view->surface, line, y);
    } else {
      if (((line.style ^ currentStyle) & book::StyleFontKey) != 0) {
        SelectStyleFont(view, line.style | kStyleFontSetColour);
      }
      currentStyle = line.style;
      DrawTextLine(*view, line, y);
    }
    // A blank row counts even when the view ends inside it.
    const std::int32_t rows = static_cast<std::int32_t>(RowsOfLine(line));
    y += rows * line.height;
    space -= rows * line.height;
    view->rowsPainted += rows;
  }

  platform::SelectFont(view->surface, savedFont);
  platform::SetTextColour(view->surface, savedColour);
  if (view->highlightStart != 0 || view->highlightEnd != 0) return PaintHighlight(view);
  return kViewDone;
}

}  // namespace velmora::view
