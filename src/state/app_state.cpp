#include "state/app_state.h"

#include "state/alloc_or_abort.h"
#include "state/settings.h"

namespace velmora {

AppState appState;
DeviceOptions deviceOptions;

void ResetAppState() {
  appState = AppState{};
  deviceOptions = DeviceOptions{};
  settings::ResetSettingsLifecycle();
  settings::SetOutOfMemoryHandler(nullptr);
}

}  // namespace velmora
