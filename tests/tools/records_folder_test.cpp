// A folder of ready-made records: taken unchanged when every record is
// sound and the ids run without a gap; refused, naming the file, otherwise.
#include "tools/mkbook/records_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"
#include "tools/mkbook/file_io.h"
#include "tools/mkbook/record_writer.h"

namespace velmora::mkbook {
namespace {

using Bytes = std::vector<std::uint8_t>;

class RecordsFolder : public testing::Test {
 protected:
  // A sound record for `id` whose content names it.
  static Bytes RecordFor(unsigned id) {
    const std::string text = "record " + std::to_string(id);
    return MakeBookRecord(Bytes(text.begin(), text.end()), 1, 1);
  }
  void Write(const std::string& name, const Bytes& bytes) {
    ASSERT_TRUE(WriteFileBytes(folder_.path() / name, bytes).ok());
  }
  void WriteRecords(std::initializer_list<unsigned> ids) {
    for (unsigned id : ids) Write(std::to_string(id) + ".rec", RecordFor(id));
  }
  std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
  std::string ErrorOfRead() const { return ReadRecordsFolder(folder_.path()).error; }

  test::TempFolder folder_;
};

TEST_F(RecordsFolder, TakesSoundRecordsUnchangedInIdOrder) {
  WriteRecords({32767, 1002, 1001, 1003});
  Write("notes.txt", {'x'});
  std::filesystem::create_directory(folder_.path() / "1004.rec");
  const Result<CompiledBook> book = ReadRecordsFolder(folder_.path());
  ASSERT_TRUE(book.ok()) << book.error;
  EXPECT_EQ(book.value.articleCount, 3);
  const unsigned ids[] = {1001, 1002, 1003, 32767};
  ASSERT_EQ(book.value.records.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(book.value.records[i].resourceId, ids[i]);
    EXPECT_EQ(book.value.records[i].bytes, RecordFor(ids[i]));
    EXPECT_EQ(book.value.records[i].decompressedSize, ("record " + std::to_string(ids[i])).size());
  }
}

TEST_F(RecordsFolder, RefusesAMissingIndex) {
  WriteRecords({1001});
  EXPECT_EQ(ErrorOfRead(), folder_.path().string() + ": 32767.rec, the index record, is missing");
}

TEST_F(RecordsFolder, RefusesAGapInTheArticles) {
  WriteRecords({1001, 1003, 32767});
  EXPECT_EQ(ErrorOfRead(), folder_.path().string() +
                               ": 1002.rec is missing: article records must run "
                               "from 1001.rec without a gap");
}

TEST_F(RecordsFolder, RefusesAnIndexWithoutArticles) {
  WriteRecords({32767});
  EXPECT_EQ(ErrorOfRead(), folder_.path().string() + ": the book has no articles");
}

TEST_F(RecordsFolder, RefusesFilesNotNamedAfterABookId) {
  const struct {
    const char* name;
    const char* message;
  } cases[] = {
      {"abc.rec", ": not named after a resource id (like 1001.rec)"},
      {"01001.rec", ": not named after a resource id (like 1001.rec)"},
      {"1001 .rec", ": not named after a resource id (like 1001.rec)"},
      {"999.rec",
       ": resource id 999 is neither an article record (1001 to 17383) "
       "nor the index (32767)"},
      {"17384.rec",
       ": resource id 17384 is neither an article record (1001 to 17383) "
       "nor the index (32767)"},
  };
  WriteRecords({1001, 32767});
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    Write(row.name, RecordFor(1002));
    EXPECT_EQ(ErrorOfRead(), Path(row.name) + row.message);
    std::filesystem::remove(folder_.path() / row.name);
  }
}

TEST_F(RecordsFolder, NamesTheDamagedRecord) {
  WriteRecords({1001, 1002, 32767});
  Bytes damaged = RecordFor(1002);
  damaged.pop_back();
  Write("1002.rec", damaged);
  EXPECT_EQ(ErrorOfRead(), Path("1002.rec") + ": header gives a payload length of " +
                               std::to_string(damaged.size() - 5) + " bytes but " +
                               std::to_string(damaged.size() - 6) + " follow the header");
}

TEST_F(RecordsFolder, NamesAFolderThatCannotBeRead) {
  const std::filesystem::path missing = folder_.path() / "missing";
  const std::string error = ReadRecordsFolder(missing).error;
  EXPECT_EQ(error.rfind(missing.string() + ": cannot read the folder", 0), 0u) << error;
}

}  // namespace
}  // namespace velmora::mkbook
