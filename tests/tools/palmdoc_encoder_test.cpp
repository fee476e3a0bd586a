// The encoder's output must read back through the program's own decoder,
// exactly and with no byte left over, whatever the input.
#include "tools/mkbook/palmdoc_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "book/palmdoc.h"

namespace velmora::mkbook {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Repeat(const Bytes& unit, std::size_t times) {
  Bytes out;
  for (std::size_t i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
  return out;
}

Bytes Random(std::size_t size, std::uint8_t low, std::uint8_t high, unsigned seed) {
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> pick(low, high);
  Bytes out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(pick(engine));
  return out;
}

// Letters 'a'..'{' and single spaces, like the book's stored text.
Bytes RandomWords(std::size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> letter('a', '{');
  std::uniform_int_distribution<int> wordLength(1, 7);
  Bytes out;
  while (out.size() < size) {
    for (int n = wordLength(engine); n > 0 && out.size() < size; --n) {
      out.push_back(static_cast<std::uint8_t>(letter(engine)));
    }
    if (out.size() < size) out.push_back(' ');
  }
  return out;
}

Bytes AllByteValues() {
  Bytes out;
  for (int b = 0; b < 256; ++b) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

// A block of 2100 distinct-looking bytes, then the same again: the repeat
// lies just beyond a back reference's reach for its first bytes.
Bytes RepeatBeyondWindow() {
  Bytes block = RandomWords(2100, 7);
  Bytes out = block;
  out.insert(out.end(), block.begin(), block.end());
  return out;
}

struct RoundTripCase {
  const char* name;
  Bytes raw;
};

void PrintTo(const RoundTripCase& row, std::ostream* out) { *out << row.name; }

class EncoderRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(EncoderRoundTrip, DecodesToTheInputExactly) {
  const Bytes& raw = GetParam().raw;
  const Bytes compressed = CompressPalmDoc(raw);
  Bytes decoded(raw.size());
  const book::DecodeResult result = book::DecodePalmDoc(compressed, decoded);
  EXPECT_TRUE(result.filled);
  EXPECT_EQ(result.consumed, compressed.size()) << "compressed bytes left over";
  EXPECT_EQ(decoded, raw);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EncoderRoundTrip,
    testing::Values(RoundTripCase{"OneLetter", FromText("a")},
                    RoundTripCase{"OneSpace", FromText(" ")},
                    RoundTripCase{"TrailingSpace", FromText("ab ")},
                    RoundTripCase{"SpaceBeforeEveryKindOfByte", FromText(" a  b\t ~ 0 @ \x7f z")},
                    RoundTripCase{"RunOfOneByte", Bytes(1000, 'a')},
                    RoundTripCase{"RunOfNul", Bytes(300, 0)},
                    RoundTripCase{"RunOfHighByte", Bytes(300, 0xFF)},
                    RoundTripCase{"HighAndLowTokenBytes",
                                  FromText("\x01\x02\x08\x09\x80\xbf\xc0\xff a\x85 \x05")},
                    RoundTripCase{"AllByteValuesRepeated", Repeat(AllByteValues(), 20)},
                    RoundTripCase{"RandomHighBytes", Random(5000, 0x80, 0xFF, 1)},
                    RoundTripCase{"RandomAnyBytes", Random(5000, 0, 0xFF, 2)},
                    RoundTripCase{"WordsAndSpaces", RandomWords(10000, 3)},
                    RoundTripCase{"PeriodicPattern", Repeat(FromText("abc de"), 500)},
                    RoundTripCase{"RepeatBeyondWindow", RepeatBeyondWindow()},
                    RoundTripCase{"SixtyFourKiBOfWords", RandomWords(65535, 4)},
                    RoundTripCase{"SixtyFourKiBOfAnyBytes", Random(65536, 0, 0xFF, 5)}),
    [](const testing::TestParamInfo<RoundTripCase>& row) { return row.param.name; });

// The tokens themselves, where there is only one cheapest choice.
struct TokenCase {
  const char* name;
  Bytes raw;
  Bytes tokens;
};

void PrintTo(const TokenCase& row, std::ostream* out) { *out << row.name; }

class EncoderTokens : public testing::TestWithParam<TokenCase> {};

TEST_P(EncoderTokens, ChoosesTheExpectedTokens) {
  EXPECT_EQ(CompressPalmDoc(GetParam().raw), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EncoderTokens,
    testing::Values(TokenCase{"PlainLiterals", {0x00, 0x09, 'a', 0x7F}, {0x00, 0x09, 'a', 0x7F}},
                    // A space and a byte 0x40..0x7F travel as one byte, top bit set.
                    TokenCase{"SpacePair", FromText("a b"), {'a', 0xE2}},
                    TokenCase{"SpaceBeforeSpaceStaysLiteral", FromText("  "), {' ', ' '}},
                    // Bytes that read as tokens hide inside a literal run.
                    TokenCase{"EscapedBytes", {0x80, 'a', 0x01}, {0x03, 0x80, 'a', 0x01}},
                    TokenCase{"RunsHoldEightBytes",
                              {0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98},
                              {0x08, 0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x01, 0x98}},
                    // 0x8000 | distance 3 << 3 | length 3 - 3.
                    TokenCase{"BackReference", FromText("xyzxyz"), {'x', 'y', 'z', 0x80, 0x18}},
                    // Distance 1, length 10: the byte repeats itself.
                    TokenCase{"OverlappingReference", Bytes(11, 'q'), {'q', 0x80, 0x0F}}),
    [](const testing::TestParamInfo<TokenCase>& row) { return row.param.name; });

TEST(EncoderSize, RepeatsWithinTheWindowShrink) {
  // After the first copy every ten bytes cost a two-byte reference.
  const Bytes text = Repeat(RandomWords(1000, 9), 6);
  EXPECT_LT(CompressPalmDoc(text).size(), 1000 + 5000 / 5 + 50);
}

}  // namespace
}  // namespace velmora::mkbook
