// Where the headless platform finds dialog, menu and menu-bar templates and
// accelerator tables: templates installed by a test first, then the
// program's own.
#include <map>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/resources.h"

namespace velmora::platform {
namespace {

std::map<std::uint16_t, const DialogTemplate*> dialogs;
std::map<std::uint16_t, const MenuTemplate*> menus;
std::map<std::uint16_t, const MenuBarTemplate*> menu_bars;
std::map<std::uint16_t, std::span<const Accelerator>> accelerators;

template <typename Found, typename Lookup>
Found Installed(const std::map<std::uint16_t, Found>& installed, std::uint16_t id,
                Lookup programs) {
  auto found = installed.find(id);
  return found != installed.end() ? found->second : programs(id);
}

}  // namespace

namespace headless {

const DialogTemplate* FindDialog(std::uint16_t id) {
  return Installed(dialogs, id, platform::FindDialogTemplate);
}

const MenuTemplate* FindMenu(std::uint16_t id) {
  return Installed(menus, id, platform::FindMenuTemplate);
}

const MenuBarTemplate* FindMenuBar(std::uint16_t id) {
  return Installed(menu_bars, id, platform::FindMenuBarTemplate);
}

std::span<const Accelerator> FindAccelerators(std::uint16_t id) {
  return Installed(accelerators, id, platform::FindAcceleratorTable);
}

void InstallDialogTemplate(std::uint16_t id, const DialogTemplate* dialogTemplate) {
  dialogs[id] = dialogTemplate;
}

void InstallMenuTemplate(std::uint16_t id, const MenuTemplate* menu) { menus[id] = menu; }

void InstallMenuBarTemplate(std::uint16_t id, const MenuBarTemplate* menuBar) {
  menu_bars[id] = menuBar;
}

void InstallAcceleratorTable(std::uint16_t id, std::span<const Accelerator> table) {
  accelerators[id] = table;
}

void ResetUiTemplates() {
  dialogs.clear();
  menus.clear();
  menu_bars.clear();
  accelerators.clear();
}

}  // namespace headless
}  // namespace velmora::platform
