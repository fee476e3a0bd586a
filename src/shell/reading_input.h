// Reading with keys and the scroll bar: paging and scrolling the article
// view, and moving between articles with Left and Right.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/window_handle.h"

namespace velmora::shell {

// WM_KEYDOWN with virtual key `key`: 0 for the keys that read (Return, the
// page, end, home and arrow keys, Space, and '+', '=' and '-' with Control),
// 1 (and no default handling) for any other.
// Page Up and Page Down move by the rows the view's last paint drew less one,
// or half of them when the key page-step field of AppFlags holds 2 or 4;
// Space pages as Page Down does, Shift+Space as Page Up. Control with '+' or
// '=' steps the text size up, with '-' down (see StepTextSize).
platform::LResult HandleReadingKey(platform::WindowHandle window, std::uint32_t key);

// WM_VSCROLL (`wParam`: request in the low 16 bits, thumb position in the
// high 16 bits): scrolls the view, passes the message to the default
// handling, then updates the scroll bar when the view was asked to move.
// Its page amounts never depend on AppFlags. Always 1.
platform::LResult HandleScrollBar(platform::WindowHandle window, platform::WParam wParam,
                                  platform::LParam lParam);

// WM_MOUSEWHEEL: with Control held, one step of the text size per message,
// up for a turn away from the reader; 0. Without Control, the default
// handling.
platform::LResult HandleWheel(platform::WindowHandle window, platform::WParam wParam,
                              platform::LParam lParam);

}  // namespace velmora::shell
