// Where the font dialog's controls go for a client size: the face list takes
// the left two thirds of the upper two thirds, the radio buttons and the size
// list the right third of it, the preview the lower third across the width.
#pragma once

#include <array>
#include <cstdint>

#include "platform/window_handle.h"

namespace velmora::font {

// One control's place, in pixels.
struct ControlPlace {
  std::uint16_t id;
  std::int32_t x, y, width, height;
};

inline constexpr int kFontDialogControls = 6;

// The places of the face list, size list, preview and the three LetterBase
// buttons for a client area of `width` x `height`.
std::array<ControlPlace, kFontDialogControls> FontDialogLayout(std::int32_t width,
                                                               std::int32_t height);

// Moves the dialog's controls to FontDialogLayout, repainting them; a control
// the dialog does not hold is skipped.
void SizeFontDialog(platform::WindowHandle dialog, std::int32_t width, std::int32_t height);

}  // namespace velmora::font
