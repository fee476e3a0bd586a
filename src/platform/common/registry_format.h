// The settings file: the text format registry editors export, parsed into
// keys and typed values, and written back. Pure functions over bytes, so that
// a fuzz target can drive them.
//
// Accepted input:
//   - UTF-16LE with a byte-order mark, first line
//     "Windows Registry Editor Version 5.00";
//   - UTF-8, with or without a byte-order mark, under the same first line;
//   - 8-bit text under the first line "REGEDIT4", each byte taken as the
//     character of that number (Latin-1).
// Then, line by line: blank lines, comments (';'), key lines "[path]", and
// value lines name=data, where name is "text" or @ (the unnamed value) and
// data is "text" (REG_SZ), dword:1-8 hex digits, hex:bytes (REG_BINARY) or
// hex(N):bytes (type N, in hex). Byte lists are comma separated and may go on
// over following lines when a line ends with a backslash. Inside quotes only
// \\ and \" are escapes. Anything else is an error with its line number.
// Deletion entries ("[-key]", "name"=-) belong to import files, not to a
// store, and are errors too.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace velmora::platform {

inline constexpr std::string_view kRegistryHeader5 = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view kRegistryHeader4 = "REGEDIT4";
// The root that the store's key paths are relative to.
inline constexpr std::string_view kCurrentUserRoot = "HKEY_CURRENT_USER";

struct RegistryEntry {
  std::string name;  // UTF-8, as stored; empty for the unnamed value
  RegistryValue value;
};

struct RegistryKey {
  std::string path;  // UTF-8, full path from the root, as stored
  std::vector<RegistryEntry> values;
};

// The keys in file order, each key once (sections of one key, whatever their
// case, are merged; a value given twice keeps the last data).
struct RegistryModel {
  std::vector<RegistryKey> keys;
};

struct RegistryParseResult {
  std::optional<RegistryModel> model;  // nothing when the bytes are damaged
  int errorLine = 0;                   // 1-based line of the first error
  std::string error;                   // what was wrong there
};

// Parses a whole settings file; an empty one holds no keys. Never reads
// outside `bytes`.
RegistryParseResult ParseRegistryFile(std::span<const std::uint8_t> bytes);

// Writes `model` as UTF-8 under the 5.00 first line. Text values that are
// plain one-line UTF-16 with one terminator are written quoted, other text
// data as hex(1); a 4-byte REG_DWORD as dword, other sizes as hex(4).
std::string SerializeRegistryFile(const RegistryModel& model);

// True when `text` can stand as a key path or value name in the file: valid
// UTF-8 without line breaks or NUL.
bool IsStorableRegistryName(std::string_view text);

// Key paths and value names are compared without regard to ASCII case.
bool SameRegistryName(std::string_view a, std::string_view b);

// The key `path` (full, from the root), or nullptr.
RegistryKey* FindRegistryKey(RegistryModel& model, std::string_view path);
// The value `name` of `key`, or nullptr.
RegistryEntry* FindRegistryEntry(RegistryKey& key, std::string_view name);

// Sets value `name` of key `path` to `value`, adding the key or the value
// at the end when absent and keeping the stored spelling when present.
void SetRegistryValue(RegistryModel& model, std::string_view path, std::string_view name,
                      RegistryValue value);

}  // namespace velmora::platform
