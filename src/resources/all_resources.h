// Every compiled-in resource table, in lookup order.
#pragma once

#include <array>
#include <span>

#include "platform/resources.h"

namespace velmora::resources {

std::array<std::span<const platform::ResourceEntry>, 2> AllResourceTables();

}  // namespace velmora::resources
