// Recorded bars, menus and accelerators, the shell and single-instance
// simulations, the queued message loop, and the reset of all of it.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/instance.h"
#include "platform/menu.h"
#include "platform/message_loop.h"
#include "platform/shell.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr std::uint16_t kMenu = 600;
constexpr std::uint16_t kTable = 7;
constexpr std::uint16_t kCmdOpen = 119;
constexpr std::uint16_t kCmdReverse = 122;
constexpr std::uint16_t kCmdSearch = 116;
constexpr std::uint16_t kCmdAgain = 117;
constexpr std::uint16_t kCmdQuit = 999;
constexpr std::uint16_t kButtonFile = 40001;
constexpr std::uint16_t kButtonGo = 40002;
constexpr std::uint32_t kKeyD = 'D';
constexpr std::uint32_t kKeyF3 = 0x72;

constexpr std::array kFileItems{MenuItemTemplate{u"&Open", kCmdOpen}, MenuItemTemplate{u"", 0},
                                MenuItemTemplate{u"Re&verse", kCmdReverse}};
constexpr std::array kGoItems{MenuItemTemplate{u"&Index", kCmdOpen},
                              MenuItemTemplate{u"&Search", kCmdSearch}};
constexpr std::array kPopups{PopupTemplate{u"&File", kFileItems}, PopupTemplate{u"&Go", kGoItems}};
constexpr MenuTemplate kMenuTemplate{kPopups};
constexpr std::array kMenuBarButtons{MenuBarButtonTemplate{kButtonFile, 303, 0},
                                     MenuBarButtonTemplate{kButtonGo, 302, 1}};
constexpr MenuBarTemplate kMenuBarTemplate{kMenu, kMenuBarButtons};
constexpr std::array kAccelerators{Accelerator{kAccelControl, kKeyD, kCmdOpen},
                                   Accelerator{kAccelAlt, kKeyF3, kCmdSearch},
                                   Accelerator{0, kKeyF3, kCmdAgain}};

std::vector<WParam> commands;
std::vector<std::uint32_t> messages;

LResult Proc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  messages.push_back(message);
  if (message == WM_COMMAND) {
    commands.push_back(wParam);
    if (LowWord(wParam) == kCmdQuit) PostQuitMessage(3);
  }
  return DefWindowProc(window, message, wParam, lParam);
}

class HeadlessShell : public ::testing::Test {
 protected:
  HeadlessShell() {
    commands.clear();
    messages.clear();
    headless::InstallMenuTemplate(kMenu, &kMenuTemplate);
    headless::InstallMenuBarTemplate(kMenu, &kMenuBarTemplate);
    headless::InstallAcceleratorTable(kTable, kAccelerators);
    RegisterWindowClass({u"Main", Proc, 0, 0});
    WindowCreation creation;
    creation.className = u"Main";
    creation.style = WS_VISIBLE;
    window_ = CreateTopLevelWindow(creation);
    messages.clear();
  }

  WindowHandle window_ = nullptr;
};

TEST_F(HeadlessShell, CommandBarRecordsWhatItIsGiven) {
  headless::SetBarHeight(24);
  WindowHandle bar = CommandBarCreate(window_, 1);
  EXPECT_EQ(CommandBarHeight(bar), 24);
  EXPECT_FALSE(CommandBarInsertMenubar(bar, kMenu + 1));
  ASSERT_TRUE(CommandBarInsertMenubar(bar, kMenu));
  const std::array<std::u16string_view, 3> tips{u"", u"Previous", u"Next"};
  BarAddToolTips(bar, tips);
  BarAddBitmap(bar, 114, 6, 16);
  const std::array buttons{ToolButton{0, 110}, ToolButton{2, 109}};
  BarAddButtons(bar, buttons);
  BarShow(bar, true);

  const headless::BarRecord* record = headless::BarOf(bar);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->kind, headless::WindowKind::kCommandBar);
  EXPECT_EQ(record->parent, window_);
  EXPECT_EQ(record->menuId, kMenu);
  EXPECT_EQ(record->toolTips, (std::vector<std::u16string>{u"", u"Previous", u"Next"}));
  EXPECT_EQ(record->bitmapId, 114);
  EXPECT_EQ(record->bitmapCount, 6);
  ASSERT_EQ(record->buttons.size(), 2u);
  EXPECT_EQ(record->buttons[1].command, 109);
  EXPECT_FALSE(record->closeButton);
  EXPECT_TRUE(record->shown);
  EXPECT_EQ(GetWindowRect(bar).right, GetClientRect(window_).right);

  MenuHandle menu = CommandBarGetMenu(bar);
  CheckMenuItem(menu, kCmdReverse, true);
  EXPECT_TRUE(IsMenuItemChecked(menu, kCmdReverse));
  EXPECT_FALSE(IsMenuItemChecked(menu, kCmdSearch));

  EXPECT_TRUE(headless::ChooseBarCommand(bar, 109));         // a button
  EXPECT_TRUE(headless::ChooseBarCommand(bar, kCmdSearch));  // a menu item
  EXPECT_FALSE(headless::ChooseBarCommand(bar, 4242));
  EXPECT_EQ(commands, (std::vector<WParam>{109, kCmdSearch}));

  DestroyWindow(window_);  // takes its bar along
  EXPECT_FALSE(headless::IsLiveWindow(bar));
  EXPECT_FALSE(IsMenuItemChecked(menu, kCmdReverse));
}

TEST_F(HeadlessShell, MenuBarSitsAtTheBottomWithOneSubMenuPerButton) {
  WindowHandle bar = CreateMenuBar(window_, kMenu);
  ASSERT_NE(bar, nullptr);
  const Rect place = GetWindowRect(bar);
  EXPECT_EQ(place.bottom, GetClientRect(window_).bottom);
  EXPECT_EQ(place.bottom - place.top, 26);

  MenuHandle file = MenuBarSubMenu(bar, kButtonFile);
  MenuHandle go = MenuBarSubMenu(bar, kButtonGo);
  ASSERT_NE(file, nullptr);
  CheckMenuItem(go, kCmdReverse, true);  // not in Go: no effect
  CheckMenuItem(file, kCmdReverse, true);
  CheckMenuItem(go, kCmdOpen, true);
  EXPECT_TRUE(IsMenuItemChecked(file, kCmdReverse));
  EXPECT_FALSE(IsMenuItemChecked(go, kCmdReverse));
  EXPECT_FALSE(IsMenuItemChecked(file, kCmdOpen));  // each sub-menu its own items
  EXPECT_EQ(MenuBarSubMenu(bar, 1), nullptr);
  EXPECT_EQ(CommandBarGetMenu(bar), nullptr);  // a menu bar has sub-menus only
  CheckMenuItem(nullptr, kCmdReverse, true);
  EXPECT_FALSE(IsMenuItemChecked(nullptr, kCmdReverse));

  headless::FailMenuBarCreation(true);
  EXPECT_EQ(CreateMenuBar(window_, kMenu), nullptr);
  headless::FailMenuBarCreation(false);
  EXPECT_EQ(CreateMenuBar(window_, kMenu + 1), nullptr);
  EXPECT_EQ(headless::Bars(), std::vector<WindowHandle>{bar});
}

TEST_F(HeadlessShell, AcceleratorsTranslateExactKeys) {
  EXPECT_FALSE(headless::TranslateAccelerator(window_, kAccelControl, kKeyD));  // none active
  EXPECT_FALSE(LoadAccelerators(kTable + 1));
  ASSERT_TRUE(LoadAccelerators(kTable));
  EXPECT_EQ(headless::AcceleratorLoads(), (std::vector<std::uint16_t>{kTable + 1, kTable}));

  struct Case {
    std::uint8_t modifiers;
    std::uint32_t key;
    std::optional<std::uint16_t> command;
  };
  const Case cases[] = {
      {kAccelControl, kKeyD, kCmdOpen},
      {0, kKeyD, std::nullopt},
      {kAccelAlt, kKeyF3, kCmdSearch},
      {0, kKeyF3, kCmdAgain},
      {kAccelControl | kAccelAlt, kKeyF3, std::nullopt},
  };
  for (const Case& c : cases) {
    commands.clear();
    EXPECT_EQ(headless::TranslateAccelerator(window_, c.modifiers, c.key), c.command.has_value());
    if (c.command) {
      EXPECT_EQ(commands, std::vector<WParam>{MakeWParam(*c.command, 1)});
    } else {
      EXPECT_TRUE(commands.empty());
    }
  }
}

TEST_F(HeadlessShell, MessageLoopRunsQueuedMessagesUntilQuit) {
  ASSERT_TRUE(LoadAccelerators(kTable));
  headless::QueueMessage(window_, WM_KEYDOWN, kKeyF3, 0);  // taken by the accelerator table
  headless::QueueMessage(window_, WM_KEYDOWN, 0x28, 0);
  headless::QueueMessage(window_, WM_COMMAND, kCmdQuit, 0);
  headless::QueueMessage(window_, WM_PAINT, 0, 0);
  EXPECT_EQ(RunMessageLoop(), 3);
  EXPECT_EQ(messages, (std::vector<std::uint32_t>{WM_COMMAND, WM_KEYDOWN, WM_COMMAND}));
  EXPECT_EQ(headless::QueuedMessages(), 1u);
  EXPECT_FALSE(headless::MessageLoopStarved());

  messages.clear();
  EXPECT_EQ(RunMessageLoop(), 3);  // quit already posted
  EXPECT_TRUE(messages.empty());
}

TEST_F(HeadlessShell, MessageLoopThatRunsDryStarves) {
  headless::QueueMessage(window_, WM_KEYDOWN, 0x28, 0);
  EXPECT_EQ(RunMessageLoop(), -1);
  EXPECT_TRUE(headless::MessageLoopStarved());
  EXPECT_EQ(messages, std::vector<std::uint32_t>{WM_KEYDOWN});
}

TEST_F(HeadlessShell, ShellCallsAndTaskbarAreRecorded) {
  EXPECT_EQ(FindTaskbarWindow(), nullptr);
  WindowHandle taskbar = headless::SimulateTaskbar(true);
  EXPECT_EQ(FindTaskbarWindow(), taskbar);
  ShowWindow(taskbar, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(taskbar));
  ShellFullScreen(window_, 0x2A);
  OpenWebAddress(window_, u"https://example.org/");
  ShellHandleSettingChange(window_, 1, 2);

  const auto& calls = headless::ShellCalls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0].kind, headless::ShellCallKind::kFindTaskbar);
  EXPECT_EQ(calls[2].kind, headless::ShellCallKind::kShowTaskbar);
  EXPECT_EQ(calls[2].flags, static_cast<std::uint32_t>(SW_HIDE));
  EXPECT_EQ(calls[3].kind, headless::ShellCallKind::kFullScreen);
  EXPECT_EQ(calls[3].flags, 0x2Au);
  EXPECT_EQ(calls[4].address, u"https://example.org/");
  EXPECT_EQ(calls[5].lParam, 2);

  EXPECT_EQ(GetPlatformVersion().major, 3u);
  headless::SetPlatformVersion({4, 21});
  EXPECT_EQ(GetPlatformVersion().minor, 21u);
}

TEST_F(HeadlessShell, RunningCopyIsSimulatedAndCallsRecorded) {
  EXPECT_EQ(FindRunningCopy(u"Velmora", u"Velmora"), nullptr);
  headless::SimulateRunningCopy(RunningCopyFront::kMainWindow);
  RunningCopy* copy = FindRunningCopy(u"Velmora", u"Velmora");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(RunningCopyForeground(copy), RunningCopyFront::kMainWindow);
  SendCommandToRunningCopy(copy, kCmdOpen);
  ForgetRunningCopy(copy);
  EXPECT_TRUE(ListenAsRunningCopy(u"Velmora", u"Velmora"));
  SetRunningCopyWindow(window_);

  const auto& calls = headless::InstanceCalls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[1].kind, headless::InstanceCallKind::kFind);
  EXPECT_EQ(calls[1].className, u"Velmora");
  EXPECT_EQ(calls[2].kind, headless::InstanceCallKind::kSendCommand);
  EXPECT_EQ(calls[2].command, kCmdOpen);
  EXPECT_EQ(calls[3].kind, headless::InstanceCallKind::kForget);
  EXPECT_EQ(calls[4].kind, headless::InstanceCallKind::kListen);
  EXPECT_EQ(calls[5].window, window_);

  headless::ResetAll();
  headless::FailListen(RunningCopyFront::kOwnWindow);
  EXPECT_EQ(FindRunningCopy(u"Velmora", u"Velmora"), nullptr);
  EXPECT_FALSE(ListenAsRunningCopy(u"Velmora", u"Velmora"));
  copy = FindRunningCopy(u"Velmora", u"Velmora");
  ASSERT_NE(copy, nullptr) << "the copy that got there first";
  EXPECT_EQ(RunningCopyForeground(copy), RunningCopyFront::kOwnWindow);
  ForgetRunningCopy(copy);
}

std::vector<std::u16string> EnumeratedFaces(int stopAfter) {
  struct Visit {
    std::vector<std::u16string> faces;
    int stopAfter;
    static int Add(const FontFamily& family, void* context) {
      auto* visit = static_cast<Visit*>(context);
      visit->faces.emplace_back(family.faceName);
      return static_cast<int>(visit->faces.size()) < visit->stopAfter ? 1 : 0;
    }
  } visit{{}, stopAfter};
  EnumerateFontFamilies(nullptr, Visit::Add, &visit);
  return visit.faces;
}

TEST_F(HeadlessShell, FontFamiliesAreReportedInOrderUntilTheVisitorStops) {
  EXPECT_TRUE(EnumeratedFaces(10).empty());
  std::vector<FontFamily> families(3);
  families[0].faceName[0] = u'Z';
  families[1].faceName[0] = u'A';
  families[2].faceName[0] = u'M';
  headless::SetFontFamilies(families);
  EXPECT_EQ(EnumeratedFaces(10), (std::vector<std::u16string>{u"Z", u"A", u"M"}));
  EXPECT_EQ(EnumeratedFaces(2), (std::vector<std::u16string>{u"Z", u"A"}));
  headless::ResetAll();
  EXPECT_TRUE(EnumeratedFaces(10).empty());
}

TEST_F(HeadlessShell, ResetReturnsEverythingToItsStart) {
  CommandBarCreate(window_, 1);
  headless::SimulateTaskbar(true);
  headless::SimulateRunningCopy(RunningCopyFront::kOtherProgram);
  headless::ScriptDialog(103, [](WindowHandle) {});
  headless::QueueMessage(window_, WM_PAINT, 0, 0);
  headless::SetSystemMetric(SM_CXVSCROLL, 20);
  headless::SetDefaultClientSize(100, 100);
  ASSERT_TRUE(LoadAccelerators(kTable));
  PostQuitMessage(0);
  ShellFullScreen(window_, 0);

  headless::ResetAll();
  EXPECT_FALSE(headless::DescribeWindow(window_).has_value());
  EXPECT_TRUE(headless::TopLevelWindows().empty());
  EXPECT_TRUE(headless::Bars().empty());
  EXPECT_TRUE(messages.empty());  // freed silently
  EXPECT_TRUE(headless::ShellCalls().empty());
  EXPECT_EQ(FindTaskbarWindow(), nullptr);
  EXPECT_EQ(FindRunningCopy(u"Velmora", u"Velmora"), nullptr);
  EXPECT_EQ(headless::PendingDialogScripts(), 0u);
  EXPECT_EQ(headless::QueuedMessages(), 0u);
  EXPECT_FALSE(headless::PostedQuit().has_value());
  EXPECT_FALSE(headless::ActiveAcceleratorTable().has_value());
  EXPECT_EQ(GetSystemMetric(SM_CXVSCROLL), 13);
  EXPECT_FALSE(LoadAccelerators(kTable));  // the installed table is gone
  EXPECT_TRUE(headless::RegisteredClasses().empty());
  RegisterWindowClass({u"Main", Proc, 0, 0});
  WindowCreation creation;
  creation.className = u"Main";
  EXPECT_EQ(GetClientRect(CreateTopLevelWindow(creation)).right, 240);
}

}  // namespace
}  // namespace velmora::platform
