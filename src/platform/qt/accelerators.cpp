// The active accelerator table: keys that become commands before the window
// sees them.
#include <span>

#include "platform/menu.h"
#include "platform/qt/window_objects.h"
#include "platform/resources.h"

namespace velmora::platform {
namespace {

// Sent as the notification code of WM_COMMAND for an accelerator.
constexpr std::uint16_t kFromAccelerator = 1;

std::span<const Accelerator> active_table;

}  // namespace

bool LoadAccelerators(std::uint16_t tableId) {
  const std::span<const Accelerator> table = platform::FindAcceleratorTable(tableId);
  if (table.empty()) return false;
  active_table = table;
  return true;
}

bool TranslateAccelerator(Window* window, std::uint32_t virtualKey, std::uint8_t modifiers) {
  for (const Accelerator& entry : active_table) {
    if (entry.virtualKey == virtualKey && entry.modifiers == modifiers) {
      Deliver(window, WM_COMMAND, MakeWParam(entry.command, kFromAccelerator), 0);
      return true;
    }
  }
  return false;
}

}  // namespace velmora::platform
