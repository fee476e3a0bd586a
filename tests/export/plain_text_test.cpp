// The plain form of a Paragraph stream: lines, indents, rules, blank rows,
// the LetterBases with and without the Reverse option, the estimate and the
// overflow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book/book_format.h"
#include "export/export_article.h"
#include "export/plain_text.h"
#include "platform/headless/headless.h"
#include "platform/message_box.h"
#include "resources/messages.h"
#include "state/app_state.h"
#include "tests/support/test_book.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using exporting::EstimatePlainText;
using exporting::RenderPlainText;

constexpr std::uint8_t kPlain = 0x01;
constexpr std::uint8_t kRule = 0x07;

// The plain form of `items` and the estimate's size in units.
struct Rendered {
  std::u16string text;
  std::size_t estimateUnits = 0;
  int result = -1;
};

Rendered Render(const std::vector<ItemSpec>& items) {
  const std::vector<std::uint8_t> stream = MakeParagraphStream(items);
  exporting::PlainTextBuffer buffer = EstimatePlainText(stream);
  Rendered rendered;
  if (!buffer) return rendered;
  rendered.estimateUnits = buffer.bytes / 2;
  rendered.result = RenderPlainText(stream, buffer.units.get(), buffer.bytes);
  if (rendered.result == 0) rendered.text = buffer.units.get();
  return rendered;
}

struct LineCase {
  const char* name;
  std::vector<ItemSpec> items;
  std::u16string expected;
};

class PlainTextLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(PlainTextLines, RendersEachParagraphAsOneLine) {
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  const LineCase& c = GetParam();
  const Rendered rendered = Render(c.items);
  ASSERT_EQ(rendered.result, 0);
  EXPECT_EQ(rendered.text, c.expected);
  EXPECT_GT(rendered.estimateUnits, rendered.text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainTextLines,
    ::testing::Values(
        LineCase{
            "EmptyBlankRowParagraph", {{kPlain | book::StyleBlankRowAfter, 0, ""}}, u"\r\n\r\n"},
        LineCase{"IndentAfterText", {{kPlain, 0x43, "ab"}}, u"\u05D0\u05D1   \r\n"},
        LineCase{"NoIndentWithMeasureZero", {{kPlain, 0, "ab"}}, u"\u05D0\u05D1\r\n"},
        LineCase{"RuleOfZero", {{kRule, 0, ""}}, u"\r\n"},
        LineCase{"RuleOfForty", {{kRule, 40, ""}}, std::u16string(40, u'-') + u"\r\n"},
        LineCase{
            "RuleOfTwoHundredInPercent", {{kRule, 200, ""}}, std::u16string(80, u'-') + u"\r\n"},
        LineCase{"RuleTextIsSkipped", {{kRule, 2, "ab"}}, u"--\r\n"},
        LineCase{"TildeAndOtherBytes", {{kPlain, 0, "~1, {"}}, u"{1, \u05EA\r\n"},
        LineCase{"SeveralParagraphs",
                 {{kPlain, 0, "a"}, {kPlain | book::StyleBlankRowAfter, 0, "b"}, {kPlain, 0, "c"}},
                 u"\u05D0\r\n\u05D1\r\n\r\n\u05D2\r\n"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

struct LetterBaseCase {
  int letterBase;
  bool reverseOnScreen;
  std::u16string expected;  // of the stored text "ab(c"
};

class ExportLetterBases : public ::testing::TestWithParam<LetterBaseCase> {};

// Unicode letters are exported in the other order than the screen shows
// them; the Windows-1255 positions in the screen's order; stored bytes never
// reversed.
TEST_P(ExportLetterBases, ReverseOptionAppliesAsTheLetterBaseSays) {
  const LetterBaseCase& c = GetParam();
  appState.fontSettings.letterBase = c.letterBase;
  appState.appFlags = kDefaultAppFlags | (c.reverseOnScreen ? ReverseOption : 0);
  const AppFlags before = appState.appFlags;
  const std::vector<ItemSpec> items{{kPlain, 0, "ab(c"}};
  const std::vector<std::uint8_t> stream = MakeParagraphStream(items);
  platform::HeapPtr<char16_t[]> text = exporting::RenderArticleText(stream);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::u16string(text.get()), c.expected + u"\r\n");
  EXPECT_EQ(appState.appFlags, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportLetterBases,
                         ::testing::Values(LetterBaseCase{1488, false, u"\u05D2)\u05D1\u05D0"},
                                           LetterBaseCase{1488, true, u"\u05D0\u05D1(\u05D2"},
                                           LetterBaseCase{224, false, u"\u00E0\u00E1(\u00E2"},
                                           LetterBaseCase{224, true, u"\u00E2)\u00E1\u00E0"},
                                           LetterBaseCase{97, false, u"ab(c"},
                                           LetterBaseCase{97, true, u"ab(c"}));

TEST(PlainTextEstimate, CountsBytesParagraphsBlankRowsRulesAndIndents) {
  const std::vector<ItemSpec> items{{kPlain | book::StyleBlankRowAfter, 0x02, "abcd"},
                                    {kRule, 200, ""}};
  const std::vector<std::uint8_t> stream = MakeParagraphStream(items);
  const exporting::PlainTextBuffer buffer = EstimatePlainText(stream);
  ASSERT_TRUE(buffer);
  // L = 7 + 3, P = 2, B = 1, R = 80, I = 2.
  EXPECT_EQ(buffer.bytes, 2u * (10 + 5 + 6 + 80 + 2 + 1));
}

TEST(PlainTextOverflow, StopsAtTheBufferEndAndReportsIt) {
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  const std::vector<ItemSpec> items{{kPlain, 0, "abcdef"}};
  const std::vector<std::uint8_t> stream = MakeParagraphStream(items);
  std::vector<char16_t> buffer(8, u'#');
  EXPECT_EQ(RenderPlainText(stream, buffer.data(), 4 * sizeof(char16_t) + 1), 1);
  EXPECT_EQ(std::u16string(buffer.begin() + 4, buffer.end()), u"####");
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgOutputOverrun);
  EXPECT_EQ(headless::MessageBoxCalls()[0].caption, platform::kDefaultCaption);
  EXPECT_EQ(headless::MessageBoxCalls()[0].style, platform::kMbOk);
}

TEST(PlainTextOverflow, ExactFitWithItsNulIsNoOverflow) {
  appState.fontSettings.letterBase = kLetterBaseStored;
  const std::vector<ItemSpec> items{{kPlain, 0, "ab"}};
  const std::vector<std::uint8_t> stream = MakeParagraphStream(items);
  std::vector<char16_t> buffer(5);
  EXPECT_EQ(RenderPlainText(stream, buffer.data(), buffer.size() * 2), 0);
  EXPECT_EQ(std::u16string(buffer.data()), u"ab\r\n");
  EXPECT_EQ(RenderPlainText(stream, buffer.data(), buffer.size() * 2 - 2), 1);
}

TEST(PlainTextHeap, DryHeapReportsAndGivesNoText) {
  const std::vector<ItemSpec> items{{kPlain, 0, "ab"}};
  const std::vector<std::uint8_t> stream = MakeParagraphStream(items);
  headless::FailHeapAfter(0);
  EXPECT_EQ(exporting::RenderArticleText(stream), nullptr);
  headless::ResetHeapFaults();
  ASSERT_FALSE(headless::MessageBoxCalls().empty());
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
}

}  // namespace
}  // namespace velmora::test
