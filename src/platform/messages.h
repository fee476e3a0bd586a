// Message numbers and their argument codes: the vocabulary in which windows
// and dialogs are driven. Numbered as the handheld platform numbers them, so
// that the procedures read as the program's design gives them.
#pragma once

#include <cstdint>

namespace velmora::platform {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// --- Messages ---------------------------------------------------------------
inline constexpr std::uint32_t WM_CREATE = 0x0001;
inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_SIZE = 0x0005;      // lParam: width | height << 16
inline constexpr std::uint32_t WM_ACTIVATE = 0x0006;  // wParam low word: WA_*
inline constexpr std::uint32_t WM_PAINT = 0x000F;
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_ERASEBKGND = 0x0014;  // wParam: the Surface*
inline constexpr std::uint32_t WM_SETTINGCHANGE = 0x001A;
inline constexpr std::uint32_t WM_DRAWITEM = 0x002B;  // wParam: id; lParam: DrawItem*
inline constexpr std::uint32_t WM_SETFONT = 0x0030;   // wParam: Font*; lParam: redraw
inline constexpr std::uint32_t WM_GETFONT = 0x0031;
inline constexpr std::uint32_t WM_WINDOWPOSCHANGED = 0x0047;  // lParam: WindowPos*
inline constexpr std::uint32_t WM_GETDLGCODE = 0x0087;        // answer: DLGC_* bits
inline constexpr std::uint32_t WM_HELP = 0x0053;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;      // wParam: virtual key
inline constexpr std::uint32_t WM_CHAR = 0x0102;         // wParam: UTF-16 unit; lParam:
                                                         // the edit box (to a dialog)
inline constexpr std::uint32_t WM_INITDIALOG = 0x0110;   // lParam: creation parameter
inline constexpr std::uint32_t WM_COMMAND = 0x0111;      // wParam: id | notification << 16
inline constexpr std::uint32_t WM_VSCROLL = 0x0115;      // wParam: SB_* | position << 16
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;  // lParam: x | y << 16
inline constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;   // wParam: MK_* | delta << 16
inline constexpr std::uint32_t WM_HIBERNATE = 0x03FF;    // the platform is short of memory

// --- WM_ACTIVATE codes ------------------------------------------------------
inline constexpr std::uint16_t WA_INACTIVE = 0;
inline constexpr std::uint16_t WA_ACTIVE = 1;
inline constexpr std::uint16_t WA_CLICKACTIVE = 2;

// --- Scroll-bar requests ----------------------------------------------------
inline constexpr std::uint16_t SB_LINEUP = 0;
inline constexpr std::uint16_t SB_LINEDOWN = 1;
inline constexpr std::uint16_t SB_PAGEUP = 2;
inline constexpr std::uint16_t SB_PAGEDOWN = 3;
inline constexpr std::uint16_t SB_THUMBPOSITION = 4;
inline constexpr std::uint16_t SB_THUMBTRACK = 5;
inline constexpr std::uint16_t SB_TOP = 6;
inline constexpr std::uint16_t SB_BOTTOM = 7;
inline constexpr std::uint16_t SB_ENDSCROLL = 8;

// --- WM_GETDLGCODE answers -------------------------------------------------
// The dialog takes every key itself, Return included, instead of the
// platform turning Return into IDOK.
inline constexpr std::intptr_t DLGC_WANTALLKEYS = 0x0004;

// --- Mouse wheel ------------------------------------------------------------
// WM_MOUSEWHEEL's delta (signed) turns by this much per notch; positive is
// away from the reader.
inline constexpr std::int16_t WHEEL_DELTA = 120;
// Keys held during a wheel turn, in WM_MOUSEWHEEL's low word.
inline constexpr std::uint16_t MK_CONTROL = 0x0008;

// --- Virtual keys -----------------------------------------------------------
inline constexpr std::uint32_t VK_BACK = 0x08;
inline constexpr std::uint32_t VK_RETURN = 0x0D;
inline constexpr std::uint32_t VK_SHIFT = 0x10;
inline constexpr std::uint32_t VK_CONTROL = 0x11;
inline constexpr std::uint32_t VK_ESCAPE = 0x1B;
inline constexpr std::uint32_t VK_SPACE = 0x20;
inline constexpr std::uint32_t VK_PRIOR = 0x21;
inline constexpr std::uint32_t VK_NEXT = 0x22;
inline constexpr std::uint32_t VK_END = 0x23;
inline constexpr std::uint32_t VK_HOME = 0x24;
inline constexpr std::uint32_t VK_LEFT = 0x25;
inline constexpr std::uint32_t VK_UP = 0x26;
inline constexpr std::uint32_t VK_RIGHT = 0x27;
inline constexpr std::uint32_t VK_DOWN = 0x28;
inline constexpr std::uint32_t VK_DIGIT_0 = 0x30;  // '0' to '9' follow
inline constexpr std::uint32_t VK_F3 = 0x72;
// The '=' / '+' key and the '-' key of the main block, whatever the layout.
inline constexpr std::uint32_t VK_OEM_PLUS = 0xBB;
inline constexpr std::uint32_t VK_OEM_MINUS = 0xBD;

// --- Dialog results and commands --------------------------------------------
inline constexpr std::uint16_t IDOK = 1;
inline constexpr std::uint16_t IDCANCEL = 2;

// Notification codes (high word of WM_COMMAND's wParam) of a command that a
// button click or a menu item sends, and of one an accelerator sends.
inline constexpr std::uint16_t BN_CLICKED = 0;
inline constexpr std::uint16_t kAcceleratorNotification = 1;

// --- Window-position flags (WM_WINDOWPOSCHANGED) ----------------------------
inline constexpr std::uint32_t SWP_NOMOVE = 0x0002;
inline constexpr std::uint32_t SWP_NOZORDER = 0x0004;
inline constexpr std::uint32_t SWP_NOACTIVATE = 0x0010;
inline constexpr std::uint32_t SWP_SHOWWINDOW = 0x0040;

// What WM_WINDOWPOSCHANGED carries.
struct WindowPos {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint32_t flags = 0;
};

// Packing and unpacking of message arguments.
inline std::uint16_t LowWord(std::uintptr_t value) {
  return static_cast<std::uint16_t>(value & 0xFFFF);
}
inline std::uint16_t HighWord(std::uintptr_t value) {
  return static_cast<std::uint16_t>((value >> 16) & 0xFFFF);
}
inline LParam MakeLParam(std::uint16_t low, std::uint16_t high) {
  return static_cast<LParam>(static_cast<std::uint32_t>(low) |
                             (static_cast<std::uint32_t>(high) << 16));
}
inline WParam MakeWParam(std::uint16_t low, std::uint16_t high) {
  return static_cast<WParam>(static_cast<std::uint32_t>(low) |
                             (static_cast<std::uint32_t>(high) << 16));
}

}  // namespace velmora::platform
