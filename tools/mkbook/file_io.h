// Whole-file reads and writes for the book compiler, failures as messages.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// The bytes of `path`; the message names the file on failure.
Result<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);

// Replaces `path` with `bytes`; the message names the file on failure.
Status WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace velmora::mkbook
