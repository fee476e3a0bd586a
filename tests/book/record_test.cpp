// The BookStore: record numbers to resources, block header checks, and the
// reason codes of every way a load can fail.
#include "book/record.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "platform/headless/headless.h"
#include "tests/support/test_book.h"

namespace velmora::book {
namespace {

namespace headless = platform::headless;
using Bytes = std::vector<std::uint8_t>;

constexpr int kNoReason = -1;

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST(RecordResourceId, AddsTheBaseIn16Bits) {
  const struct {
    int record;
    std::uint16_t id;
  } cases[] = {{1, 1001},      {697, 1697},   {929, 1929}, {IndexRecordNumber, kIndexResourceId},
               {64535, 65535}, {64536, 0},    {64537, 1},  {65536, 1000},
               {65537, 1001},  {131073, 1001}};
  for (const auto& c : cases) {
    EXPECT_EQ(RecordResourceId(c.record), c.id) << "record " << c.record;
  }
}

struct ParseCase {
  const char* name;
  Bytes payload;
  std::uint32_t payloadLength;
  int reason;
};

// Payloads are held in blocks of exactly their size, so a sanitizer build
// catches a read past them.
const ParseCase kParseCases[] = {
    {"PayloadLength4", {0, 1, 0, 1, 'a'}, 4, BadBlock},
    {"PayloadShorterThanBlockHeader", {0, 1, 0}, 5, BadBlock},
    {"CompressedSizeZero", {0, 0, 0, 1, 'a', 0, 0, 0, 0}, 9, BadBlock},
    {"DecompressedSizeZero", {0, 1, 0, 0, 'a', 0, 0, 0, 0}, 9, BadArguments},
    {"CompressedSizeBeyondPayload", {0, 9, 0, 3, 'a', 'b'}, 6, BufferError},
};

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, FailsWithItsReason) {
  const ParseCase& c = GetParam();
  int reason = kNoReason;
  EXPECT_FALSE(ParseBookRecord(c.payload, c.payloadLength, &reason));
  EXPECT_EQ(reason, c.reason);
  EXPECT_EQ(headless::LiveHeapBlocks(), 0);
  EXPECT_EQ(headless::MessageBoxCalls().size(), c.reason == BufferError ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Header, ParseTable, ::testing::ValuesIn(kParseCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ParseBookRecord, DecodesTheBlockAndIgnoresTheTrailer) {
  const Bytes payload = {0, 3, 0, 4, 'a', 0xE2, 'x', 0, 0, 0, 0};
  int reason = kNoReason;
  platform::HeapBuffer out = ParseBookRecord(payload, 11, &reason);
  ASSERT_TRUE(out);
  EXPECT_EQ(reason, kNoReason);
  EXPECT_EQ(Bytes(out.get(), out.get() + out.size), Text("a bx"));
}

class LoadBookRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::AddContent(&book_, 1, first_);
    test::AddContent(&book_, IndexRecordNumber, index_);
    test::AddResource(&book_, RecordResourceId(5), {});
    test::AddResource(&book_, RecordResourceId(6), {0, 5, 0});
    test::AddResource(&book_, RecordResourceId(7), test::MakeRecordBytes(Text("a"), 3));
    test::InstallBook(book_);
  }

  const Bytes first_ = Text(std::string("first article\0\0\0", 16));
  const Bytes index_ = Text("the index");
  test::TestBook book_;
};

TEST_F(LoadBookRecordTest, LoadsArticlesAndTheIndex) {
  for (const auto& [number, content] :
       {std::pair{1, &first_}, std::pair{IndexRecordNumber, &index_}}) {
    int reason = kNoReason;
    platform::HeapBuffer out = LoadBookRecord(number, &reason);
    ASSERT_TRUE(out) << "record " << number;
    EXPECT_EQ(reason, kNoReason);
    EXPECT_EQ(Bytes(out.get(), out.get() + out.size), *content);
    EXPECT_EQ(out.get()[out.size], 0);
    EXPECT_EQ(out.get()[out.size + 1], 0);
  }
  EXPECT_EQ(headless::LiveHeapBlocks(), 0);
}

TEST_F(LoadBookRecordTest, RecordNumberWrapsIn16Bits) {
  platform::HeapBuffer out = LoadBookRecord(65536 + 1, nullptr);
  ASSERT_TRUE(out);
  EXPECT_EQ(Bytes(out.get(), out.get() + out.size), first_);
}

TEST_F(LoadBookRecordTest, NumbersBelowOneStoreNoReason) {
  for (int number : {0, -1, -65535, INT_MIN}) {
    int reason = kNoReason;
    EXPECT_FALSE(LoadBookRecord(number, &reason));
    EXPECT_EQ(reason, kNoReason) << "record " << number;
  }
}

TEST_F(LoadBookRecordTest, FailuresStoreTheirReasonAndLeakNothing) {
  const struct {
    const char* what;
    int record;
    int allowedAllocations;  // -1: no fault
    int reason;
  } cases[] = {
      {"no resource", 2, -1, RecordMissing},
      {"zero-size resource", 5, -1, RecordUnreadable},
      {"resource shorter than its header", 6, -1, BadBlock},
      {"no memory for the output", 1, 0, RecordUnreadable},
      {"block that underfills", 7, -1, BufferError},
  };
  const long liveBefore = headless::LiveHeapBlocks();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.allowedAllocations >= 0) headless::FailHeapAfter(c.allowedAllocations);
    int reason = kNoReason;
    EXPECT_FALSE(LoadBookRecord(c.record, &reason));
    EXPECT_EQ(reason, c.reason);
    EXPECT_FALSE(LoadBookRecord(c.record, nullptr));
    headless::ResetHeapFaults();
    EXPECT_EQ(headless::LiveHeapBlocks(), liveBefore);
  }
}

TEST_F(LoadBookRecordTest, EveryLoadIsAFreshBuffer) {
  platform::HeapBuffer a = LoadBookRecord(1, nullptr);
  platform::HeapBuffer b = LoadBookRecord(1, nullptr);
  ASSERT_TRUE(a && b);
  EXPECT_NE(a.get(), b.get());
  a.get()[0] = 'X';
  EXPECT_EQ(b.get()[0], 'f');
}

}  // namespace
}  // namespace velmora::book
