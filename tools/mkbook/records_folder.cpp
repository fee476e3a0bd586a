#include "tools/mkbook/records_folder.h"

#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "book/book_format.h"
#include "tools/mkbook/book_limits.h"
#include "tools/mkbook/file_io.h"
#include "tools/mkbook/record_check.h"

namespace velmora::mkbook {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRecordExtension = ".rec";
constexpr std::uint32_t kFirstArticleId = book::kRecordIdBase + 1;
constexpr std::uint32_t kLastArticleId = book::kRecordIdBase + book::kIdNumber;
constexpr std::size_t kMaxIdDigits = 5;

// The id a file stem names: plain decimal digits, no leading zero, so that
// no two files can name the same record.
std::optional<std::uint32_t> ParseResourceId(const std::string& stem) {
  if (stem.empty() || stem.size() > kMaxIdDigits || stem.front() == '0') {
    return std::nullopt;
  }
  std::uint32_t id = 0;
  for (char c : stem) {
    if (c < '0' || c > '9') return std::nullopt;
    id = id * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return id;
}

bool IsBookId(std::uint32_t id) {
  return id == book::kIndexResourceId || (id >= kFirstArticleId && id <= kLastArticleId);
}

// The record files of `folder` by resource id.
Result<std::map<std::uint32_t, fs::path>> ListRecordFiles(const fs::path& folder) {
  using Files = std::map<std::uint32_t, fs::path>;
  Files files;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const fs::path& path = it->path();
    if (path.extension() != kRecordExtension || !it->is_regular_file(error)) continue;
    const std::optional<std::uint32_t> id = ParseResourceId(path.stem().string());
    if (!id) {
      return Failure<Files>(path.string() + ": not named after a resource id (like 1001.rec)");
    }
    if (!IsBookId(*id)) {
      return Failure<Files>(path.string() + ": resource id " + std::to_string(*id) +
                            " is neither an article record (" + std::to_string(kFirstArticleId) +
                            " to " + std::to_string(kLastArticleId) + ") nor the index (" +
                            std::to_string(book::kIndexResourceId) + ")");
    }
    files.emplace(*id, path);
  }
  if (error) {
    return Failure<Files>(folder.string() + ": cannot read the folder: " + error.message());
  }
  return {std::move(files), {}};
}

Result<CompiledRecord> ReadRecord(const fs::path& path, std::uint32_t id) {
  Result<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes.ok()) return Failure<CompiledRecord>(bytes.error);
  const Result<std::vector<std::uint8_t>> content = DecodeBookRecord(bytes.value);
  if (!content.ok()) return Failure<CompiledRecord>(path.string() + ": " + content.error);
  return {{static_cast<std::uint16_t>(id), std::move(bytes.value),
           static_cast<std::uint32_t>(content.value.size())},
          {}};
}

}  // namespace

Result<CompiledBook> ReadRecordsFolder(const fs::path& folder) {
  Result<std::map<std::uint32_t, fs::path>> files = ListRecordFiles(folder);
  if (!files.ok()) return Failure<CompiledBook>(files.error);
  const auto index = files.value.find(book::kIndexResourceId);
  if (index == files.value.end()) {
    return Failure<CompiledBook>(folder.string() + ": " + std::to_string(book::kIndexResourceId) +
                                 ".rec, the index record, is missing");
  }
  const std::size_t articleCount = files.value.size() - 1;
  if (Status count = CheckArticleCount(articleCount); !count.ok()) {
    return Failure<CompiledBook>(folder.string() + ": " + count.error);
  }
  CompiledBook book;
  book.articleCount = static_cast<std::uint16_t>(articleCount);
  for (std::uint32_t id = kFirstArticleId; id < kFirstArticleId + articleCount; ++id) {
    const auto file = files.value.find(id);
    if (file == files.value.end()) {
      return Failure<CompiledBook>(folder.string() + ": " + std::to_string(id) +
                                   ".rec is missing: article records must run "
                                   "from " +
                                   std::to_string(kFirstArticleId) + ".rec without a gap");
    }
    Result<CompiledRecord> record = ReadRecord(file->second, id);
    if (!record.ok()) return Failure<CompiledBook>(record.error);
    book.records.push_back(std::move(record.value));
  }
  Result<CompiledRecord> record = ReadRecord(index->second, index->first);
  if (!record.ok()) return Failure<CompiledBook>(record.error);
  book.records.push_back(std::move(record.value));
  return {std::move(book), {}};
}

}  // namespace velmora::mkbook
