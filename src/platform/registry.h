// The settings store: typed values per key path and value name, kept between
// runs. Key paths (relative to the current user's root) and value names are
// compared without regard to case; the first spelling stored is kept. Every
// call opens the store for that one access; nothing is cached between calls,
// so values that another copy of the program wrote meanwhile are seen and
// kept. The store is the file $VELMORA_REGISTRY, else
// $XDG_CONFIG_HOME/Quorvane/velmora.reg (~/.config when unset), looked up at
// every call. A file that cannot be read or parsed reads as empty (reported
// once on standard error) and is moved aside to "<file>.damaged[.N]" before
// the first write over it, never overwritten.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// Value types, numbered as the registry numbers them.
inline constexpr std::uint32_t kRegSz = 1;      // UTF-16LE text, terminator included
inline constexpr std::uint32_t kRegBinary = 3;  // bytes
inline constexpr std::uint32_t kRegDword = 4;   // 32-bit little-endian number

struct RegistryValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

// The file the store uses now, as named ($VELMORA_REGISTRY or the default);
// empty when no home folder can be found.
std::string RegistryFilePath();

// True when the key exists (it was written once and not removed).
bool RegistryKeyExists(std::string_view keyPath);

// The value `name` under `keyPath`, or nothing when the key or the value is
// absent or the store cannot be read.
std::optional<RegistryValue> RegistryRead(std::string_view keyPath, std::string_view name);

// Stores `data` as value `name` of `type` under `keyPath`, creating the key.
// The whole store is replaced atomically; returns false when it could not be
// written (the store is then as it was) or when the path or name holds a
// line break, a NUL or bytes that are not UTF-8.
bool RegistryWrite(std::string_view keyPath, std::string_view name, std::uint32_t type,
                   std::span<const std::uint8_t> data);

// When the store's file cannot be read or parsed, moves it aside now, as the
// first write over it would, and returns the name of the kept copy. Nothing
// when the file reads (or is absent), or when it could not be moved aside.
std::optional<std::string> KeepDamagedRegistryAside();

}  // namespace velmora::platform
