#include "view/scroll.h"

#include <cstdlib>

#include "platform/window.h"
#include "state/app_state.h"
#include "view/paint.h"

namespace velmora::view {
namespace {

// Page step codes that page by half the rows shown; any other code pages by
// the rows shown less one.
constexpr AppFlags kHalfPageStep = 2;
constexpr AppFlags kOtherHalfPageStep = 4;

}  // namespace

std::int32_t PageStepRows(const TextView& view, int fieldShift) {
  const AppFlags code = (appState.appFlags >> fieldShift) & kPageStepFieldMask;
  if (code == kHalfPageStep || code == kOtherHalfPageStep) return view.rowsPainted / 2;
  return view.rowsPainted - 1;
}

int ScrollTextView(TextView* view, std::int32_t delta, int mode, bool limit) {
  if (view == nullptr) return kViewMissing;
  std::int32_t target = view->topRow + delta;
  if (target < 0) {
    target = 0;
  } else if (limit || target > view->rowCount) {
    // At its end the view does not move down any further.
    if (target >= view->topRow && view->topRow >= view->lastTopRow) return kViewUnmoved;
    if (target > view->rowCount) target = view->lastTopRow;
  }
  if (mode == kScrollAndPaint && target == view->topRow) return kViewUnmoved;
  const bool changed = target != view->topRow;
  view->topRow = static_cast<std::uint16_t>(target);
  if (mode != kScrollMoveOnly) return PaintTextView(view, true);
  return changed ? kViewMovedUnpainted : kViewUnmoved;
}

void SyncScrollBar(platform::WindowHandle window) {
  const TextView* view = appState.articleView;
  if ((appState.appFlags & kFlagsScrollBar) == 0 || view == nullptr) return;
  platform::ScrollBarState state;
  state.maximum = view->lastTopRow;
  state.position = view->topRow;
  platform::SetVerticalScrollBar(window, state, true);
}

bool HitViewArea(const TextView* view, std::int32_t px, std::int32_t py) {
  if (view == nullptr) return false;
  const std::int32_t gutter = appState.surroundingGutter;
  return view->x - gutter <= px && px <= view->x + view->width + gutter && view->y - gutter <= py &&
         py <= view->y + view->height + gutter;
}

int TapPage(platform::WindowHandle window, TextView* view, std::int32_t px, std::int32_t py,
            int mode) {
  if (!HitViewArea(view, px, py)) return 0;
  if ((appState.appFlags & kFlagsTapPaging) == 0) return 0;
  const bool vertical = (appState.appFlags & kFlagsTapVertical) != 0;
  const std::int32_t position = vertical ? py : px;
  const std::int32_t middle = vertical ? view->y + view->height / 2 : view->x + view->width / 2;
  std::int32_t step = std::abs(PageStepRows(*view, kTapPageStepShift));
  if (position < middle) step = -step;
  ScrollTextView(view, step, mode, true);
  SyncScrollBar(window);
  return 1;
}

}  // namespace velmora::view
