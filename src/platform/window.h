// Windows: classes, creation and destruction, messages, geometry, painting,
// and their vertical scroll bars.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/messages.h"
#include "platform/surface.h"
#include "platform/window_handle.h"

namespace velmora::platform {

// A window's drawing surface, kept until ReleaseWindowSurface; nullptr
// without a window.
Surface* GetWindowSurface(WindowHandle window);
void ReleaseWindowSurface(WindowHandle window, Surface* surface);

// The range and position a vertical scroll bar shows.
struct ScrollBarState {
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::int32_t page = 0;
  std::int32_t position = 0;
};

// Sets the window's vertical scroll bar (range, page and position) and
// redraws it when `redraw` is set.
void SetVerticalScrollBar(WindowHandle window, const ScrollBarState& state, bool redraw);

// --- Window classes and top-level windows -----------------------------------

// A window procedure: what a window does with each message. Messages it does
// not handle go to DefWindowProc.
using WindowProc = LResult (*)(WindowHandle window, std::uint32_t message, WParam wParam,
                               LParam lParam);

inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr std::uint32_t CS_HREDRAW = 0x0002;
inline constexpr std::uint32_t CS_VREDRAW = 0x0001;
// Position or size left to the platform.
inline constexpr std::int32_t CW_USEDEFAULT = static_cast<std::int32_t>(0x80000000);

struct WindowClass {
  std::u16string_view name;
  WindowProc procedure = nullptr;
  std::uint32_t style = 0;
  std::uint16_t iconId = 0;  // icon resource; 0: none
};

// Registers a class of top-level windows; false when it cannot.
bool RegisterWindowClass(const WindowClass& windowClass);

struct WindowCreation {
  std::uint32_t exStyle = 0;
  std::u16string_view className;
  std::u16string_view title;
  std::uint32_t style = 0;  // WS_VISIBLE, WS_VSCROLL
  std::int32_t x = CW_USEDEFAULT;
  std::int32_t y = CW_USEDEFAULT;
  std::int32_t width = CW_USEDEFAULT;
  std::int32_t height = CW_USEDEFAULT;
};

// Creates a top-level window of a registered class. Its procedure receives
// WM_CREATE inside this call (and WM_SIZE with the first client size). A
// procedure that answers WM_CREATE with -1 makes creation fail. nullptr on
// failure.
WindowHandle CreateTopLevelWindow(const WindowCreation& creation);

// Destroys the window; its procedure receives WM_DESTROY inside this call.
void DestroyWindow(WindowHandle window);

// The default handling: WM_CLOSE destroys the window; everything else 0.
LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

// Calls the window's (or dialog's) procedure and returns its answer.
LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;
void ShowWindow(WindowHandle window, int command);
// Paints the window at once when part of it needs painting.
void UpdateWindow(WindowHandle window);
bool IsWindowVisible(WindowHandle window);
// Marks the window's `rect` (all of it when null) for painting; `erase`
// sends WM_ERASEBKGND first.
void InvalidateRect(WindowHandle window, const Rect* rect, bool erase);

// The client area (origin 0, 0; the scroll bar not included) and the
// window's rectangle on the screen.
Rect GetClientRect(WindowHandle window);
Rect GetWindowRect(WindowHandle window);
void MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, bool repaint);
// Resizes and shows a window: the SWP_* flags say what stays as it is.
void SetWindowPosition(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, std::uint32_t flags);

// --- Painting ---------------------------------------------------------------
// Begins painting in WM_PAINT: the window's surface, and the marking of the
// window as painted when EndPaint comes.
Surface* BeginPaint(WindowHandle window);
void EndPaint(WindowHandle window, Surface* surface);

// --- Focus and keyboard -----------------------------------------------------
void SetFocus(WindowHandle window);
// Whether VK_SHIFT or VK_CONTROL is held down as of the key or wheel message
// being handled; false for any other key.
bool IsKeyHeld(std::uint32_t virtualKey);

// --- System metrics ---------------------------------------------------------
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
std::int32_t GetSystemMetric(int index);

}  // namespace velmora::platform
