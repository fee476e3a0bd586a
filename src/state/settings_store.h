// Typed reads and writes of single values. Each operation opens its key for
// the one access and closes it again. Reads fall back to their default (or
// nothing) on any failure; writes return whether they succeeded, and no
// caller acts on that. The blocks that reads return or use come from
// AllocOrAbort: when the heap is dry the failure is reported there and the
// read gives its default or nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/memory.h"

namespace velmora::settings {

// A 32-bit number under `keyPath`. A value stored as text is read as decimal
// digits, unit by unit (unit - '0', digits or not, wrapping in 32 bits), up
// to its first zero unit or its end. A REG_DWORD of fewer than 4 bytes fills
// the low bytes; one of more than 4 cannot be read (default).
std::int32_t ReadDwordValue(std::string_view keyPath, std::string_view name,
                            std::int32_t defaultValue);

// A text value of ProgramKey as UTF-16 units (the stored units, no terminator
// added); nothing when absent. Size in bytes.
platform::HeapBuffer ReadStringValue(std::string_view name);

// The stored bytes of a ProgramKey value, exactly; nothing when absent.
platform::HeapBuffer ReadBinaryValue(std::string_view name);

// As ReadBinaryValue; stores the byte count in *countOut (when given; 0 when
// nothing was read) and returns `fallback` (usually empty) instead of nothing.
platform::HeapBuffer ReadSizedBinaryValue(std::string_view name, platform::HeapBuffer fallback,
                                          std::uint32_t* countOut);

// Copies a zero-terminated byte string of at most capacity - 1 bytes into
// `buffer`; leaves it untouched when the value is absent, empty or starts
// with 0, or when `capacity` is 0.
void ReadByteStringValue(std::string_view name, std::uint8_t* buffer, std::uint32_t capacity);

bool WriteDwordValue(std::string_view name, std::uint32_t value);
// Stores the units up to the terminator, and the terminator.
bool WriteStringValue(std::string_view name, const char16_t* text);
// Stores the bytes up to the zero byte, and the zero byte.
bool WriteByteStringValue(std::string_view name, const std::uint8_t* text);
// Stores exactly `count` bytes (none: an empty value).
bool WriteBinaryValue(std::string_view name, const void* bytes, std::uint32_t count);

}  // namespace velmora::settings
