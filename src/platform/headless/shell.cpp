// The shell, recorded: every call in order, a taskbar window only when a test
// simulates one, and a settable platform version.
#include "platform/shell.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/window_objects.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr PlatformVersion kStartVersion{3, 0};

std::vector<headless::ShellCall> calls;
Window* taskbar = nullptr;
PlatformVersion version = kStartVersion;

void Record(headless::ShellCallKind kind, WindowHandle window, std::uint32_t flags) {
  calls.push_back({kind, window, flags, 0, 0, {}});
}

}  // namespace

void ShellFullScreen(WindowHandle window, std::uint32_t flags) {
  Record(headless::ShellCallKind::kFullScreen, window, flags);
}

void ShellSipPreference(WindowHandle window, std::uint32_t preference) {
  Record(headless::ShellCallKind::kSipPreference, window, preference);
}

void ShowInputPanel(std::uint32_t flags) {
  Record(headless::ShellCallKind::kShowInputPanel, nullptr, flags);
}

WindowHandle FindTaskbarWindow() {
  Record(headless::ShellCallKind::kFindTaskbar, nullptr, 0);
  return headless::IsLive(taskbar) ? taskbar : nullptr;
}

// A dialog sized to the screen covers its owner's client area; without an
// owner it keeps its size.
void ShellInitDialog(WindowHandle dialog, std::uint32_t flags) {
  Record(headless::ShellCallKind::kInitDialog, dialog, flags);
  if (!headless::IsLive(dialog) || (flags & SHIDIF_SIZEDLGFULLSCREEN) == 0) return;
  Window* owner = dialog->parent;
  if (headless::IsLive(owner)) {
    const Rect origin = GetWindowRect(owner);
    headless::PlaceWindow(dialog, {origin.left, origin.top, origin.left + owner->client.width,
                                   origin.top + owner->client.height});
  }
}

void ShellHandleSettingChange(WindowHandle window, std::uintptr_t wParam, std::intptr_t lParam) {
  calls.push_back({headless::ShellCallKind::kSettingChange, window, 0, wParam, lParam, {}});
}

void OpenWebAddress(WindowHandle owner, std::u16string_view address) {
  calls.push_back(
      {headless::ShellCallKind::kOpenWebAddress, owner, 0, 0, 0, std::u16string(address)});
}

PlatformVersion GetPlatformVersion() { return version; }

namespace headless {

void RecordTaskbarShow(Window* window, int command) {
  Record(ShellCallKind::kShowTaskbar, window, static_cast<std::uint32_t>(command));
}

const std::vector<ShellCall>& ShellCalls() { return calls; }

WindowHandle SimulateTaskbar(bool visible) {
  if (!IsLive(taskbar)) taskbar = NewWindow(WindowKind::kTaskbar, nullptr, {}, {});
  taskbar->visible = visible;
  return taskbar;
}

void SetPlatformVersion(PlatformVersion answer) { version = answer; }

void ResetShell() {
  calls.clear();
  taskbar = nullptr;
  version = kStartVersion;
}

}  // namespace headless
}  // namespace velmora::platform
