#include "resources/all_resources.h"

#include "resources/book_data.h"

namespace velmora::resources {

std::array<std::span<const platform::ResourceEntry>, 1> AllResourceTables() {
  return {BookResources()};
}

}  // namespace velmora::resources
