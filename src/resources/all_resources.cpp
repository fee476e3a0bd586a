#include "resources/all_resources.h"

#include "resources/book_data.h"
#include "resources/ui_resources.h"

namespace velmora::resources {

std::array<std::span<const platform::ResourceEntry>, 2> AllResourceTables() {
  return {BookResources(), ImageResources()};
}

}  // namespace velmora::resources
