#include "view/view_lines.h"

#include <cstring>

namespace velmora::view {

VisibleStart FindFirstVisibleLine(TextView* view) {
  if (view->topRow > view->rowCount) view->topRow = view->lastTopRow;
  VisibleStart start;
  std::uint32_t row = 0;
  while (view->lines[start.line].style != 0 && row < view->topRow) {
    row += RowsOfLine(view->lines[start.line]);
    ++start.line;
  }
  start.y = view->y;
  start.space = view->height;
  if (row > view->topRow) {
    // topRow names the blank row after the line before.
    const std::int32_t skipped = view->lines[start.line - 1].height;
    start.y += skipped;
    start.space -= skipped;
  }
  return start;
}

const std::uint8_t* SkipSpaces(const std::uint8_t* text) {
  while (*text == kSpace) ++text;
  return text;
}

LabelRun FindLineLabel(const TextView& view, const ViewLine& line) {
  const std::uint8_t* at = view.text.get() + line.offset;
  LabelRun label;
  if ((line.style & book::StyleReversed) != 0) {
    at += line.length;
    while (*at != 0 && *at != kSpace) ++at;
    label.text = SkipSpaces(at);
    label.count = static_cast<std::int32_t>(std::strlen(reinterpret_cast<const char*>(label.text)));
    return label;
  }
  label.text = at;
  while (at[label.count] != 0 && at[label.count] != kSpace) ++label.count;
  return label;
}

}  // namespace velmora::view
