// Window classes, the making and ending of top-level windows, and the
// sending of messages.
#include <algorithm>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/window_objects.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr Size kStartClientSize{240, 320};

std::vector<headless::ClassRecord> classes;
Size default_client = kStartClientSize;
std::int32_t default_x = 0;
std::int32_t default_y = 0;
bool fail_creation = false;

const headless::ClassRecord* FindClass(std::u16string_view name) {
  auto found = std::find_if(classes.begin(), classes.end(),
                            [name](const headless::ClassRecord& c) { return c.name == name; });
  return found == classes.end() ? nullptr : &*found;
}

// The place a creation asks for, CW_USEDEFAULT taking the defaults; the
// default width makes room for the scroll bar beside the default client.
Rect PlaceFor(const WindowCreation& creation, std::int32_t scrollBarWidth) {
  const std::int32_t x = creation.x == CW_USEDEFAULT ? default_x : creation.x;
  const std::int32_t y = creation.y == CW_USEDEFAULT ? default_y : creation.y;
  const std::int32_t width =
      creation.width == CW_USEDEFAULT ? default_client.width + scrollBarWidth : creation.width;
  const std::int32_t height =
      creation.height == CW_USEDEFAULT ? default_client.height : creation.height;
  return {x, y, x + width, y + height};
}

}  // namespace

bool RegisterWindowClass(const WindowClass& windowClass) {
  if (windowClass.procedure == nullptr || FindClass(windowClass.name) != nullptr) {
    return false;
  }
  classes.push_back({std::u16string(windowClass.name), windowClass.procedure, windowClass.style,
                     windowClass.iconId});
  return true;
}

WindowHandle CreateTopLevelWindow(const WindowCreation& creation) {
  const headless::ClassRecord* windowClass = FindClass(creation.className);
  if (fail_creation || windowClass == nullptr) return nullptr;
  const std::int32_t scrollBarWidth =
      (creation.style & WS_VSCROLL) != 0 ? GetSystemMetric(SM_CXVSCROLL) : 0;
  const Rect place = PlaceFor(creation, scrollBarWidth);
  Window* window = headless::NewWindow(
      headless::WindowKind::kTopLevel, nullptr, place,
      {std::max(0, place.right - place.left - scrollBarWidth), place.bottom - place.top});
  window->className = windowClass->name;
  window->text = std::u16string(creation.title);
  window->style = creation.style;
  window->exStyle = creation.exStyle;
  window->procedure = windowClass->procedure;
  window->classStyle = windowClass->style;
  window->visible = (creation.style & WS_VISIBLE) != 0;
  InvalidateRect(window, nullptr, true);

  if (headless::Deliver(window, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  headless::SendSizeIfChanged(window);
  return headless::IsLive(window) ? window : nullptr;
}

void DestroyWindow(WindowHandle window) {
  if (!headless::IsLive(window) || window->destroying) return;
  window->destroying = true;
  headless::Deliver(window, WM_DESTROY, 0, 0);
  headless::KillWindow(window);
}

LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam, LParam) {
  if (message == WM_CLOSE) DestroyWindow(window);
  return 0;
}

LResult SendMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  return headless::Deliver(window, message, wParam, lParam);
}

namespace headless {

LResult Deliver(Window* window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (!IsLive(window)) return 0;
  if (window->procedure != nullptr) return window->procedure(window, message, wParam, lParam);
  if (window->dialogProcedure != nullptr) {
    return window->dialogProcedure(window, message, wParam, lParam);
  }
  return 0;
}

void SetDefaultClientSize(std::int32_t width, std::int32_t height) {
  default_client = {width, height};
}

void SetDefaultWindowOrigin(std::int32_t x, std::int32_t y) {
  default_x = x;
  default_y = y;
}

void FailWindowCreation(bool fail) { fail_creation = fail; }

const std::vector<ClassRecord>& RegisteredClasses() { return classes; }

void ResetTopLevel() {
  classes.clear();
  default_client = kStartClientSize;
  default_x = 0;
  default_y = 0;
  fail_creation = false;
}

}  // namespace headless
}  // namespace velmora::platform
