// Building and inspecting stored values in the tests of the settings store.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/common/registry_format.h"
#include "platform/registry.h"
#include "tests/support/test_environment.h"

namespace velmora::platform {

inline bool operator==(const RegistryValue& a, const RegistryValue& b) {
  return a.type == b.type && a.data == b.data;
}

inline void PrintTo(const RegistryValue& value, std::ostream* out) {
  *out << "type " << value.type << ", bytes";
  for (std::uint8_t b : value.data) *out << ' ' << static_cast<int>(b);
}

}  // namespace velmora::platform

namespace velmora::test {

using Bytes = std::vector<std::uint8_t>;
using StoredKey = std::map<std::string, platform::RegistryValue>;

inline Bytes Dword(std::uint32_t n) {
  return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
          static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
}

// UTF-16LE units, then a terminator unless `terminated` is false.
inline Bytes Utf16(std::u16string_view text, bool terminated = true) {
  Bytes out;
  for (char16_t unit : text) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  if (terminated) out.insert(out.end(), {0, 0});
  return out;
}

inline Bytes Bytes8(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline platform::RegistryValue DwordValue(std::uint32_t n) {
  return {platform::kRegDword, Dword(n)};
}

inline void Store(std::string_view key, std::string_view name, std::uint32_t type,
                  const Bytes& data) {
  platform::RegistryWrite(key, name, type, data);
}

// Every value of `key` in the test's settings file, by name.
inline StoredKey ReadStoredKey(std::string_view key) {
  std::ifstream in(RegistryFile(), std::ios::binary);
  Bytes bytes{std::istreambuf_iterator<char>(in), {}};
  StoredKey values;
  std::optional<platform::RegistryModel> model = platform::ParseRegistryFile(bytes).model;
  if (!model) return values;
  std::string path = std::string(platform::kCurrentUserRoot) + "\\" + std::string(key);
  if (platform::RegistryKey* found = platform::FindRegistryKey(*model, path)) {
    for (const platform::RegistryEntry& entry : found->values) values[entry.name] = entry.value;
  }
  return values;
}

}  // namespace velmora::test
