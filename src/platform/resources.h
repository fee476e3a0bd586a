// The program's own resources, addressed by type and number: the book
// records, and the menus, strings, dialog templates and bitmaps of the
// user interface. They are compiled into the program and live as long as it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace velmora::platform {

// Resource types, numbered as the program's resource section numbers them.
enum class ResourceType : std::uint16_t {
  kBitmap = 2,
  kMenu = 4,
  kDialog = 5,
  kString = 6,
  kAccelerators = 9,
  kRawData = 10,
  kIcon = 14,
};

// One compiled-in resource.
struct ResourceEntry {
  ResourceType type;
  std::uint16_t id;
  const std::uint8_t* data;
  std::uint32_t size;
};

// The bytes of resource `id` of `type`, or nothing when the program has no
// such resource. The span stays valid for the life of the process.
std::optional<std::span<const std::uint8_t>> FindResource(ResourceType type,
                                                          std::uint16_t id);

}  // namespace velmora::platform
