// The mkbook program on the default book, in both modes: records written by
// a different encoder and given back with --records must make the same book
// as the source does. Also the program's failure paths.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "tools/mkbook/file_io.h"
#include "tools/mkbook/record_check.h"

namespace velmora::mkbook {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct EmbeddedRecord {
  unsigned id = 0;
  Bytes bytes;
  Bytes content;
};

struct EmbeddedBook {
  unsigned articleCount = 0;
  std::vector<EmbeddedRecord> records;
};

std::string ReadText(const fs::path& path) {
  const Result<Bytes> bytes = ReadFileBytes(path);
  EXPECT_TRUE(bytes.ok()) << bytes.error;
  return std::string(bytes.value.begin(), bytes.value.end());
}

// Runs mkbook with `arguments`; its error output goes to `errors`.
int RunMkbook(const std::string& arguments, const fs::path& errors) {
  const std::string command = std::string("'") + VELMORA_TEST_MKBOOK + "' " + arguments +
                              " > /dev/null 2> '" + errors.string() + "'";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Reads what mkbook wrote to `out`: the table's entries must cover the blob
// one after another, and every record must decode.
EmbeddedBook ReadOutputs(const fs::path& out) {
  EmbeddedBook book;
  const std::string count = ReadText(out / "article_count.h");
  const std::string countKey = "ArticleCount = ";
  if (const std::size_t at = count.find(countKey); at != std::string::npos) {
    book.articleCount = static_cast<unsigned>(std::stoul(count.substr(at + countKey.size())));
  }
  const Result<Bytes> blob = ReadFileBytes(out / "book_blob.bin");
  const std::string table = ReadText(out / "book_resources.cpp");
  const std::string entryKey = "{ResourceType::kRawData, ";
  std::size_t next = 0;
  for (std::size_t at = table.find(entryKey); at != std::string::npos;
       at = table.find(entryKey, at + 1)) {
    unsigned id = 0;
    std::size_t offset = 0;
    std::size_t size = 0;
    if (std::sscanf(table.c_str() + at + entryKey.size(), "%u, velmora_book_blob + %zu, %zu}", &id,
                    &offset, &size) != 3 ||
        offset != next || offset + size > blob.value.size()) {
      ADD_FAILURE() << "table entry does not follow on in the blob: "
                    << table.substr(at, table.find('\n', at) - at);
      break;
    }
    EmbeddedRecord record;
    record.id = id;
    record.bytes.assign(blob.value.begin() + static_cast<std::ptrdiff_t>(offset),
                        blob.value.begin() + static_cast<std::ptrdiff_t>(offset + size));
    const Result<Bytes> content = DecodeBookRecord(record.bytes);
    EXPECT_TRUE(content.ok()) << record.id << ": " << content.error;
    record.content = content.value;
    book.records.push_back(std::move(record));
    next = offset + size;
  }
  EXPECT_EQ(next, blob.value.size());
  return book;
}

// A deliberately different encoder: literal runs only, eight bytes a token.
Bytes LiteralOnlyRecord(const Bytes& content, std::uint16_t first, std::uint16_t last) {
  Bytes tokens;
  for (std::size_t at = 0; at < content.size(); at += 8) {
    const std::size_t count = std::min<std::size_t>(8, content.size() - at);
    tokens.push_back(static_cast<std::uint8_t>(count));
    tokens.insert(tokens.end(), content.begin() + static_cast<std::ptrdiff_t>(at),
                  content.begin() + static_cast<std::ptrdiff_t>(at + count));
  }
  const std::size_t payload = 4 + tokens.size() + 4;
  EXPECT_LE(payload, 0xFFFFu);
  Bytes record;
  for (std::size_t value :
       {payload, std::size_t{first}, std::size_t{last}, tokens.size(), content.size()}) {
    record.push_back(static_cast<std::uint8_t>(value >> 8));
    record.push_back(static_cast<std::uint8_t>(value & 0xFF));
  }
  record.insert(record.end(), tokens.begin(), tokens.end());
  record.insert(record.end(), 4, 0);
  return record;
}

struct IndexCounts {
  unsigned headings = 0;
  unsigned articles = 0;
  bool articlesInOrder = true;
};

IndexCounts CountIndexEntries(const Bytes& index) {
  IndexCounts counts;
  std::size_t at = 0;
  while (at + 4 < index.size() && index[at + 2] != 0) {
    const unsigned id = index[at] | (index[at + 1] << 8);
    if (id & 0x8000) ++counts.headings;
    if (id & 0x4000) counts.articlesInOrder &= (id & 0x3FFF) == ++counts.articles;
    at += 4;
    while (at < index.size() && index[at] != 0) ++at;
    ++at;
  }
  return counts;
}

TEST(MkbookModes, ReadyMadeRecordsGiveTheSameBookAsTheSource) {
  test::TempFolder folder;
  const fs::path errors = folder.path() / "errors.txt";
  ASSERT_EQ(RunMkbook("--source " + Quoted(VELMORA_TEST_DEFAULT_BOOK) + " --out " +
                          Quoted(folder.path() / "from_source"),
                      errors),
            0)
      << ReadText(errors);
  const EmbeddedBook fromSource = ReadOutputs(folder.path() / "from_source");
  ASSERT_EQ(fromSource.articleCount, 929u);
  ASSERT_EQ(fromSource.records.size(), 930u);
  EXPECT_EQ(fromSource.records.back().id, 32767u);
  const IndexCounts index = CountIndexEntries(fromSource.records.back().content);
  EXPECT_EQ(index.headings, 39u);
  EXPECT_EQ(index.articles, 929u);
  EXPECT_TRUE(index.articlesInOrder);

  // The compressed book stays within 60 % of its content.
  std::size_t stored = 0;
  std::size_t content = 0;
  for (const EmbeddedRecord& record : fromSource.records) {
    stored += record.bytes.size();
    content += record.content.size();
  }
  EXPECT_LE(stored * 100, content * 60) << stored << " of " << content;

  const fs::path records = folder.path() / "records";
  fs::create_directories(records);
  std::vector<Bytes> written;
  for (const EmbeddedRecord& record : fromSource.records) {
    const bool isIndex = record.id == 32767;
    const auto number = static_cast<std::uint16_t>(record.id - 1000);
    written.push_back(
        LiteralOnlyRecord(record.content, isIndex ? 1 : number, isIndex ? 255 : number));
    ASSERT_TRUE(
        WriteFileBytes(records / (std::to_string(record.id) + ".rec"), written.back()).ok());
  }
  ASSERT_EQ(
      RunMkbook("--records " + Quoted(records) + " --out " + Quoted(folder.path() / "from_records"),
                errors),
      0)
      << ReadText(errors);
  const EmbeddedBook fromRecords = ReadOutputs(folder.path() / "from_records");
  EXPECT_EQ(fromRecords.articleCount, fromSource.articleCount);
  ASSERT_EQ(fromRecords.records.size(), fromSource.records.size());
  for (std::size_t i = 0; i < fromSource.records.size(); ++i) {
    SCOPED_TRACE(fromSource.records[i].id);
    EXPECT_EQ(fromRecords.records[i].id, fromSource.records[i].id);
    EXPECT_EQ(fromRecords.records[i].content, fromSource.records[i].content);
    EXPECT_EQ(fromRecords.records[i].bytes, written[i]);  // taken unchanged
  }
}

TEST(MkbookModes, ReportsSourceErrorsAndFails) {
  test::TempFolder folder;
  const fs::path source = folder.path() / "bad.txt";
  const std::string text = "@section א\n@article ב\n@heading ג\nד?\n";
  ASSERT_TRUE(WriteFileBytes(source, Bytes(text.begin(), text.end())).ok());
  const fs::path errors = folder.path() / "errors.txt";
  EXPECT_EQ(
      RunMkbook("--source " + Quoted(source) + " --out " + Quoted(folder.path() / "out"), errors),
      1);
  EXPECT_EQ(ReadText(errors),
            source.string() + ":4:2: character U+003F '?' is not allowed in book text\n");
  EXPECT_FALSE(fs::exists(folder.path() / "out"));
}

TEST(MkbookModes, RefusesBadArguments) {
  test::TempFolder folder;
  const fs::path errors = folder.path() / "errors.txt";
  for (const char* arguments :
       {"", "--source a", "--source a --records b --out c", "--out c", "--source a --out",
        "--source a --source b --out c", "--input a --out c"}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(RunMkbook(arguments, errors), 2);
    EXPECT_NE(ReadText(errors).find("usage: mkbook"), std::string::npos);
  }
}

}  // namespace
}  // namespace velmora::mkbook
