// The platform side of the resource lookup.
#pragma once

#include <optional>
#include <span>

#include "platform/resources.h"

namespace velmora::platform {

// With a table, FindResource looks only there (a test book); without, it
// looks in the compiled-in resources again.
void SetResourceOverride(std::optional<std::span<const ResourceEntry>> table);

}  // namespace velmora::platform
