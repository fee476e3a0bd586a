// The program's own resources, addressed by type and number: the book
// records, and the menus, strings, dialog templates and bitmaps of the
// user interface. They are compiled into the program and live as long as it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/dialog.h"
#include "platform/menu.h"

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
// The program's resource section is a library of its own (src/resources),
// linked into every program beside a platform realisation; it defines the
// lookups below.
std::optional<std::span<const std::uint8_t>> FindResource(ResourceType type, std::uint16_t id);

// The user interface's resources as typed data. Each returns nullptr (or
// empty) when the program has no such resource.
const MenuTemplate* FindMenuTemplate(std::uint16_t id);
const MenuBarTemplate* FindMenuBarTemplate(std::uint16_t id);
std::u16string_view FindStringResource(std::uint16_t id);
std::span<const Accelerator> FindAcceleratorTable(std::uint16_t id);
const DialogTemplate* FindDialogTemplate(std::uint16_t id);

// With a table, FindResource looks only there (a test book); without, it
// looks in the compiled-in resources again.
void SetResourceOverride(std::optional<std::span<const ResourceEntry>> table);

}  // namespace velmora::platform
