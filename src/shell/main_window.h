// MainWindow, the program's only top-level window: its class, and the
// procedure that turns messages, keys, scroll-bar requests, taps and commands
// into operations on the article view and the state.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/messages.h"
#include "platform/window_handle.h"

namespace velmora::shell {

// The class and title of the main window: what a second copy of the program
// looks for to find the running one.
inline constexpr std::u16string_view kMainWindowClass = u"Velmora";
inline constexpr std::u16string_view kMainWindowTitle = u"Velmora";

// The main window's procedure: the messages of the window's life, painting,
// sizing, activation, keys, the scroll bar, taps and commands. Messages it
// does not take go to the default handling.
platform::LResult MainWindowProc(platform::WindowHandle window, std::uint32_t message,
                                 platform::WParam wParam, platform::LParam lParam);

}  // namespace velmora::shell
