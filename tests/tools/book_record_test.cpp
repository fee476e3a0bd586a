// Whole records: the layout MakeBookRecord writes, and the checks
// DecodeBookRecord makes on records from any source.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tools/mkbook/record_check.h"
#include "tools/mkbook/record_writer.h"

namespace velmora::mkbook {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian16(const Bytes& bytes, std::size_t at) {
  return (std::uint32_t{bytes[at]} << 8) | bytes[at + 1];
}

void SetBigEndian16(Bytes& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = static_cast<std::uint8_t>(value >> 8);
  bytes[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

const Bytes kContent = {'a', 'b', 'c', ' ', 'a', 'b', 'c', ' ', 'd', 0, 0, 0};

TEST(MakeBookRecord, WritesHeaderBlockAndTrailer) {
  const Bytes record = MakeBookRecord(kContent, 7, 9);
  ASSERT_GE(record.size(), 14u);
  const std::uint32_t compressedSize = BigEndian16(record, 6);
  EXPECT_EQ(BigEndian16(record, 0), record.size() - 6);  // payload length
  EXPECT_EQ(BigEndian16(record, 2), 7u);
  EXPECT_EQ(BigEndian16(record, 4), 9u);
  EXPECT_EQ(BigEndian16(record, 8), kContent.size());
  EXPECT_EQ(record.size(), 10 + compressedSize + 4);
  EXPECT_EQ(Bytes(record.end() - 4, record.end()), Bytes(4, 0));
  const Result<Bytes> decoded = DecodeBookRecord(record);
  ASSERT_TRUE(decoded.ok()) << decoded.error;
  EXPECT_EQ(decoded.value, kContent);
}

TEST(MakeBookRecord, RefusesContentThatDoesNotFit) {
  std::mt19937 engine(11);
  Bytes highBytes(65535);
  for (auto& b : highBytes) b = static_cast<std::uint8_t>(0x80 | (engine() & 0x7F));
  EXPECT_TRUE(MakeBookRecord({}, 1, 1).empty());
  EXPECT_TRUE(MakeBookRecord(Bytes(65536, 'a'), 1, 1).empty());
  // Escaped bytes grow the block past the 16-bit payload length.
  EXPECT_TRUE(MakeBookRecord(highBytes, 1, 1).empty());
  EXPECT_FALSE(MakeBookRecord(Bytes(65535, 'a'), 1, 1).empty());
}

struct DamageCase {
  const char* name;
  std::function<void(Bytes&)> damage;
  const char* message;
};

void PrintTo(const DamageCase& row, std::ostream* out) { *out << row.name; }

class DamagedRecord : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedRecord, IsRefusedWithItsReason) {
  Bytes record = MakeBookRecord(kContent, 1, 1);
  GetParam().damage(record);
  const Result<Bytes> decoded = DecodeBookRecord(record);
  EXPECT_FALSE(decoded.ok());
  EXPECT_NE(decoded.error.find(GetParam().message), std::string::npos) << decoded.error;
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedRecord,
    testing::Values(
        DamageCase{"TooShort", [](Bytes& r) { r.resize(10); }, "too short"},
        DamageCase{"Truncated", [](Bytes& r) { r.pop_back(); }, "payload length"},
        DamageCase{"PayloadLengthOff",
                   [](Bytes& r) { SetBigEndian16(r, 0, BigEndian16(r, 0) + 1); }, "payload length"},
        DamageCase{"CompressedSizeZero", [](Bytes& r) { SetBigEndian16(r, 6, 0); },
                   "compressed size is 0"},
        DamageCase{"DecompressedSizeZero", [](Bytes& r) { SetBigEndian16(r, 8, 0); },
                   "decompressed size is 0"},
        DamageCase{"CompressedSizePastPayload",
                   [](Bytes& r) { SetBigEndian16(r, 6, static_cast<std::uint32_t>(r.size())); },
                   "runs past the end"},
        DamageCase{"DecompressedSizeTooLarge",
                   [](Bytes& r) { SetBigEndian16(r, 8, BigEndian16(r, 8) + 1); },
                   "do not decompress"},
        DamageCase{"BytesLeftOver", [](Bytes& r) { SetBigEndian16(r, 8, BigEndian16(r, 8) - 1); },
                   "left over"},
        // A back reference as the first token reaches before the output.
        DamageCase{"ReferenceBeforeStart",
                   [](Bytes& r) {
                     r[10] = 0x80;
                     r[11] = 0x08;
                   },
                   "do not decompress"}),
    [](const testing::TestParamInfo<DamageCase>& row) { return row.param.name; });

}  // namespace
}  // namespace velmora::mkbook
