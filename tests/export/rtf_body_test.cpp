// The Rich Text body: spaces, line ends, \u escapes, the decomposition
// table, the escaped characters, and a size bound that is never short.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "export/rtf_body.h"

namespace velmora::test {
namespace {

using exporting::FindDecomposition;
using exporting::RenderRtfBody;

std::string Body(const std::u16string& text) {
  std::vector<char> out(RenderRtfBody(text.c_str(), nullptr) + 1, '#');
  const std::size_t written = RenderRtfBody(text.c_str(), out.data());
  EXPECT_EQ(out[written], 0);
  return std::string(out.data(), written);
}

struct BodyCase {
  const char* name;
  std::u16string text;
  std::string body;
};

class RtfBodies : public ::testing::TestWithParam<BodyCase> {};

TEST_P(RtfBodies, WritesTheTextAsRichText) { EXPECT_EQ(Body(GetParam().text), GetParam().body); }

constexpr const char* kEnd = "\\par\\par\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfBodies,
    ::testing::Values(
        BodyCase{"LettersAndLineEnd", u"ab\r\n", std::string("ab") + kEnd + kEnd},
        BodyCase{"EmptyText", u"", kEnd},
        BodyCase{"RunOfCrAndLfIsOneMark", u"a\r\n\r\n\n\rb", std::string("a") + kEnd + "b" + kEnd},
        // Spaces as they stand after plain characters and at a line start...
        BodyCase{"SpacesBetweenPlainCharacters", u"a   b", std::string("a   b") + kEnd},
        BodyCase{"SpaceAfterPunctuation", u"1) x, y", std::string("1) x, y") + kEnd},
        BodyCase{"SpacesAtLineStart", u"  a\r\n b", std::string("  a") + kEnd + " b" + kEnd},
        // ... and with one more after a \u escape, which the first one ends.
        BodyCase{"SpacesAfterEscape", u"\u05D0   \u05D1", std::string("\\u1488    \\u1489") + kEnd},
        BodyCase{"HebrewWords", u"\u05D0\u05D1 \u05D2",
                 std::string("\\u1488\\u1489  \\u1490") + kEnd},
        BodyCase{"EscapesOfUnits", u"\u05D0\t\u00E9", std::string("\\u1488\\u9\\u233") + kEnd},
        BodyCase{"UnitsAbove32767AreUnsigned", u"\uFB2E", std::string("\\u64302") + kEnd},
        BodyCase{"Decomposed", u"\uFB2C", std::string("\\u1513\\u1468\\u1473") + kEnd},
        BodyCase{"DigitAfterEscapeIsDelimited", u"\u05D05", std::string("\\u1488 5") + kEnd},
        BodyCase{"LetterAfterEscapeIsDelimited", u"\u05D0x\u05D0Z",
                 std::string("\\u1488 x\\u1488 Z") + kEnd},
        BodyCase{"PunctuationAfterEscapeNeedsNoDelimiter", u"\u05D0,\u05D0-",
                 std::string("\\u1488,\\u1488-") + kEnd},
        BodyCase{"SpecialCharactersEscaped", u"{a\\b}", std::string("\\{a\\\\b\\}") + kEnd},
        BodyCase{"BraceAfterEscape", u"\u05D0{", std::string("\\u1488\\{") + kEnd},
        BodyCase{"DelCharacterIsEscaped", u"\u007F", std::string("\\u127") + kEnd}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(RtfDecomposition, HoldsTheTableAndNothingElse) {
  struct Entry {
    char16_t key;
    std::u16string units;
  };
  const std::vector<Entry> table{
      {0xFB2A, u"\u05E9\u05C1"},       {0xFB2B, u"\u05E9\u05C2"}, {0xFB2C, u"\u05E9\u05BC\u05C1"},
      {0xFB2D, u"\u05E9\u05BC\u05C2"}, {0xFB30, u"\u05D0\u05BC"}, {0xFB31, u"\u05D1\u05BC"},
      {0xFB32, u"\u05D2\u05BC"},       {0xFB33, u"\u05D3\u05BC"}, {0xFB34, u"\u05D4\u05BC"},
      {0xFB35, u"\u05D5\u05BC"},       {0xFB36, u"\u05D6\u05BC"}, {0xFB38, u"\u05D8\u05BC"},
      {0xFB39, u"\u05D9\u05BC"},       {0xFB3A, u"\u05DA\u05BC"}, {0xFB3B, u"\u05DB\u05BC"},
      {0xFB3C, u"\u05DC\u05BC"},       {0xFB3E, u"\u05DE\u05BC"}, {0xFB40, u"\u05E0\u05BC"},
      {0xFB41, u"\u05E1\u05BC"},       {0xFB43, u"\u05E3\u05BC"}, {0xFB44, u"\u05E4\u05BC"},
      {0xFB46, u"\u05E6\u05BC"},       {0xFB47, u"\u05E7\u05BC"}, {0xFB48, u"\u05E8\u05BC"},
      {0xFB49, u"\u05E9\u05BC"},       {0xFB4A, u"\u05EA\u05BC"}, {0xFB4B, u"\u05D5\u05B9"}};
  std::size_t found = 0;
  for (std::uint32_t unit = 1; unit <= 0xFFFF; ++unit) {
    const auto* entry = FindDecomposition(static_cast<char16_t>(unit));
    if (entry == nullptr) continue;
    ++found;
    SCOPED_TRACE(unit);
    const auto expected =
        std::find_if(table.begin(), table.end(), [&](const Entry& e) { return e.key == unit; });
    ASSERT_NE(expected, table.end());
    std::u16string units;
    for (char16_t part : entry->units) {
      if (part != 0) units += part;
    }
    EXPECT_EQ(units, expected->units);
  }
  EXPECT_EQ(found, table.size());
  for (char16_t absent : {u'\u05EA', u'\uFB1D', u'\uFB1F', u'\uFB2E', u'\uFB2F', u'\uFB4C'}) {
    EXPECT_EQ(FindDecomposition(absent), nullptr) << static_cast<int>(absent);
  }
}

// Arbitrary texts, rich in the units whose writing depends on what came
// before: the bound is never below what is written, NUL included.
TEST(RtfBodySize, BoundIsNeverBelowWhatIsWritten) {
  const char16_t pool[] = {u' ',      u'\r',     u'\n',     u'a',      u'5',
                           u'\\',     u'{',      u'}',      u',',      u'\u05D0',
                           u'\uFB2C', u'\uFFFF', u'\u0001', u'\u03E7', u'\u2710'};
  std::mt19937 random(10);
  for (int round = 0; round < 2000; ++round) {
    std::u16string text(random() % 40, u' ');
    for (char16_t& unit : text) unit = pool[random() % std::size(pool)];
    const std::size_t bound = RenderRtfBody(text.c_str(), nullptr);
    std::vector<char> out(bound, '#');
    const std::size_t written = RenderRtfBody(text.c_str(), out.data());
    ASSERT_LE(written + 1, bound) << round;
  }
}

}  // namespace
}  // namespace velmora::test
