// Copy and Append as the main window runs them, on the test book.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "export/rtf_document.h"
#include "platform/clipboard.h"
#include "platform/headless/headless.h"
#include "resources/ids.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;

using ExportCommandsTest = ProgramTest;

std::string RichTextHeld() {
  const auto block =
      headless::ClipboardContent(platform::RegisterClipboardFormat(platform::kRichTextFormatName));
  if (!block) return {};
  return std::string(block->begin(), std::find(block->begin(), block->end(), 0));
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

// Test article n starts with the line "a<n>", which the export reverses
// for Unicode letters with the Reverse option off.
TEST_F(ExportCommandsTest, CopyThenAppendAfterMovingOn) {
  Start();
  EXPECT_EQ(Command(resources::kCmdCopy), 0);
  std::string document = RichTextHeld();
  EXPECT_TRUE(document.starts_with(exporting::kRtfHeader));
  EXPECT_NE(document.find("\n1\\u1488\\par\\par\r\n"), std::string::npos);
  EXPECT_EQ(Count(document, "\\u1489\\u1488\\par"), kArticleRows - 1u);

  Key(platform::VK_RIGHT);
  ASSERT_TRUE(ShowsArticle(2));
  EXPECT_EQ(Command(resources::kCmdAppend), 0);
  document = RichTextHeld();
  const std::size_t separator = document.find(exporting::kRtfSeparator);
  ASSERT_NE(separator, std::string::npos);
  EXPECT_LT(document.find("1\\u1488\\par"), separator);
  EXPECT_GT(document.find("2\\u1488\\par"), separator);
  EXPECT_TRUE(document.ends_with("}\r\n"));
  EXPECT_EQ(Count(document, "}\r\n"), 1u);
  const std::u16string offered = headless::OfferedClipboardText();
  EXPECT_TRUE(offered.starts_with(u"1\u05D0\r\n")) << offered.size();
  EXPECT_NE(offered.find(u"2\u05D0\r\n"), std::u16string::npos);
}

TEST_F(ExportCommandsTest, StoredLettersGoAsUnicodeText) {
  StoreProgramValue(settings::kFontAsciiBase, 97);
  Start();
  EXPECT_EQ(Command(resources::kCmdCopy), 0);
  EXPECT_EQ(headless::ClipboardFormats(), std::vector{platform::CF_UNICODETEXT});
  const auto block = headless::ClipboardContent(platform::CF_UNICODETEXT);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->size(), 2u * (4 + (kArticleRows - 1) * 4 + 1));
  EXPECT_EQ((*block)[0], 'a');
  EXPECT_EQ((*block)[2], '1');
}

TEST_F(ExportCommandsTest, WithoutAnArticleNothingHappens) {
  Start();
  appState.articleView->text = {};
  Command(resources::kCmdCopy);
  Command(resources::kCmdAppend);
  EXPECT_TRUE(headless::ClipboardCalls().empty());
}

}  // namespace
}  // namespace velmora::test
