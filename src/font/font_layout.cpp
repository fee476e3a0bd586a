#include "font/font_layout.h"

#include "platform/dialog.h"
#include "platform/window.h"
#include "resources/control_ids.h"

namespace velmora::font {
namespace {

constexpr std::int32_t kMargin = 7;
constexpr std::int32_t kSizeListTop = 59;
constexpr std::int32_t kButtonHeight = 10;
constexpr std::int32_t kButton224Top = 24;
constexpr std::int32_t kButton1488Top = 41;

}  // namespace

std::array<ControlPlace, kFontDialogControls> FontDialogLayout(std::int32_t width,
                                                               std::int32_t height) {
  const std::int32_t w = width - 2 * kMargin;
  const std::int32_t h = height - 2 * kMargin;
  const std::int32_t x = (2 * w) / 3;
  const std::int32_t y = (2 * h) / 3;
  const std::int32_t right = x + kMargin;
  return {{
      {resources::kIdcFaceList, kMargin, kMargin, x - kMargin, y - kMargin},
      {resources::kIdcSizeList, right, kSizeListTop, w - x, y - kSizeListTop},
      {resources::kIdcPreview, kMargin, y, w, h - y},
      {resources::kIdcBase97, right, kMargin, w - x, kButtonHeight},
      {resources::kIdcBase224, right, kButton224Top, w - x, kButtonHeight},
      {resources::kIdcBase1488, right, kButton1488Top, w - x, kButtonHeight},
  }};
}

void SizeFontDialog(platform::WindowHandle dialog, std::int32_t width, std::int32_t height) {
  for (const ControlPlace& place : FontDialogLayout(width, height)) {
    platform::WindowHandle control = platform::GetDlgItem(dialog, place.id);
    if (control == nullptr) continue;
    platform::MoveWindow(control, place.x, place.y, place.width, place.height, true);
  }
}

}  // namespace velmora::font
