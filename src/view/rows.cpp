// Row arithmetic on a laid-out view: the last top row and the row of an
// offset.
#include <algorithm>

#include "view/text_view.h"
#include "view/view_lines.h"

namespace velmora::view {

int ComputeLastTopRow(TextView* view) {
  if (view == nullptr || !view->lines || view->rowCount == 0 || view->lineCount == 0) {
    return kViewMissing;
  }
  // Fill the view from the bottom up, each line together with the blank row
  // below it.
  std::int32_t space = view->height;
  std::uint32_t fitted = 0;
  for (std::uint32_t index = view->lineCount; index-- > 0;) {
    const ViewLine& line = view->lines[index];
    if (space < line.height) break;
    space -= line.height;
    ++fitted;
    if (HasBlankRowAfter(line.style)) {
      space -= line.height;
      ++fitted;
    }
  }
  // Only the blank row below the topmost line counted fitted, not the line
  // itself: the view then starts with that blank row.
  if (space < 0) --fitted;
  view->lastTopRow = static_cast<std::uint16_t>(view->rowCount - fitted);
  return view->lastTopRow;
}

int ScrollToOffset(TextView* view, std::uint16_t offset) {
  if (view == nullptr) return kViewMissing;
  if (!view->lines) return 0;
  std::uint32_t row = 0;
  for (const ViewLine* line = view->lines.get(); line->style != 0; ++line) {
    if (line->offset <= offset && offset <= line->offset + line->length) {
      view->topRow = static_cast<std::uint16_t>(std::min<std::uint32_t>(row, view->lastTopRow));
      return 1;
    }
    row += RowsOfLine(*line);
  }
  return 0;
}

namespace {

// The stored byte a line's reading starts with: a reversed paragraph is
// stored in visual order, so its lines begin at their last stored byte.
std::uint32_t ReadingStart(const ViewLine& line) {
  if ((line.style & book::StyleReversed) != 0 && line.length != 0) {
    return line.offset + line.length - 1u;
  }
  return line.offset;
}

bool HoldsOffset(const ViewLine& line, std::uint32_t offset) {
  if (line.length == 0) return line.offset == offset;
  return line.offset <= offset && offset < line.offset + static_cast<std::uint32_t>(line.length);
}

}  // namespace

std::uint16_t TopLineOffset(const TextView& view) {
  if (!view.lines || view.lineCount == 0) return 0;
  std::uint32_t row = 0;
  for (std::uint32_t index = 0; index < view.lineCount; ++index) {
    const ViewLine& line = view.lines[index];
    const std::uint32_t rows = RowsOfLine(line);
    // A top row on the line itself, or on the blank row below it, which
    // shows the next line first.
    if (row == view.topRow) return static_cast<std::uint16_t>(ReadingStart(line));
    if (row + rows > view.topRow && index + 1 < view.lineCount) {
      return static_cast<std::uint16_t>(ReadingStart(view.lines[index + 1]));
    }
    row += rows;
  }
  return static_cast<std::uint16_t>(ReadingStart(view.lines[view.lineCount - 1]));
}

int ScrollToTopLineOffset(TextView* view, std::uint16_t offset) {
  if (view == nullptr) return kViewMissing;
  if (!view->lines) return 0;
  std::uint32_t row = 0;
  for (const ViewLine* line = view->lines.get(); line->style != 0; ++line) {
    if (HoldsOffset(*line, offset)) {
      view->topRow = static_cast<std::uint16_t>(std::min<std::uint32_t>(row, view->lastTopRow));
      return 1;
    }
    row += RowsOfLine(*line);
  }
  return 0;
}

}  // namespace velmora::view
