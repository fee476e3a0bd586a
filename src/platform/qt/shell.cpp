// The shell on the desktop: full screen is the window's full-screen state;
// there is no taskbar window and no input panel; web addresses go to the
// desktop's browser.
#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/window_objects.h"
#include "platform/shell.h"

namespace velmora::platform {
namespace {

constexpr PlatformVersion kDesktopVersion{3, 0};

}  // namespace

void ShellFullScreen(WindowHandle window, std::uint32_t flags) {
  if (!IsLive(window) || window->kind != WindowKind::kTopLevel) return;
  QWidget* frame = window->widget;
  if ((flags & SHFS_HIDETASKBAR) != 0) {
    if (!frame->isFullScreen()) frame->showFullScreen();
  } else if ((flags & SHFS_SHOWTASKBAR) != 0 && frame->isFullScreen()) {
    frame->showNormal();
  }
}

WindowHandle FindTaskbarWindow() { return nullptr; }

void ShellSipPreference(WindowHandle, std::uint32_t) {}

void ShowInputPanel(std::uint32_t) {}

// A dialog sized to the screen covers its owner's window, and can be resized
// with it; a Done button is the dialog's OK button row.
void ShellInitDialog(WindowHandle dialog, std::uint32_t flags) {
  if (!IsLive(dialog) || dialog->kind != WindowKind::kDialog) return;
  if ((flags & SHIDIF_DONEBUTTON) != 0) EnsureOkRow(dialog);
  if ((flags & (SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN)) == 0 || !IsLive(dialog->parent)) return;
  dialog->dialog->sizedByShell = true;
  dialog->widget->setGeometry(dialog->parent->widget->geometry());
  PlaceFrameChildren(dialog);
}

void ShellHandleSettingChange(WindowHandle, std::uintptr_t, std::intptr_t) {}

void OpenWebAddress(WindowHandle, std::u16string_view address) {
  QDesktopServices::openUrl(QUrl(ToQString(address)));
}

PlatformVersion GetPlatformVersion() { return kDesktopVersion; }

}  // namespace velmora::platform
