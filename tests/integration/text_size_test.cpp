// The desktop reading keys: Space and Shift+Space page, Control with '+',
// '=' and '-' or the wheel step the text size, and every change of face or
// size keeps the line that was at the top.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "resources/article_count.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "resources/ui_resources.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"
#include "tests/support/stored_values.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using namespace platform;  // message and key names

constexpr std::uint8_t kPlainStyle = 0x01;
constexpr int kParagraphs = 30;
// Index of size 20 in the font dialog's size list.
constexpr int kSize20Item = 6;

// Article 1 in paragraphs of about 200 letters and spaces, so that the sizes
// from 12 up break them into different numbers of rows.
std::vector<std::uint8_t> WrappingArticle() {
  std::string words;
  for (int i = 0; i < 66; ++i) words += "ab ";
  return MakeParagraphStream(std::vector<ItemSpec>(kParagraphs, ItemSpec{kPlainStyle, 0, words}));
}

class TextSizeTest : public ProgramTest {
 protected:
  void SetUp() override {
    AddContent(&book_, 1, WrappingArticle());
    for (int article : {2, static_cast<int>(ArticleCount)}) {
      AddContent(&book_, article, TestArticleStream(article));
    }
    std::span<const ResourceEntry> images = resources::ImageResources();
    book_.entries.insert(book_.entries.end(), images.begin(), images.end());
    Prepare();
  }

  void StartAtSize(std::uint32_t size) {
    StoreDeviceOption(settings::kSurroundingGutter, 5);
    StoreProgramValue(settings::kFontSize, size);
    Start();
  }

  LResult KeyWith(std::uint32_t held, std::uint32_t key) {
    headless::HoldKeys({held});
    const LResult result = Key(key);
    headless::HoldKeys({});
    return result;
  }

  // The line at the top: walks the rows (this article has no blank rows).
  const view::ViewLine& TopLine() { return View().lines[View().topRow]; }

  // Puts the view at `row` and notes the stream offset of the line there.
  std::uint16_t PutAt(std::uint16_t row) {
    View().topRow = row;
    Send(WM_PAINT);
    return TopLine().offset;
  }

  void ExpectTopLineHolds(std::uint16_t offset) {
    const view::ViewLine& line = TopLine();
    EXPECT_LE(line.offset, offset);
    EXPECT_LT(offset, line.offset + line.length);
  }
};

TEST_F(TextSizeTest, ControlKeysAndTheWheelStepThroughTheDialogsSizes) {
  const struct {
    const char* name;
    std::uint32_t from;
    std::uint32_t key;  // 0: the wheel
    int wheel;
    std::uint32_t to;
  } cases[] = {
      {"PlusUp", 12, VK_OEM_PLUS, 0, 14},
      {"EqualsIsPlus", 28, VK_OEM_PLUS, 0, 32},
      {"PlusAfter32Jumps", 32, VK_OEM_PLUS, 0, 52},
      {"PlusAtTheTopEndStays", 72, VK_OEM_PLUS, 0, 72},
      {"MinusDown", 12, VK_OEM_MINUS, 0, 11},
      {"MinusAtTheBottomEndStays", 10, VK_OEM_MINUS, 0, 10},
      {"MinusFromASizeOffTheList", 30, VK_OEM_MINUS, 0, 28},
      {"PlusFromASizeBelowTheList", 5, VK_OEM_PLUS, 0, 10},
      {"WheelAwayIsLarger", 16, 0, WHEEL_DELTA, 18},
      {"WheelTowardsIsSmaller", 16, 0, -WHEEL_DELTA, 14},
      {"WheelAtTheTopEndStays", 72, 0, WHEEL_DELTA, 72},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StartAtSize(c.from);
    if (c.key != 0) {
      EXPECT_EQ(KeyWith(VK_CONTROL, c.key), 0);
    } else {
      EXPECT_EQ(Send(WM_MOUSEWHEEL, MakeWParam(MK_CONTROL, static_cast<std::uint16_t>(c.wheel))),
                0);
    }
    EXPECT_EQ(appState.fontSettings.size, static_cast<std::int32_t>(c.to));
    // Laid out at once in the new size.
    EXPECT_EQ(View().fonts.size, static_cast<std::int32_t>(c.to));
  }
  // The size is the one stored at exit.
  DestroyWindow(window_);
  EXPECT_EQ(ReadStoredKey(settings::ProgramKey)[std::string(settings::kFontSize)], DwordValue(72));
}

TEST_F(TextSizeTest, WithoutControlThePlusMinusKeysAndTheWheelLeaveTheSize) {
  StartAtSize(16);
  EXPECT_EQ(Key(VK_OEM_PLUS), 1);
  EXPECT_EQ(Key(VK_OEM_MINUS), 1);
  Send(WM_MOUSEWHEEL, MakeWParam(0, static_cast<std::uint16_t>(WHEEL_DELTA)));
  EXPECT_EQ(appState.fontSettings.size, 16);
  EXPECT_EQ(View().fonts.size, 16);
}

TEST_F(TextSizeTest, EachSizeStepKeepsTheTopLine) {
  StartAtSize(12);
  std::uint16_t place = PutAt(7);
  int moved = 0;
  for (std::uint32_t key : {VK_OEM_PLUS, VK_OEM_PLUS, VK_OEM_PLUS, VK_OEM_MINUS}) {
    const std::uint16_t rowBefore = View().topRow;
    KeyWith(VK_CONTROL, key);
    if (View().topRow != rowBefore) ++moved;
    ExpectTopLineHolds(place);
    place = TopLine().offset;
  }
  EXPECT_GE(moved, 2) << "the rows move with the size; the top line stays";
  // Painted where it now stands, and the scroll bar with it.
  EXPECT_EQ(headless::ScrollBarOf(window_)->position, View().topRow);
}

TEST_F(TextSizeTest, TheFontDialogsOkKeepsTheTopLine) {
  StartAtSize(12);
  const std::uint16_t place = PutAt(9);
  headless::ScriptDialog(resources::kDialogFont, [](WindowHandle dialog) {
    headless::SelectListItem(dialog, resources::kIdcSizeList, kSize20Item);
    headless::SendDialogCommand(dialog, IDOK);
  });
  Command(resources::kCmdFont);
  ASSERT_EQ(View().fonts.size, 20);
  ExpectTopLineHolds(place);
  EXPECT_NE(View().topRow, 9);
}

TEST_F(TextSizeTest, SpacePagesForwardAndShiftSpaceBack) {
  StartAtSize(10);
  const int page = View().rowsPainted - 1;
  PutAt(5);
  EXPECT_EQ(Key(VK_SPACE), 0);
  EXPECT_EQ(View().topRow, 5 + page);
  EXPECT_EQ(KeyWith(VK_SHIFT, VK_SPACE), 0);
  EXPECT_EQ(View().topRow, 5);
  // At the end of the article Space stays, as Page Down does.
  PutAt(View().lastTopRow);
  EXPECT_EQ(Key(VK_SPACE), 0);
  EXPECT_EQ(View().topRow, View().lastTopRow);
  EXPECT_EQ(appState.currentArticle, 1);
}

}  // namespace
}  // namespace velmora::test
