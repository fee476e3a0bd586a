#include "state/screen.h"

#include "platform/shell.h"
#include "platform/window.h"
#include "state/app_state.h"

namespace velmora::screen {

platform::WindowHandle taskbarWindow = nullptr;

void InitDialogScreen(platform::WindowHandle dialog, std::uint32_t flags) {
  if (deviceOptions.fullScreen == 0) flags |= platform::SHIDIF_DONEBUTTON;
  platform::ShellInitDialog(dialog, flags);
  if (deviceOptions.fullScreen == 0) return;
  const platform::Rect rect = platform::GetWindowRect(dialog);
  platform::MoveWindow(dialog, rect.left, 0, rect.right - rect.left, rect.bottom, false);
}

void HideTaskbarOnActivation(platform::WParam activation) {
  if (platform::LowWord(activation) == platform::WA_ACTIVE && taskbarWindow != nullptr) {
    platform::ShowWindow(taskbarWindow, platform::SW_HIDE);
  }
}

}  // namespace velmora::screen
