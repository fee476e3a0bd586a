#include "platform/headless/headless.h"
#include "platform/resources.h"

namespace velmora::platform::headless {

void InstallResources(std::span<const ResourceEntry> entries) { SetResourceOverride(entries); }

void RestoreResources() { SetResourceOverride(std::nullopt); }

}  // namespace velmora::platform::headless
