// The clipboard writer on the headless clipboard: both forms, Copy and
// Append onto nothing, plain text, white space, our own and another
// program's Rich Text, and each injected fault.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book/book_format.h"
#include "export/clipboard_copy.h"
#include "export/export_article.h"
#include "export/rtf_body.h"
#include "export/rtf_document.h"
#include "platform/clipboard.h"
#include "platform/headless/headless.h"
#include "resources/messages.h"
#include "state/app_state.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using exporting::kAppendToClipboard;
using exporting::kReplaceClipboard;
using exporting::kRtfClosing;
using exporting::kRtfHeader;
using exporting::kRtfSeparator;
using platform::CF_UNICODETEXT;

using Bytes = std::vector<std::uint8_t>;

platform::ClipboardFormat RichText() {
  return platform::RegisterClipboardFormat(platform::kRichTextFormatName);
}

Bytes BytesOf(std::string_view text, bool nul = true) {
  Bytes bytes(text.begin(), text.end());
  if (nul) bytes.push_back(0);
  return bytes;
}

Bytes UnitsOf(std::u16string_view text, bool nul = true) {
  Bytes bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  if (nul) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::string BodyOf(const std::u16string& text) {
  return std::string(exporting::MakeRtfBody(text.c_str()).bytes.get());
}

std::string Document(const std::u16string& text) {
  return std::string(kRtfHeader) + BodyOf(text) + std::string(kRtfClosing);
}

// The Rich Text block on the clipboard up to its NUL, which it must have.
std::string RichTextHeld() {
  const auto block = headless::ClipboardContent(RichText());
  if (!block) return "(none)";
  const auto nul = std::find(block->begin(), block->end(), 0);
  EXPECT_NE(nul, block->end());
  return std::string(block->begin(), nul);
}

class ClipboardCopyTest : public ::testing::Test {
 protected:
  void SetUp() override { appState.fontSettings.letterBase = kLetterBaseUnicode; }
  void TearDown() override { EXPECT_FALSE(headless::IsClipboardOpen()); }
};

TEST_F(ClipboardCopyTest, CopyPutsOneDocumentAndOffersItsText) {
  exporting::CopyTextToClipboard(u"\u05D0\u05D1\r\n", kReplaceClipboard);
  EXPECT_EQ(headless::ClipboardFormats(), std::vector{RichText()});
  EXPECT_EQ(RichTextHeld(), Document(u"\u05D0\u05D1\r\n"));
  EXPECT_EQ(headless::OfferedClipboardText(), u"\u05D0\u05D1\r\n");
}

TEST_F(ClipboardCopyTest, AppendJoinsBehindTheSeparator) {
  exporting::CopyTextToClipboard(u"\u05D0\r\n", kReplaceClipboard);
  exporting::CopyTextToClipboard(u"\u05D1\r\n", kAppendToClipboard);
  EXPECT_EQ(RichTextHeld(), std::string(kRtfHeader) + BodyOf(u"\u05D0\r\n") +
                                std::string(kRtfSeparator) + BodyOf(u"\u05D1\r\n") +
                                std::string(kRtfClosing));
  EXPECT_EQ(headless::OfferedClipboardText(), u"\u05D0\r\n\u05D1\r\n");
}

struct EarlierCase {
  const char* name;
  headless::ClipboardBlocks earlier;
  std::string expected;  // the document after appending "\u05D2"
};

class AppendOnto : public ClipboardCopyTest, public ::testing::WithParamInterface<EarlierCase> {};

TEST_P(AppendOnto, MakesTheDocumentExpected) {
  headless::ReplaceClipboardContents(GetParam().earlier, u"earlier text");
  exporting::CopyTextToClipboard(u"\u05D2", kAppendToClipboard);
  EXPECT_EQ(RichTextHeld(), GetParam().expected);
}

const std::string kBody = "\\u1490\\par\\par\r\n";
const std::string kFresh = std::string(kRtfHeader) + kBody + "}\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, AppendOnto,
    ::testing::Values(
        EarlierCase{"Nothing", {}, kFresh},
        EarlierCase{"PlainTextOnly", {{CF_UNICODETEXT, UnitsOf(u"text\r\n")}}, kFresh},
        EarlierCase{"EmptyRichText", {{RichText(), BytesOf("")}}, kFresh},
        // Nothing but white space (and a closing brace) is no document to
        // join: a new one is made.
        EarlierCase{"WhiteSpaceRichText", {{RichText(), BytesOf(" \r\n\t ")}}, kFresh},
        EarlierCase{"LoneBrace", {{RichText(), BytesOf("}\r\n")}}, kFresh},
        EarlierCase{"TrimsSpaceThenOneBrace",
                    {{RichText(), BytesOf("{\\rtf1 x}}  \r\n\t")}},
                    "{\\rtf1 x}" + std::string(kRtfSeparator) + kBody + "}\r\n"},
        EarlierCase{"AnotherProgramsDocumentWithoutNul",
                    {{RichText(), BytesOf("{\\rtf1\\uc1 \\u1488\\'e0}", false)}},
                    "{\\rtf1\\uc1 \\u1488\\'e0" + std::string(kRtfSeparator) + kBody + "}\r\n"},
        EarlierCase{"StopsAtTheFirstZeroByte",
                    {{RichText(), Bytes{'{', 'x', '}', 0, 'y', '}'}}},
                    "{x" + std::string(kRtfSeparator) + kBody + "}\r\n"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(ClipboardCopyTest, AppendOntoAnotherProgramsDocumentOffersItsTextFirst) {
  headless::ReplaceClipboardContents({{RichText(), BytesOf("{\\rtf1 x}")}}, u"x\r\n");
  exporting::CopyTextToClipboard(u"\u05D2\r\n", kAppendToClipboard);
  EXPECT_EQ(headless::OfferedClipboardText(), u"x\r\n\u05D2\r\n");
}

TEST_F(ClipboardCopyTest, PlainFormCopiesAndAppendsUnicodeText) {
  appState.fontSettings.letterBase = kLetterBaseWindows1255;
  exporting::CopyTextToClipboard(u"\u00E0\r\n", kReplaceClipboard);
  EXPECT_EQ(headless::ClipboardFormats(), std::vector{CF_UNICODETEXT});
  EXPECT_EQ(headless::ClipboardContent(CF_UNICODETEXT), UnitsOf(u"\u00E0\r\n"));
  exporting::CopyTextToClipboard(u"\u00E1\r\n", kAppendToClipboard);
  EXPECT_EQ(headless::ClipboardContent(CF_UNICODETEXT), UnitsOf(u"\u00E0\r\n\u00E1\r\n"));
  EXPECT_EQ(headless::OfferedClipboardText(), u"");
}

// Text from other programs: no terminator promised, an odd byte left over,
// a NUL inside; only whole units before the NUL are taken.
TEST_F(ClipboardCopyTest, PlainAppendReadsOnlyWhatTheClipboardHolds) {
  appState.fontSettings.letterBase = kLetterBaseStored;
  const std::vector<std::pair<Bytes, std::u16string>> cases{{UnitsOf(u"xy", false), u"xy"},
                                                            {Bytes{'x', 0, 'y'}, u"x"},
                                                            {Bytes{'x', 0, 0, 0, 'y', 0}, u"x"},
                                                            {Bytes{'x'}, u""},
                                                            {Bytes{}, u""}};
  for (const auto& [held, kept] : cases) {
    headless::ReplaceClipboardContents({{CF_UNICODETEXT, held}});
    exporting::CopyTextToClipboard(u"a", kAppendToClipboard);
    EXPECT_EQ(headless::ClipboardContent(CF_UNICODETEXT), UnitsOf(kept + u"a"));
  }
}

TEST_F(ClipboardCopyTest, ReadClipboardDataCopiesWithoutTerminator) {
  headless::ReplaceClipboardContents({{RichText(), BytesOf("{x}", false)}});
  const exporting::ClipboardCopy copy = exporting::ReadClipboardData(RichText());
  ASSERT_EQ(copy.size, 3u);
  EXPECT_EQ(std::string(copy.data.get(), copy.data.get() + copy.size), "{x}");
  EXPECT_EQ(exporting::ReadClipboardData(CF_UNICODETEXT).size, 0u);
}

// --- Faults --------------------------------------------------------------------

TEST_F(ClipboardCopyTest, CannotOpenLeavesTheClipboardAsItWas) {
  for (int letterBase : {kLetterBaseUnicode, kLetterBaseWindows1255}) {
    for (int append : {kReplaceClipboard, kAppendToClipboard}) {
      SCOPED_TRACE(letterBase * 10 + append);
      appState.fontSettings.letterBase = letterBase;
      headless::ReplaceClipboardContents({{CF_UNICODETEXT, UnitsOf(u"keep")}});
      const long blocks = headless::LiveHeapBlocks();
      headless::FailClipboardOpen(true);
      exporting::CopyTextToClipboard(u"\u05D0", append);
      headless::FailClipboardOpen(false);
      EXPECT_EQ(headless::ClipboardFormats(), std::vector{CF_UNICODETEXT});
      EXPECT_EQ(headless::ClipboardContent(CF_UNICODETEXT), UnitsOf(u"keep"));
      EXPECT_EQ(headless::LiveHeapBlocks(), blocks);
    }
  }
}

TEST_F(ClipboardCopyTest, RichTextGivesUpBeforeMakingTheBody) {
  headless::FailClipboardOpen(true);
  headless::FailHeapAfter(0);  // any body allocation would show a message
  exporting::CopyTextToClipboard(u"\u05D0", kReplaceClipboard);
  headless::ResetHeapFaults();
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

TEST_F(ClipboardCopyTest, HiddenFormatAppendsAsACopy) {
  exporting::CopyTextToClipboard(u"\u05D0", kReplaceClipboard);
  headless::HideClipboardFormat(RichText(), true);
  exporting::CopyTextToClipboard(u"\u05D2", kAppendToClipboard);
  headless::HideClipboardFormat(RichText(), false);
  EXPECT_EQ(RichTextHeld(), kFresh);
  EXPECT_EQ(headless::OfferedClipboardText(), u"\u05D2");
}

TEST_F(ClipboardCopyTest, BlockAllocationFailureLeavesTheClipboardEmpty) {
  for (int letterBase : {kLetterBaseUnicode, kLetterBaseWindows1255}) {
    SCOPED_TRACE(letterBase);
    appState.fontSettings.letterBase = letterBase;
    headless::ReplaceClipboardContents({{CF_UNICODETEXT, UnitsOf(u"old")}}, u"old");
    const long blocks = headless::LiveHeapBlocks();
    headless::FailClipboardAllocation(true);
    exporting::CopyTextToClipboard(u"\u05D0", kAppendToClipboard);
    headless::FailClipboardAllocation(false);
    EXPECT_TRUE(headless::ClipboardFormats().empty());
    EXPECT_EQ(headless::OfferedClipboardText(), u"");
    EXPECT_EQ(headless::LiveHeapBlocks(), blocks);
  }
}

// The copy of the earlier data and the body come from AllocOrAbort: a dry
// heap is reported, and nothing is set from a missing block.
TEST_F(ClipboardCopyTest, DryHeapForTheEarlierCopyStopsTheAppend) {
  headless::ReplaceClipboardContents({{RichText(), BytesOf("{\\rtf1 x}")}});
  headless::FailHeapAfter(0);
  exporting::CopyTextToClipboard(u"\u05D0", kAppendToClipboard);
  headless::ResetHeapFaults();
  ASSERT_FALSE(headless::MessageBoxCalls().empty());
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
  EXPECT_EQ(RichTextHeld(), "{\\rtf1 x}");
}

TEST_F(ClipboardCopyTest, DryHeapForTheBodyLeavesTheClipboardEmpty) {
  headless::ReplaceClipboardContents({{CF_UNICODETEXT, UnitsOf(u"old")}});
  headless::FailHeapAfter(0);
  exporting::CopyTextToClipboard(u"\u05D0", kReplaceClipboard);
  headless::ResetHeapFaults();
  ASSERT_FALSE(headless::MessageBoxCalls().empty());
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
  EXPECT_TRUE(headless::ClipboardFormats().empty());
}

}  // namespace
}  // namespace velmora::test
