// The main window's bar: which kind by platform version and option, its
// menu, buttons and tooltips, a menu bar that cannot be made, and the check
// marks of its menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/menu.h"
#include "platform/shell.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using headless::WindowKind;

class BarsTest : public ProgramTest {
 protected:
  const headless::BarRecord& Bar() {
    const headless::BarRecord* bar = headless::BarOf(appState.barWindow);
    EXPECT_NE(bar, nullptr);
    static const headless::BarRecord none;
    return bar != nullptr ? *bar : none;
  }
  // The menu holding `command`, as the bar in use keeps it.
  platform::MenuHandle MenuOf(std::uint16_t menuBarButton) {
    if (appState.menuBarOnBottom != 0) {
      return platform::MenuBarSubMenu(appState.barWindow, menuBarButton);
    }
    return platform::CommandBarGetMenu(appState.barWindow);
  }
  bool ReverseChecked() {
    return platform::IsMenuItemChecked(MenuOf(resources::kCmdMenuBarFile), resources::kCmdReverse);
  }
};

TEST_F(BarsTest, KindFollowsThePlatformVersionAndTheOption) {
  const struct {
    const char* name;
    platform::PlatformVersion version;
    std::uint32_t menuBarOnBottom;
    WindowKind kind;
  } cases[] = {
      {"Version3", {3, 0}, 0, WindowKind::kCommandBar},
      {"Version4_20", {4, 20}, 0, WindowKind::kCommandBar},
      {"Version4_21", {4, 21}, 0, WindowKind::kMenuBar},
      {"Version5", {5, 0}, 0, WindowKind::kMenuBar},
      {"OptionOnVersion3", {3, 0}, 1, WindowKind::kMenuBar},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    headless::SetPlatformVersion(c.version);
    StoreDeviceOption(settings::kMenuBarOnBottom, c.menuBarOnBottom);
    Start();
    EXPECT_EQ(Bar().kind, c.kind);
    EXPECT_EQ(Bar().parent, window_);
    EXPECT_EQ(Bar().menuId, resources::kMenuMain);
    EXPECT_EQ(appState.menuBarOnBottom, c.kind == WindowKind::kMenuBar ? 1 : 0);
    EXPECT_EQ(appState.barHeight, 26);
    EXPECT_TRUE(Bar().shown);
  }
}

TEST_F(BarsTest, EitherBarGetsTheSixButtonsWithTheirTooltips) {
  const std::vector<platform::ToolButton> buttons = {
      {0, resources::kCmdPreviousArticle}, {1, resources::kCmdChooseArticle},
      {2, resources::kCmdNextArticle},     {3, resources::kCmdFont},
      {4, resources::kCmdSearch},          {5, resources::kCmdSearchAgain}};
  const std::vector<std::u16string> tips = {
      u"",       u"Previous Article", u"Choose Article", u"Next Article", u"Choose Font",
      u"Search", u"Search Again"};
  for (std::uint32_t menuBarOnBottom : {0u, 1u}) {
    SCOPED_TRACE(menuBarOnBottom);
    Restart();
    StoreDeviceOption(settings::kMenuBarOnBottom, menuBarOnBottom);
    Start();
    ASSERT_EQ(Bar().buttons.size(), buttons.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      EXPECT_EQ(Bar().buttons[i].image, buttons[i].image);
      EXPECT_EQ(Bar().buttons[i].command, buttons[i].command);
    }
    EXPECT_EQ(Bar().toolTips, tips);
    EXPECT_EQ(Bar().bitmapId, resources::kBitmapToolbar);
    EXPECT_EQ(Bar().bitmapCount, 6);
    EXPECT_EQ(Bar().imageSize, 16);
  }
}

TEST_F(BarsTest, MenuBarLeavesTheScrollBarStripFree) {
  StoreDeviceOption(settings::kMenuBarOnBottom, 1);
  Start();
  const std::optional<headless::WindowInfo> bar = headless::DescribeWindow(appState.barWindow);
  ASSERT_TRUE(bar.has_value());
  const std::int32_t scrollBar = platform::GetSystemMetric(platform::SM_CXVSCROLL);
  EXPECT_EQ(bar->place.right - bar->place.left, 240 - scrollBar);
  EXPECT_EQ(bar->place.bottom - bar->place.top, 26);
  EXPECT_EQ(bar->place.bottom, 268);
}

TEST_F(BarsTest, CloseButtonOnlyOnACommandBarInFullScreen) {
  const struct {
    const char* name;
    std::uint32_t fullScreen;
    std::uint32_t menuBarOnBottom;
    bool closeButton;
  } cases[] = {
      {"CommandBarFullScreen", 1, 0, true},
      {"CommandBarWindowed", 0, 0, false},
      {"MenuBarFullScreen", 1, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StoreDeviceOption(settings::kFullScreen, c.fullScreen);
    StoreDeviceOption(settings::kMenuBarOnBottom, c.menuBarOnBottom);
    Start();
    EXPECT_EQ(Bar().closeButton, c.closeButton);
  }
}

// Without a bar the view takes the whole client area and every command
// still works; the Reverse option still toggles.
TEST_F(BarsTest, AMenuBarThatCannotBeMadeLeavesNoBar) {
  headless::FailMenuBarCreation(true);
  StoreDeviceOption(settings::kMenuBarOnBottom, 1);
  Start();
  EXPECT_EQ(appState.barWindow, nullptr);
  EXPECT_EQ(appState.barHeight, 0);
  EXPECT_EQ(View().y, 0);
  EXPECT_EQ(View().height, 268);

  Command(resources::kCmdReverse);
  EXPECT_NE(appState.appFlags & ReverseOption, 0u);
  Command(resources::kCmdReverse);
  EXPECT_EQ(appState.appFlags & ReverseOption, 0u);
  Command(resources::kCmdNextArticle);
  EXPECT_EQ(appState.currentArticle, 2);
}

TEST_F(BarsTest, ReverseCheckAgreesWithTheOption) {
  for (std::uint32_t menuBarOnBottom : {0u, 1u}) {
    for (AppFlags reverse : {AppFlags{0}, ReverseOption}) {
      SCOPED_TRACE(testing::Message() << "menu bar " << menuBarOnBottom << ", reverse " << reverse);
      Restart();
      StoreDeviceOption(settings::kMenuBarOnBottom, menuBarOnBottom);
      StoreProgramValue(settings::kFlags, kDefaultAppFlags | reverse);
      Start();
      EXPECT_EQ(ReverseChecked(), reverse != 0);
      for (int toggle = 0; toggle < 3; ++toggle) {
        headless::ClearDrawCalls(View().surface);
        EXPECT_EQ(Command(resources::kCmdReverse), 0);
        EXPECT_EQ(ReverseChecked(), (appState.appFlags & ReverseOption) != 0);
        EXPECT_EQ((appState.appFlags & ReverseOption) != 0, (reverse != 0) == (toggle % 2 == 1));
        // The view is painted again in the new reading direction.
        EXPECT_FALSE(headless::DrawCalls(View().surface).empty());
      }
      // The other bits of the option word stay as stored.
      EXPECT_EQ(appState.appFlags & ~ReverseOption, kDefaultAppFlags);
    }
  }
}

TEST_F(BarsTest, BookmarkIsNotCheckedWithoutBookmarks) {
  for (std::uint32_t menuBarOnBottom : {0u, 1u}) {
    SCOPED_TRACE(menuBarOnBottom);
    Restart();
    StoreDeviceOption(settings::kMenuBarOnBottom, menuBarOnBottom);
    Start();
    EXPECT_FALSE(
        platform::IsMenuItemChecked(MenuOf(resources::kCmdMenuBarGo), resources::kCmdBookmark));
  }
}

}  // namespace
}  // namespace velmora::test
