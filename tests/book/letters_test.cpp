// Display conversion: LetterBase, the Reverse option, the ConversionBuffer
// and the mirrored reversal.
#include "book/letters.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "book/book_format.h"
#include "platform/headless/headless.h"
#include "platform/memory.h"
#include "state/app_state.h"

namespace velmora::book {
namespace {

namespace headless = platform::headless;

void UseSettings(std::int32_t letterBase, bool reverse) {
  appState.fontSettings.letterBase = letterBase;
  appState.appFlags = reverse ? ReverseOption : 0;
}

// Converts without a ConversionBuffer and releases the new block.
std::u16string Convert(const std::string& text, std::int32_t count) {
  char16_t* units =
      ToDisplayText(reinterpret_cast<const std::uint8_t*>(text.c_str()), count, nullptr);
  if (units == nullptr) return u"<none>";
  std::u16string result(units);
  platform::HeapRelease(units);
  return result;
}

struct ConvertCase {
  const char* name;
  std::int32_t letterBase;
  bool reverse;
  std::string text;
  std::int32_t count;
  std::u16string expected;
};

const ConvertCase kConvertCases[] = {
    {"UnicodeFirstAndLast", kLetterBaseUnicode, false, "a{", 2, u"\u05D0\u05EA"},
    {"Windows1255FirstAndLast", kLetterBaseWindows1255, false, "a{", 2, u"\u00E0\u00FA"},
    {"StoredBytesShownAsThemselves", kLetterBaseStored, false, "a{", 2, u"a{"},
    {"StoredBytesIgnoreReverse", kLetterBaseStored, true, "ab(", 3, u"ab("},
    {"TildeBecomesBrace", kLetterBaseUnicode, false, "~|}", 3, u"{|}"},
    {"HighBytesKeepTheirValue", kLetterBaseUnicode, false, "\x80\xE9\xFF", 3,
     u"\u0080\u00E9\u00FF"},
    {"PunctuationPassesThrough", kLetterBaseUnicode, false, " \"'(),-.:[]", 11, u" \"'(),-.:[]"},
    {"NoBreakSpaceAfterAVerseLabel", kLetterBaseUnicode, false,
     "(b)\xA0"
     "ab",
     6, u"(\u05D1)\u00A0\u05D0\u05D1"},
    {"CountZeroIsEmpty", kLetterBaseUnicode, false, "abc", 0, u""},
    {"NegativeCountIsEmpty", kLetterBaseUnicode, false, "abc", -4, u""},
    {"CountCutsTheText", kLetterBaseUnicode, false, "abc", 2, u"\u05D0\u05D1"},
    {"NulEndsTheText", kLetterBaseUnicode, false, std::string("ab\0c", 4), 4, u"\u05D0\u05D1"},
    {"OnlyLow16BitsOfLetterBase", 0x10000 + 0x41, false, "ab", 2, u"AB"},
    {"ReverseMirrorsBracketsInPlace", kLetterBaseWindows1255, true, "(ab)", 4, u"(\u00E1\u00E0)"},
    {"ReversedTildeShowsAsClosingBrace", kLetterBaseUnicode, true, "a~", 2, u"}\u05D0"},
    {"ReverseCoversOnlyConvertedUnits", kLetterBaseWindows1255, true, "ab", 5, u"\u00E1\u00E0"},
    {"ReverseStopsAtCount", kLetterBaseUnicode, true, "abc", 2, u"\u05D1\u05D0"},
};

class ConvertTable : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertTable, ShowsStoredBytes) {
  const ConvertCase& c = GetParam();
  UseSettings(c.letterBase, c.reverse);
  EXPECT_EQ(Convert(c.text, c.count), c.expected);
  EXPECT_EQ(headless::LiveHeapBlocks(), 0);
}

INSTANTIATE_TEST_SUITE_P(Letters, ConvertTable, ::testing::ValuesIn(kConvertCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ToDisplayText, WrapsAroundIn16BitsWithoutTouchingTheTerminator) {
  // "ab" with LetterBase 0xFFFF: the second letter wraps to 0, which reads as
  // an early terminator; the string still has exactly two units.
  UseSettings(0xFFFF, false);
  const std::uint8_t text[] = {'a', 'b', 0};
  char16_t* units = ToDisplayText(text, 2, nullptr);
  ASSERT_NE(units, nullptr);
  EXPECT_EQ(units[0], 0xFFFF);
  EXPECT_EQ(units[1], 0);
  EXPECT_EQ(units[2], 0);
  platform::HeapRelease(units);
}

TEST(ToDisplayText, ReadsTheSettingsAtEveryConversion) {
  UseSettings(kLetterBaseUnicode, false);
  EXPECT_EQ(Convert("ab", 2), u"\u05D0\u05D1");
  UseSettings(kLetterBaseWindows1255, true);
  EXPECT_EQ(Convert("ab", 2), u"\u00E1\u00E0");
}

TEST(ConversionBufferTest, GrowsOnlyAndReusesItsBlock) {
  UseSettings(kLetterBaseUnicode, false);
  const std::uint8_t text[] = "abcdefghij";
  ConversionBuffer buffer;

  char16_t* first = ToDisplayText(text, 5, &buffer);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(buffer.buffer, first);
  EXPECT_EQ(buffer.capacity, 5);

  EXPECT_EQ(ToDisplayText(text, 3, &buffer), first);
  EXPECT_EQ(std::u16string(buffer.buffer), u"\u05D0\u05D1\u05D2");
  EXPECT_EQ(buffer.capacity, 5);

  char16_t* grown = ToDisplayText(text, 10, &buffer);
  ASSERT_NE(grown, nullptr);
  EXPECT_EQ(buffer.buffer, grown);
  EXPECT_EQ(buffer.capacity, 10);
  EXPECT_EQ(std::u16string(grown).size(), 10u);
  EXPECT_EQ(headless::LiveHeapBlocks(), 1);  // the old block was released

  platform::HeapRelease(buffer.buffer);
}

TEST(ConversionBufferTest, FailedGrowthReturnsNothingAndKeepsTheOldBuffer) {
  UseSettings(kLetterBaseUnicode, false);
  const std::uint8_t text[] = "abcdefghij";
  ConversionBuffer buffer;
  char16_t* first = ToDisplayText(text, 4, &buffer);
  ASSERT_NE(first, nullptr);

  headless::FailHeapAfter(0);
  EXPECT_EQ(ToDisplayText(text, 8, &buffer), nullptr);
  EXPECT_EQ(buffer.buffer, first);
  EXPECT_EQ(buffer.capacity, 4);
  EXPECT_EQ(ToDisplayText(text, 2, &buffer), first);
  EXPECT_EQ(ToDisplayText(text, 2, nullptr), nullptr);

  headless::ResetHeapFaults();
  platform::HeapRelease(buffer.buffer);
}

TEST(ConversionBufferTest, TheProgramHasOne) {
  EXPECT_EQ(&TheConversionBuffer(), &TheConversionBuffer());
}

TEST(ReverseDisplayRun, ReversesAndMirrorsTheFirstCountUnits) {
  std::u16string units = u"a(b[c{d)e]f}gXY";
  EXPECT_EQ(ReverseDisplayRun(units.data(), 13), 0);
  EXPECT_EQ(units, u"g{f[e(d}c]b)aXY");
  EXPECT_EQ(headless::LiveHeapBlocks(), 0);
}

TEST(ReverseDisplayRun, NoTemporaryMemoryLeavesTheRunAsItWas) {
  std::u16string units = u"ab(c";
  headless::FailHeapAfter(0);
  EXPECT_EQ(ReverseDisplayRun(units.data(), 4), 1);
  EXPECT_EQ(units, u"ab(c");
}

TEST(ToDisplayText, NoMemoryToReverseKeepsStoredOrder) {
  UseSettings(kLetterBaseWindows1255, true);
  const std::uint8_t text[] = "ab";
  ConversionBuffer buffer;
  ASSERT_NE(ToDisplayText(text, 2, &buffer), nullptr);
  headless::FailHeapAfter(0);
  char16_t* units = ToDisplayText(text, 2, &buffer);
  ASSERT_NE(units, nullptr);
  EXPECT_EQ(std::u16string(units), u"\u00E0\u00E1");
  headless::ResetHeapFaults();
  platform::HeapRelease(buffer.buffer);
}

}  // namespace
}  // namespace velmora::book
