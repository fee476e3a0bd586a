// The active accelerator table: keys that become commands before the window
// sees them.
#include <span>

#include "platform/common/control_rules.h"
#include "platform/menu.h"
#include "platform/qt/window_objects.h"
#include "platform/resources.h"

namespace velmora::platform {
namespace {

std::span<const Accelerator> active_table;

}  // namespace

bool LoadAccelerators(std::uint16_t tableId) {
  const std::span<const Accelerator> table = platform::FindAcceleratorTable(tableId);
  if (table.empty()) return false;
  active_table = table;
  return true;
}

bool TranslateAccelerator(Window* window, std::uint32_t virtualKey, std::uint8_t modifiers) {
  const Accelerator* entry = rules::FindAccelerator(active_table, virtualKey, modifiers);
  if (entry == nullptr) return false;
  Deliver(window, WM_COMMAND, MakeWParam(entry->command, kAcceleratorNotification), 0);
  return true;
}

}  // namespace velmora::platform
