#include "platform/resources.h"

#include "resources/all_resources.h"

namespace velmora::platform {
namespace {

std::optional<std::span<const ResourceEntry>> override_table;

std::optional<std::span<const std::uint8_t>> FindIn(std::span<const ResourceEntry> table,
                                                    ResourceType type, std::uint16_t id) {
  for (const ResourceEntry& entry : table) {
    if (entry.type == type && entry.id == id) {
      return std::span<const std::uint8_t>(entry.data, entry.size);
    }
  }
  return std::nullopt;
}

}  // namespace

void SetResourceOverride(std::optional<std::span<const ResourceEntry>> table) {
  override_table = table;
}

std::optional<std::span<const std::uint8_t>> FindResource(ResourceType type, std::uint16_t id) {
  if (override_table) return FindIn(*override_table, type, id);
  for (std::span<const ResourceEntry> table : resources::AllResourceTables()) {
    if (auto found = FindIn(table, type, id)) return found;
  }
  return std::nullopt;
}

}  // namespace velmora::platform
