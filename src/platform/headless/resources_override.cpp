#include "platform/common/resource_tables.h"
#include "platform/headless/headless.h"

namespace velmora::platform::headless {

void InstallResources(std::span<const ResourceEntry> entries) {
  SetResourceOverride(entries);
}

void RestoreResources() { SetResourceOverride(std::nullopt); }

}  // namespace velmora::platform::headless
