// A book given as ready-made records: a folder of files named
// <resource id>.rec, each holding one record's resource bytes.
#pragma once

#include <filesystem>

#include "tools/mkbook/compiled_book.h"
#include "tools/mkbook/result.h"

namespace velmora::mkbook {

// Reads the records of `folder`: articles 1001.rec, 1002.rec, ... without a
// gap, and the index 32767.rec. Other files are ignored. Every record is
// decoded and must fill its decompressed size exactly with no compressed
// byte left over; its bytes are taken unchanged. Errors name the file.
Result<CompiledBook> ReadRecordsFolder(const std::filesystem::path& folder);

}  // namespace velmora::mkbook
