#include "shell/startup.h"

#include <optional>
#include <string>

#include "font/font_dialog.h"
#include "platform/instance.h"
#include "platform/menu.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/text_encoding.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "search/search_engine.h"
#include "shell/article_window.h"
#include "shell/bars.h"
#include "shell/main_window.h"
#include "shell/start_and_exit.h"
#include "shell/window_place.h"
#include "state/app_state.h"
#include "state/screen.h"
#include "state/settings.h"
#include "view/text_view.h"

namespace velmora::shell {
namespace {

using platform::WindowHandle;

constexpr int kNoWindowExitCode = 0;
// SetCurrentArticle's "article 1 at its top unless one is set".
constexpr std::uint16_t kKeepStoredArticle = 0;

constexpr std::uint32_t kMainWindowClassStyle = platform::CS_HREDRAW | platform::CS_VREDRAW;

// Whether the taskbar was visible when the program started: it is shown
// again at the end only then.
bool taskbar_was_visible = false;

// A running copy gets the reader: its Choose Article dialog when its main
// window is in front (this copy waits until that has been handled), its main
// window brought to the front when another program is; nothing when one of
// its dialogs is in front.
void HandOverToRunningCopy(platform::RunningCopy* copy) {
  switch (platform::RunningCopyForeground(copy)) {
    case platform::RunningCopyFront::kMainWindow:
      platform::SendCommandToRunningCopy(copy, resources::kCmdChooseArticle);
      break;
    case platform::RunningCopyFront::kOtherProgram:
      platform::BringRunningCopyToFront(copy);
      break;
    case platform::RunningCopyFront::kOwnWindow:
      break;
  }
  platform::ForgetRunningCopy(copy);
}

// True when a running copy was found and handed the reader.
bool HandOverIfRunning() {
  platform::RunningCopy* copy = platform::FindRunningCopy(kMainWindowClass, kMainWindowTitle);
  if (copy == nullptr) return false;
  HandOverToRunningCopy(copy);
  return true;
}

void RestoreTaskbar() {
  if (screen::taskbarWindow != nullptr && taskbar_was_visible) {
    platform::ShowWindow(screen::taskbarWindow, platform::SW_SHOW);
  }
}

WindowHandle CreateMainWindow() {
  platform::WindowCreation creation;
  creation.exStyle = platform::WS_EX_WINDOWEDGE;
  creation.className = kMainWindowClass;
  creation.title = kMainWindowTitle;
  creation.style = platform::WS_VISIBLE;
  if ((appState.appFlags & kFlagsScrollBar) != 0) creation.style |= platform::WS_VSCROLL;
  ApplyStoredWindowPlace(&creation);
  return platform::CreateTopLevelWindow(creation);
}

// Stretches the window up over the strip where the taskbar was, keeping its
// left, right and bottom edges.
void CoverTaskbarStrip(WindowHandle window) {
  const platform::Rect rect = platform::GetWindowRect(window);
  platform::ShellFullScreen(window, screen::kFullScreenHides);
  platform::MoveWindow(window, rect.left, 0, rect.right - rect.left, rect.bottom, false);
}

// The first run has no font yet: the reader is asked for one, and whatever
// the dialog's answer the view takes the settings it leaves.
void AskForFirstFont(WindowHandle window) {
  font::RunFontDialog(window, &appState.fontSettings);
  ApplyFontSettings(window);
}

// What showing a search hit needs of the main window.
void RepaintMainNow() { RepaintNow(nullptr, kPaintAll); }
void SyncMainBookmarkCheck() { SyncBookmarkCheck(appState.mainWindow, CheckMode::kSet); }

void InstallMainWindowSearchShares() {
  search::InstallSearchShares({RepaintMainNow, SyncMainBookmarkCheck});
}

// A settings file that cannot be read is moved aside before anything is
// written over it, and the reader learns where it went.
void TellOfDamagedSettings() {
  const std::optional<std::string> keptAs = platform::KeepDamagedRegistryAside();
  if (!keptAs) return;
  std::u16string text(resources::kMsgDamagedSettingsKeptAs);
  text += platform::Utf8ToUtf16(*keptAs);
  text += resources::kMsgDamagedSettingsDefaults;
  platform::ShowMessageBox(nullptr, text, resources::kCaptionVelmora,
                           platform::kMbOk | platform::kMbIconExclamation);
}

}  // namespace

bool RegisterMainWindowClass() {
  platform::WindowClass windowClass;
  windowClass.name = kMainWindowClass;
  windowClass.procedure = MainWindowProc;
  windowClass.style = kMainWindowClassStyle;
  windowClass.iconId = resources::kIconProgram;
  return platform::RegisterWindowClass(windowClass);
}

WindowHandle StartInstance(int showCommand) {
  if (HandOverIfRunning()) return nullptr;
  // Findable from here on, before the settings are read and the window made.
  // A copy that became findable since the look above gets the reader; and
  // a copy that cannot be found must not run beside another one, since both
  // would write one settings file.
  if (!platform::ListenAsRunningCopy(kMainWindowClass, kMainWindowTitle)) {
    HandOverIfRunning();
    return nullptr;
  }
  TellOfDamagedSettings();
  if (screen::taskbarWindow != nullptr)
    platform::ShowWindow(screen::taskbarWindow, platform::SW_HIDE);
  InstallMainWindowSearchShares();
  LoadSettings();
  settings::SetCurrentArticle(kKeepStoredArticle);
  RegisterMainWindowClass();
  WindowHandle window = CreateMainWindow();
  if (window == nullptr) {
    // The taskbar hidden above would otherwise stay hidden after the end.
    RestoreTaskbar();
    ReleaseLoadedSettings();
    return nullptr;
  }
  platform::SetRunningCopyWindow(window);
  if (deviceOptions.fullScreen != 0) CoverTaskbarStrip(window);
  platform::ShowWindow(window, showCommand);
  platform::UpdateWindow(window);
  if (appState.fontSettings.faceName[0] == 0) AskForFirstFont(window);
  return window;
}

int EntryRoutine(int showCommand) {
  ResetAppState();
  screen::taskbarWindow = nullptr;
  taskbar_was_visible = false;
  settings::ReadDeviceOptions();
  if (deviceOptions.fullScreen != 0) screen::taskbarWindow = platform::FindTaskbarWindow();
  if (screen::taskbarWindow != nullptr)
    taskbar_was_visible = platform::IsWindowVisible(screen::taskbarWindow);
  if (StartInstance(showCommand) == nullptr) return kNoWindowExitCode;
  platform::LoadAccelerators(resources::kAcceleratorTable);
  const int exitCode = platform::RunMessageLoop();
  RestoreTaskbar();
  return exitCode;
}

}  // namespace velmora::shell
