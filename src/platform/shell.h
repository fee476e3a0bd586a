// The shell around the program: full-screen mode, the taskbar and the input
// panel, opening web addresses, the platform's version, and the program's
// message loop.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_handle.h"

namespace velmora::platform {

// --- Full screen --------------------------------------------------------------
inline constexpr std::uint32_t SHFS_SHOWTASKBAR = 0x0001;
inline constexpr std::uint32_t SHFS_HIDETASKBAR = 0x0002;
inline constexpr std::uint32_t SHFS_SHOWSIPBUTTON = 0x0004;
inline constexpr std::uint32_t SHFS_HIDESIPBUTTON = 0x0008;
inline constexpr std::uint32_t SHFS_HIDESTARTICON = 0x0020;
// Hides (or shows) the taskbar, input-panel button and start icon for
// `window` as `flags` say; on the desktop, hiding the taskbar takes the whole
// screen.
void ShellFullScreen(WindowHandle window, std::uint32_t flags);

// --- Input panel --------------------------------------------------------------
// The on-screen input panel of the handheld; the desktop has none, and both
// calls do nothing there.
inline constexpr std::uint32_t SIP_FORCEDOWN = 2;
inline constexpr std::uint32_t SIPF_OFF = 0;
// Tells the shell what `window` wants of the input panel (SIP_FORCEDOWN).
void ShellSipPreference(WindowHandle window, std::uint32_t preference);
// Shows or hides the input panel as `flags` say (SIPF_OFF: hidden).
void ShowInputPanel(std::uint32_t flags);

// The platform's taskbar window, or nullptr where there is none (the desktop).
WindowHandle FindTaskbarWindow();

// Dialog initialisation by the shell: sizing to the screen, the Done button.
inline constexpr std::uint32_t SHIDIF_DONEBUTTON = 0x0001;
inline constexpr std::uint32_t SHIDIF_SIZEDLG = 0x0002;
inline constexpr std::uint32_t SHIDIF_SIZEDLGFULLSCREEN = 0x0004;
inline constexpr std::uint32_t SHIDIF_SIPDOWN = 0x0008;
inline constexpr std::uint32_t SHIDIF_FULLSCREENNOMENUBAR = 0x0010;
// A dialog asked to be sized to the screen covers its owner's window.
void ShellInitDialog(WindowHandle dialog, std::uint32_t flags);

// A settings change handed to the shell's own handling.
void ShellHandleSettingChange(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam);

// --- Web addresses ------------------------------------------------------------
// Asks the platform's browser to open `address`, reporting nothing on failure.
void OpenWebAddress(WindowHandle owner, std::u16string_view address);

// --- Version ------------------------------------------------------------------
struct PlatformVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};
PlatformVersion GetPlatformVersion();

// --- Message loop -------------------------------------------------------------
// Runs the message loop until PostQuitMessage; returns the quit code.
int RunMessageLoop();

}  // namespace velmora::platform
