// Qt windows: creation and destruction order, the client area and its back
// buffer, keys, presses and scroll-bar actions as messages, painting, the two
// bars with their menus and checks, full screen and the message loop.
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include "platform/menu.h"
#include "platform/message_loop.h"
#include "platform/qt/qt_handles.h"
#include "platform/shell.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "qt_message_recorder.h"
#include "resources/ids.h"
#include "resources/toolbar.h"

namespace velmora::platform {
namespace {

using qt_test::MakeRecordingWindow;
using qt_test::Messages;
using qt_test::MessagesOf;
using qt_test::ProcessPending;
using qt_test::Reaction;
using qt_test::Received;

constexpr std::int32_t kWidth = 320;
constexpr std::int32_t kHeight = 480;

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { qt_test::ResetRecording(); }
  void TearDown() override {
    DestroyWindow(window_);
    qt_test::ResetRecording();
    ProcessPending();
  }

  WindowHandle Make(std::uint32_t style) {
    window_ = MakeRecordingWindow(style, kWidth, kHeight);
    return window_;
  }

  // The last message of kind `message`; fails the test when there is none.
  Received Last(std::uint32_t message) {
    const auto found = MessagesOf(message);
    EXPECT_FALSE(found.empty()) << "no message " << message;
    return found.empty() ? Received{} : found.back();
  }

  WindowHandle window_ = nullptr;
};

bool SameRect(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(QtWindowTest, CreateComesWithTheClientSizeThenSizeThenDestroyLast) {
  Rect clientAtCreate;
  Surface* surfaceAtCreate = nullptr;
  Reaction() = [&](const Received& received) -> std::optional<LResult> {
    if (received.message == WM_CREATE) {
      clientAtCreate = GetClientRect(received.window);
      surfaceAtCreate = GetWindowSurface(received.window);
    }
    return std::nullopt;
  };
  WindowHandle window = Make(WS_VSCROLL);
  ASSERT_NE(window, nullptr);
  const std::int32_t clientWidth = kWidth - GetSystemMetric(SM_CXVSCROLL);
  ASSERT_GE(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].message, WM_CREATE);
  EXPECT_EQ(Messages()[1].message, WM_SIZE);
  EXPECT_EQ(Messages()[1].lParam, MakeLParam(static_cast<std::uint16_t>(clientWidth),
                                             static_cast<std::uint16_t>(kHeight)));
  EXPECT_TRUE(SameRect(clientAtCreate, {0, 0, clientWidth, kHeight}));
  EXPECT_EQ(surfaceAtCreate, GetWindowSurface(window));
  ASSERT_NE(surfaceAtCreate, nullptr);
  EXPECT_EQ(SurfaceImage(surfaceAtCreate).deviceIndependentSize().toSize(),
            QSize(clientWidth, kHeight));
  const Rect place = GetWindowRect(window);
  EXPECT_EQ(place.right - place.left, kWidth);

  DestroyWindow(window);
  EXPECT_EQ(Messages().back().message, WM_DESTROY);
  const std::size_t count = Messages().size();
  EXPECT_TRUE(SameRect(GetClientRect(window), {}));
  EXPECT_EQ(SendMessage(window, WM_PAINT, 0, 0), 0);
  DestroyWindow(window);
  EXPECT_EQ(Messages().size(), count) << "a destroyed window receives nothing";
}

TEST_F(QtWindowTest, RefusedCreationDestroysTheWindowAndFails) {
  Reaction() = [](const Received& received) -> std::optional<LResult> {
    if (received.message == WM_CREATE) return -1;
    return std::nullopt;
  };
  EXPECT_EQ(Make(0), nullptr);
  EXPECT_EQ(MessagesOf(WM_DESTROY).size(), 1u);
  EXPECT_TRUE(MessagesOf(WM_SIZE).empty());
}

TEST_F(QtWindowTest, DefaultPlaceIsAPortraitPageOnTheScreen) {
  RegisterWindowClass({qt_test::kRecordingClass, qt_test::RecordingWindowProc, 0, 0});
  WindowCreation creation;
  creation.className = qt_test::kRecordingClass;
  window_ = CreateTopLevelWindow(creation);
  ASSERT_NE(window_, nullptr);
  const Rect place = GetWindowRect(window_);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_GT(place.bottom - place.top, place.right - place.left);
  EXPECT_TRUE(screen.contains(
      QRect(place.left, place.top, place.right - place.left, place.bottom - place.top)));
}

TEST_F(QtWindowTest, ClassIconComesFromItsIconResource) {
  constexpr std::u16string_view kIconClass = u"IconWindow";
  RegisterWindowClass({kIconClass, qt_test::RecordingWindowProc, 0, resources::kIconProgram});
  EXPECT_FALSE(RegisterWindowClass({kIconClass, qt_test::RecordingWindowProc, 0, 0}))
      << "a class is registered once";
  WindowCreation creation;
  creation.className = kIconClass;
  window_ = CreateTopLevelWindow(creation);
  ASSERT_NE(window_, nullptr);
  EXPECT_FALSE(WidgetOf(window_)->windowIcon().isNull());
  WindowHandle plain = MakeRecordingWindow(0, kWidth, kHeight);
  EXPECT_TRUE(WidgetOf(plain)->windowIcon().isNull());
  DestroyWindow(plain);
}

TEST_F(QtWindowTest, BackBufferStaysTheSameSurfaceAcrossResizes) {
  WindowHandle window = Make(0);
  Surface* surface = GetWindowSurface(window);
  FillRect(surface, {0, 0, 10, 10}, GetStockBrush(StockBrush::kBlack));
  MoveWindow(window, 20, 30, 200, 260, true);
  EXPECT_EQ(GetWindowSurface(window), surface);
  const QImage& image = SurfaceImage(surface);
  EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(200, 260));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white)) << "a resized buffer starts white";
  EXPECT_EQ(Last(WM_SIZE).lParam, MakeLParam(200, 260));
  EXPECT_TRUE(SameRect(GetWindowRect(window), {20, 30, 220, 290}));
}

TEST_F(QtWindowTest, CloseGoesToTheProcedureWhoseDefaultDestroys) {
  WindowHandle window = Make(0);
  // A procedure that keeps WM_CLOSE to itself keeps the window.
  Reaction() = [](const Received& received) -> std::optional<LResult> {
    if (received.message == WM_CLOSE) return 0;
    return std::nullopt;
  };
  WidgetOf(window)->close();
  EXPECT_EQ(MessagesOf(WM_CLOSE).size(), 1u);
  EXPECT_TRUE(MessagesOf(WM_DESTROY).empty());

  Reaction() = nullptr;
  WidgetOf(window)->close();
  EXPECT_EQ(MessagesOf(WM_CLOSE).size(), 2u);
  EXPECT_EQ(Messages().back().message, WM_DESTROY);
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(QtWindowTest, KeysBecomeVirtualKeyCodes) {
  WindowHandle window = Make(0);
  const struct {
    Qt::Key key;
    std::uint32_t virtualKey;
  } kKeys[] = {
      {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
      {Qt::Key_Home, VK_HOME},    {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},
      {Qt::Key_Right, VK_RIGHT},  {Qt::Key_Down, VK_DOWN},     {Qt::Key_Return, VK_RETURN},
      {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_F5, 0x74},
      {Qt::Key_F12, 0x7B},        {Qt::Key_A, 0x41},           {Qt::Key_Z, 0x5A},
      {Qt::Key_7, 0x37},
  };
  for (const auto& entry : kKeys) {
    SCOPED_TRACE(entry.key);
    Messages().clear();
    QTest::keyClick(window->client, entry.key);
    ASSERT_EQ(MessagesOf(WM_KEYDOWN).size(), 1u);
    EXPECT_EQ(Last(WM_KEYDOWN).wParam, entry.virtualKey);
  }
  Messages().clear();
  QTest::keyClick(window->client, Qt::Key_F1);
  EXPECT_EQ(MessagesOf(WM_HELP).size(), 1u);
  EXPECT_TRUE(MessagesOf(WM_KEYDOWN).empty());
}

TEST_F(QtWindowTest, AcceleratorTableTurnsKeysIntoCommandsFirst) {
  WindowHandle window = Make(0);
  EXPECT_FALSE(LoadAccelerators(0xFFFF));
  ASSERT_TRUE(LoadAccelerators(resources::kAcceleratorTable));
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::uint16_t command;  // 0: a plain key press
    std::uint32_t virtualKey;
  } kCases[] = {
      {Qt::Key_Q, Qt::ControlModifier, resources::kCmdExit, 0},
      {Qt::Key_F3, Qt::NoModifier, resources::kCmdSearchAgain, 0},
      {Qt::Key_F3, Qt::AltModifier, resources::kCmdSearch, 0},
      {Qt::Key_Q, Qt::NoModifier, 0, 0x51},
      {Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier, 0, 0x51},
  };
  for (const auto& entry : kCases) {
    SCOPED_TRACE(entry.key);
    Messages().clear();
    QTest::keyClick(window->client, entry.key, entry.modifiers);
    if (entry.command != 0) {
      ASSERT_EQ(MessagesOf(WM_COMMAND).size(), 1u);
      EXPECT_EQ(Last(WM_COMMAND).wParam, MakeWParam(entry.command, 1));
      EXPECT_TRUE(MessagesOf(WM_KEYDOWN).empty());
    } else {
      EXPECT_TRUE(MessagesOf(WM_COMMAND).empty());
      EXPECT_EQ(Last(WM_KEYDOWN).wParam, entry.virtualKey);
    }
  }
}

TEST_F(QtWindowTest, LeftPressBecomesButtonDownInClientCoordinates) {
  WindowHandle window = Make(0);
  QTest::mouseClick(window->client, Qt::RightButton, {}, QPoint(5, 6));
  EXPECT_TRUE(MessagesOf(WM_LBUTTONDOWN).empty());
  QTest::mouseClick(window->client, Qt::LeftButton, {}, QPoint(17, 42));
  EXPECT_EQ(Last(WM_LBUTTONDOWN).lParam, MakeLParam(17, 42));
}

TEST_F(QtWindowTest, ScrollBarActionsBecomeScrollRequestsAndTheBarShowsTheProgramsPosition) {
  WindowHandle window = Make(WS_VSCROLL);
  QScrollBar* bar = window->scrollBar;
  ASSERT_NE(bar, nullptr);
  SetVerticalScrollBar(window, {0, 100, 10, 20}, true);
  EXPECT_TRUE(MessagesOf(WM_VSCROLL).empty()) << "setting the bar sends nothing";
  const struct {
    QAbstractSlider::SliderAction action;
    std::uint16_t request;
  } kActions[] = {
      {QAbstractSlider::SliderSingleStepSub, SB_LINEUP},
      {QAbstractSlider::SliderSingleStepAdd, SB_LINEDOWN},
      {QAbstractSlider::SliderPageStepSub, SB_PAGEUP},
      {QAbstractSlider::SliderPageStepAdd, SB_PAGEDOWN},
      {QAbstractSlider::SliderToMinimum, SB_TOP},
      {QAbstractSlider::SliderToMaximum, SB_BOTTOM},
  };
  for (const auto& entry : kActions) {
    SCOPED_TRACE(entry.request);
    Messages().clear();
    bar->triggerAction(entry.action);
    ASSERT_EQ(MessagesOf(WM_VSCROLL).size(), 1u);
    EXPECT_EQ(LowWord(Last(WM_VSCROLL).wParam), entry.request);
    EXPECT_EQ(bar->value(), 20) << "the program did not move it";
  }
  Messages().clear();
  bar->setSliderDown(true);
  bar->setSliderPosition(33);
  EXPECT_EQ(Last(WM_VSCROLL).wParam, MakeWParam(SB_THUMBTRACK, 33));
  bar->setSliderDown(false);
  EXPECT_EQ(LowWord(Last(WM_VSCROLL).wParam), SB_THUMBPOSITION);
}

TEST_F(QtWindowTest, PaintingErasesInsideBeginPaintAndShowsTheBuffer) {
  WindowHandle window = Make(WS_VISIBLE);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(window)));
  ProcessPending();
  UpdateWindow(window);
  Messages().clear();
  UpdateWindow(window);
  EXPECT_TRUE(Messages().empty()) << "nothing waits for painting";

  InvalidateRect(window, nullptr, true);
  UpdateWindow(window);
  ASSERT_EQ(qt_test::MessageNumbers(), (std::vector<std::uint32_t>{WM_PAINT, WM_ERASEBKGND}));
  EXPECT_EQ(Last(WM_ERASEBKGND).wParam, reinterpret_cast<WParam>(GetWindowSurface(window)));

  FillRect(GetWindowSurface(window), {5, 5, 15, 15}, GetStockBrush(StockBrush::kBlack));
  const QImage shown = window->client->grab().toImage();
  const qreal ratio = shown.devicePixelRatio();
  EXPECT_EQ(shown.pixelColor(static_cast<int>(10 * ratio), static_cast<int>(10 * ratio)),
            QColor(Qt::black));
}

// The actions of `bar` that carry command `command`.
std::vector<QAction*> ActionsFor(WindowHandle bar, std::uint16_t command) {
  std::vector<QAction*> found;
  for (QAction* action : WidgetOf(bar)->findChildren<QAction*>()) {
    if (action->data().toUInt() == command) found.push_back(action);
  }
  return found;
}

TEST_F(QtWindowTest, CommandBarHoldsTheMenuAndButtonsAtAFixedHeight) {
  WindowHandle window = Make(0);
  WindowHandle bar = CommandBarCreate(window, resources::kCommandBarId);
  ASSERT_NE(bar, nullptr);
  const std::int32_t height = CommandBarHeight(bar);
  EXPECT_GT(height, 0);
  ASSERT_TRUE(CommandBarInsertMenubar(bar, resources::kMenuMain));
  EXPECT_FALSE(CommandBarInsertMenubar(bar, 0xFFFF));
  BarAddToolTips(bar, resources::ToolbarTips());
  BarAddBitmap(bar, resources::kBitmapToolbar, resources::kToolbarImageCount,
               resources::kToolbarImageSize);
  BarAddButtons(bar, resources::ToolbarButtons());
  BarShow(bar, true);
  EXPECT_EQ(CommandBarHeight(bar), height) << "the height taken at once stays true";
  EXPECT_TRUE(SameRect(GetWindowRect(bar), {0, 0, kWidth, height}));

  // Key names show at the right of the item and are no shortcuts of their own.
  const auto exits = ActionsFor(bar, resources::kCmdExit);
  ASSERT_EQ(exits.size(), 1u);
  EXPECT_EQ(exits[0]->text(), QStringLiteral("E&xit\tCtrl+Q"));
  EXPECT_TRUE(exits[0]->shortcut().isEmpty());
  exits[0]->trigger();
  EXPECT_TRUE(MessagesOf(WM_COMMAND).empty()) << "posted, not sent inside the menu";
  ProcessPending();
  EXPECT_EQ(Last(WM_COMMAND).wParam, MakeWParam(resources::kCmdExit, 0));

  // Check marks belong to the program: choosing the item leaves its mark.
  MenuHandle menu = CommandBarGetMenu(bar);
  EXPECT_FALSE(IsMenuItemChecked(menu, resources::kCmdReverse));
  CheckMenuItem(menu, resources::kCmdReverse, true);
  EXPECT_TRUE(IsMenuItemChecked(menu, resources::kCmdReverse));
  ActionsFor(bar, resources::kCmdReverse).front()->trigger();
  EXPECT_TRUE(IsMenuItemChecked(menu, resources::kCmdReverse));
  CheckMenuItem(menu, resources::kCmdReverse, false);
  EXPECT_FALSE(IsMenuItemChecked(menu, resources::kCmdReverse));

  // The six buttons: images, tooltips after the bar's empty first entry.
  std::vector<QAction*> buttons;
  for (QAction* action : WidgetOf(bar)->findChild<QToolBar*>()->actions()) {
    if (!action->icon().isNull()) buttons.push_back(action);
  }
  ASSERT_EQ(buttons.size(), 6u);
  EXPECT_EQ(buttons[0]->toolTip(), QStringLiteral("Previous Article"));
  EXPECT_EQ(buttons[5]->toolTip(), QStringLiteral("Search Again"));
  Messages().clear();
  buttons[2]->trigger();
  ProcessPending();
  EXPECT_EQ(Last(WM_COMMAND).wParam, MakeWParam(resources::kCmdNextArticle, 0));

  // The close button closes the window as its frame's would.
  BarAddCloseButton(bar);
  QToolButton* close = nullptr;
  for (QToolButton* button : WidgetOf(bar)->findChildren<QToolButton*>()) {
    if (button->parentWidget() == WidgetOf(bar)) close = button;
  }
  ASSERT_NE(close, nullptr);
  close->click();
  ProcessPending();
  EXPECT_EQ(MessagesOf(WM_CLOSE).size(), 1u);
  EXPECT_EQ(MessagesOf(WM_DESTROY).size(), 1u);
}

TEST_F(QtWindowTest, MenuBarStaysAtTheBottomWithItsDropDownButtons) {
  WindowHandle window = Make(WS_VSCROLL);
  EXPECT_EQ(CreateMenuBar(window, 0xFFFF), nullptr);
  WindowHandle bar = CreateMenuBar(window, resources::kMenuMain);
  ASSERT_NE(bar, nullptr);
  MenuHandle file = MenuBarSubMenu(bar, resources::kCmdMenuBarFile);
  MenuHandle go = MenuBarSubMenu(bar, resources::kCmdMenuBarGo);
  ASSERT_NE(file, nullptr);
  ASSERT_NE(go, nullptr);
  EXPECT_NE(file, go);
  EXPECT_EQ(MenuBarSubMenu(bar, resources::kCmdAbout), nullptr);
  CheckMenuItem(go, resources::kCmdBookmark, true);
  EXPECT_TRUE(IsMenuItemChecked(go, resources::kCmdBookmark));
  EXPECT_FALSE(IsMenuItemChecked(file, resources::kCmdBookmark));

  QStringList captions;
  for (QToolButton* button : WidgetOf(bar)->findChildren<QToolButton*>()) {
    if (button->menu() != nullptr && !button->text().isEmpty()) captions << button->text();
  }
  EXPECT_EQ(captions, (QStringList{QStringLiteral("File"), QStringLiteral("Go")}));

  MoveWindow(window, 0, 0, 400, 500, true);
  const Rect client = GetClientRect(window);
  const Rect place = GetWindowRect(bar);
  EXPECT_EQ(place.bottom, client.bottom);
  EXPECT_EQ(place.right, client.right);
  // The bar is docked: a move asked of it changes nothing.
  MoveWindow(bar, 0, 0, 50, 10, true);
  EXPECT_TRUE(SameRect(GetWindowRect(bar), place));
}

TEST_F(QtWindowTest, FullScreenFollowsTheTaskbarFlags) {
  WindowHandle window = Make(WS_VISIBLE);
  ShellFullScreen(window, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
  EXPECT_TRUE(WidgetOf(window)->isFullScreen());
  const Rect full = GetWindowRect(window);
  MoveWindow(window, 5, 5, 100, 100, false);
  EXPECT_TRUE(SameRect(GetWindowRect(window), full)) << "the window system places it";
  ShellFullScreen(window, SHFS_HIDESIPBUTTON);
  EXPECT_TRUE(WidgetOf(window)->isFullScreen());
  ShellFullScreen(window, SHFS_SHOWTASKBAR);
  EXPECT_FALSE(WidgetOf(window)->isFullScreen());
  EXPECT_EQ(FindTaskbarWindow(), nullptr);
  EXPECT_EQ(GetPlatformVersion().major, 3u);
  EXPECT_EQ(GetPlatformVersion().minor, 0u);
}

TEST(QtFontFamilies, EveryFamilyComesOnceWithAFaceNameThatFitsUntilTheVisitorStops) {
  struct Seen {
    int families = 0;
    int stopAfter = 0;
    bool namesFit = true;
  };
  const auto visit = [](const FontFamily& family, void* context) {
    auto& seen = *static_cast<Seen*>(context);
    ++seen.families;
    const std::u16string_view name(family.faceName);
    seen.namesFit = seen.namesFit && !name.empty() && name.size() < std::size(family.faceName);
    return seen.families == seen.stopAfter ? 0 : 1;
  };
  Seen all;
  EnumerateFontFamilies(nullptr, visit, &all);
  EXPECT_GT(all.families, 0);
  EXPECT_TRUE(all.namesFit);
  Seen first{0, 1, true};
  EnumerateFontFamilies(nullptr, visit, &first);
  EXPECT_EQ(first.families, 1);
}

TEST(QtMessageLoop, QuitEndsTheLoopWithItsCodeEvenWhenPostedBeforeIt) {
  PostQuitMessage(7);
  EXPECT_EQ(RunMessageLoop(), 7);
  QTimer::singleShot(0, [] { PostQuitMessage(3); });
  EXPECT_EQ(RunMessageLoop(), 3);
}

}  // namespace
}  // namespace velmora::platform
