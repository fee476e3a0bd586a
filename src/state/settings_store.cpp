#include "state/settings_store.h"

#include <cstring>
#include <optional>
#include <vector>

#include "platform/registry.h"
#include "state/alloc_or_abort.h"
#include "state/settings_names.h"

namespace velmora::settings {
namespace {

constexpr std::uint32_t kDwordBytes = 4;
constexpr std::uint32_t kDecimalBase = 10;
constexpr std::uint32_t kDigitZero = 0x30;

// The stored bytes of a ProgramKey value in a fresh AllocOrAbort block.
platform::HeapBuffer CopyToBlock(const std::optional<platform::RegistryValue>& value) {
  platform::HeapBuffer buffer;
  if (!value) return buffer;
  auto size = static_cast<std::uint32_t>(value->data.size());
  buffer.data.reset(static_cast<std::uint8_t*>(AllocOrAbort(size)));
  if (!buffer) return buffer;
  if (size > 0) std::memcpy(buffer.get(), value->data.data(), size);
  buffer.size = size;
  return buffer;
}

bool Write(std::string_view name, std::uint32_t type, const std::uint8_t* bytes,
           std::uint32_t count) {
  return platform::RegistryWrite(ProgramKey, name, type,
                                 std::span<const std::uint8_t>(bytes, count));
}

}  // namespace

std::int32_t ReadDwordValue(std::string_view keyPath, std::string_view name,
                            std::int32_t defaultValue) {
  std::optional<platform::RegistryValue> value = platform::RegistryRead(keyPath, name);
  if (!value) return defaultValue;
  if (value->type == platform::kRegDword) {
    // A stored word longer than 4 bytes does not fit the local word: the read
    // fails. A shorter one fills its low bytes.
    if (value->data.size() > kDwordBytes) return defaultValue;
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < value->data.size(); ++i) {
      word |= static_cast<std::uint32_t>(value->data[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(word);
  }
  platform::HeapBuffer block = CopyToBlock(value);
  if (!block) return defaultValue;
  // Text: decimal digits taken unit by unit, without checking that they are
  // digits, in 32-bit arithmetic that wraps.
  std::uint32_t result = 0;
  for (std::uint32_t i = 0; i + 1 < block.size; i += 2) {
    std::uint32_t unit = block.get()[i] | (block.get()[i + 1] << 8);
    if (unit == 0) break;
    result = result * kDecimalBase + (unit - kDigitZero);
  }
  return static_cast<std::int32_t>(result);
}

platform::HeapBuffer ReadStringValue(std::string_view name) {
  return CopyToBlock(platform::RegistryRead(ProgramKey, name));
}

platform::HeapBuffer ReadBinaryValue(std::string_view name) {
  return CopyToBlock(platform::RegistryRead(ProgramKey, name));
}

platform::HeapBuffer ReadSizedBinaryValue(std::string_view name, platform::HeapBuffer fallback,
                                          std::uint32_t* countOut) {
  platform::HeapBuffer block = ReadBinaryValue(name);
  if (countOut != nullptr) *countOut = block.size;
  return block ? std::move(block) : std::move(fallback);
}

void ReadByteStringValue(std::string_view name, std::uint8_t* buffer, std::uint32_t capacity) {
  if (capacity == 0) return;
  platform::HeapBuffer block = ReadBinaryValue(name);
  if (!block || block.size == 0 || block.get()[0] == 0) return;
  std::uint32_t n = 0;
  while (n < block.size && n < capacity - 1 && block.get()[n] != 0) {
    buffer[n] = block.get()[n];
    ++n;
  }
  buffer[n] = 0;
}

bool WriteDwordValue(std::string_view name, std::uint32_t value) {
  const std::uint8_t bytes[kDwordBytes] = {
      static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  return Write(name, platform::kRegDword, bytes, kDwordBytes);
}

bool WriteStringValue(std::string_view name, const char16_t* text) {
  if (text == nullptr) return false;
  std::vector<std::uint8_t> bytes;
  const char16_t* unit = text;
  do {
    bytes.push_back(static_cast<std::uint8_t>(*unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(*unit >> 8));
  } while (*unit++ != 0);
  return Write(name, platform::kRegSz, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

bool WriteByteStringValue(std::string_view name, const std::uint8_t* text) {
  if (text == nullptr) return false;
  std::uint32_t length = 0;
  while (text[length] != 0) ++length;
  return Write(name, platform::kRegBinary, text, length + 1);
}

bool WriteBinaryValue(std::string_view name, const void* bytes, std::uint32_t count) {
  if (bytes == nullptr && count > 0) return false;
  return Write(name, platform::kRegBinary, static_cast<const std::uint8_t*>(bytes), count);
}

}  // namespace velmora::settings
