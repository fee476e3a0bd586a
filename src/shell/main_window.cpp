#include "shell/main_window.h"

#include "platform/shell.h"
#include "platform/window.h"
#include "shell/about_dialog.h"
#include "shell/article_window.h"
#include "shell/bars.h"
#include "shell/commands.h"
#include "shell/reading_input.h"
#include "shell/start_and_exit.h"
#include "state/app_state.h"
#include "state/screen.h"
#include "view/scroll.h"

namespace velmora::shell {
namespace {

using platform::LParam;
using platform::LResult;
using platform::WindowHandle;
using platform::WParam;

constexpr LResult kHandled = 0;

// What the shell hides when the window is activated outside full-screen mode.
constexpr std::uint32_t kWindowedHides = platform::SHFS_HIDESIPBUTTON;

// A window-position change with any of these flags, together with
// SWP_NOACTIVATE, is the platform's request to end the program.
constexpr std::uint32_t kPlatformPositionFlags = 0xFFFF0000;

void OnCreate(WindowHandle window) {
  appState.mainWindow = window;
  CreateBars();
  CreateArticleView(window);
  SyncReverseCheck(window, CheckMode::kSet);
  SyncBookmarkCheck(window, CheckMode::kSet);
}

void OnDestroy(WindowHandle window) {
  if (appState.articleView != nullptr) {
    platform::ReleaseWindowSurface(window, appState.articleView->surface);
  }
  if (appState.barWindow != nullptr) {
    platform::DestroyWindow(appState.barWindow);
    appState.barWindow = nullptr;
  }
  SaveSettingsAndQuit();
  appState.mainWindow = nullptr;
}

LResult OnActivate(WindowHandle window, WParam wParam, LParam lParam) {
  if (deviceOptions.ignoreActivate != 0) {
    return platform::DefWindowProc(window, platform::WM_ACTIVATE, wParam, lParam);
  }
  if (platform::LowWord(wParam) != platform::WA_INACTIVE) {
    platform::ShellFullScreen(
        window, deviceOptions.fullScreen != 0 ? screen::kFullScreenHides : kWindowedHides);
  }
  return kHandled;
}

bool EndsProgram(const platform::WindowPos* position) {
  return position != nullptr && (position->flags & kPlatformPositionFlags) != 0 &&
         (position->flags & platform::SWP_NOACTIVATE) != 0;
}

}  // namespace

LResult MainWindowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case platform::WM_CREATE:
      OnCreate(window);
      return kHandled;
    case platform::WM_DESTROY:
      OnDestroy(window);
      return kHandled;
    case platform::WM_SIZE:
      ResizeArticleView(window, lParam);
      return kHandled;
    case platform::WM_ACTIVATE:
      return OnActivate(window, wParam, lParam);
    case platform::WM_PAINT:
      PaintMain(reinterpret_cast<platform::Surface*>(wParam), window, kPaintAll);
      return kHandled;
    case platform::WM_SETTINGCHANGE:
      platform::ShellHandleSettingChange(window, wParam, lParam);
      return kHandled;
    case platform::WM_WINDOWPOSCHANGED:
      if (EndsProgram(reinterpret_cast<const platform::WindowPos*>(lParam))) {
        platform::DestroyWindow(window);
      }
      return kHandled;
    case platform::WM_HELP:
      RunAboutDialog(window);
      return kHandled;
    case platform::WM_KEYDOWN:
      return HandleReadingKey(window, static_cast<std::uint32_t>(wParam));
    case platform::WM_COMMAND:
      if (DispatchCommand(window, wParam) == kCommandNotOurs) {
        return platform::DefWindowProc(window, message, wParam, lParam);
      }
      return kHandled;
    case platform::WM_VSCROLL:
      return HandleScrollBar(window, wParam, lParam);
    case platform::WM_LBUTTONDOWN:
      if (appState.articleView != nullptr) {
        view::TapPage(window, appState.articleView, platform::LowWord(lParam),
                      platform::HighWord(lParam), view::kScrollAndPaint);
      }
      return kHandled;
    case platform::WM_MOUSEWHEEL:
      return HandleWheel(window, wParam, lParam);
    case platform::WM_HIBERNATE:
      platform::DestroyWindow(window);
      return kHandled;
    default:
      return platform::DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace velmora::shell
