#include "tools/mkbook/file_io.h"

#include <fstream>
#include <utility>

namespace velmora::mkbook {

Result<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path) {
  using Bytes = std::vector<std::uint8_t>;
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return Failure<Bytes>(path.string() + ": cannot open for reading");
  const std::streamoff size = file.tellg();
  if (size < 0) return Failure<Bytes>(path.string() + ": cannot tell the size");
  Bytes bytes(static_cast<std::size_t>(size));
  file.seekg(0);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (!file) return Failure<Bytes>(path.string() + ": read error");
  return {std::move(bytes), {}};
}

Status WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return {path.string() + ": cannot open for writing"};
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) return {path.string() + ": write error"};
  return {};
}

}  // namespace velmora::mkbook
