// Start-up: the hand-over to a running copy, the main window and its class,
// the first-run font choice, the taskbar in full-screen mode, and the
// accelerators of the message loop.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/instance.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"
#include "tests/support/stored_values.h"
#include "tests/support/test_environment.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using headless::InstanceCallKind;
using headless::ShellCallKind;
using platform::RunningCopyFront;

class StartupTest : public ProgramTest {
 protected:
  // Runs the entry routine on a first run whose font dialog queues the Exit
  // command, so that the message loop ends; `duringDialog` looks around while
  // the dialog runs.
  int RunUntilExit(std::function<void(platform::WindowHandle dialog)> duringDialog = {}) {
    ForgetFontName();
    headless::ScriptDialog(resources::kDialogFont, [&](platform::WindowHandle dialog) {
      main_ = platform::GetParent(dialog);
      if (duringDialog) duringDialog(dialog);
      headless::QueueMessage(main_, platform::WM_COMMAND, resources::kCmdExit, 0);
    });
    return shell::EntryRoutine(platform::SW_SHOWNORMAL);
  }

  std::vector<headless::ShellCall> ShellCallsOf(ShellCallKind kind) {
    std::vector<headless::ShellCall> found;
    for (const headless::ShellCall& call : headless::ShellCalls()) {
      if (call.kind == kind) found.push_back(call);
    }
    return found;
  }

  platform::WindowHandle main_ = nullptr;
};

TEST_F(StartupTest, ASecondCopyHandsOverAndWritesNothing) {
  const struct {
    const char* name;
    RunningCopyFront front;
    std::vector<InstanceCallKind> calls;
  } cases[] = {
      {"MainWindowInFrontOpensChooseArticle",
       RunningCopyFront::kMainWindow,
       {InstanceCallKind::kFind, InstanceCallKind::kSendCommand, InstanceCallKind::kForget}},
      {"OtherProgramInFrontBringsItToTheFront",
       RunningCopyFront::kOtherProgram,
       {InstanceCallKind::kFind, InstanceCallKind::kBringToFront, InstanceCallKind::kForget}},
      {"ItsDialogInFrontChangesNothing",
       RunningCopyFront::kOwnWindow,
       {InstanceCallKind::kFind, InstanceCallKind::kForget}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    std::filesystem::remove(RegistryFile());
    headless::SimulateRunningCopy(c.front);
    EXPECT_EQ(shell::EntryRoutine(platform::SW_SHOWNORMAL), 0);
    std::vector<InstanceCallKind> kinds;
    for (const headless::InstanceCall& call : headless::InstanceCalls()) {
      kinds.push_back(call.kind);
      if (call.kind == InstanceCallKind::kFind) {
        EXPECT_EQ(call.className, shell::kMainWindowClass);
        EXPECT_EQ(call.title, shell::kMainWindowTitle);
      }
      if (call.kind == InstanceCallKind::kSendCommand) {
        EXPECT_EQ(call.command, resources::kCmdChooseArticle);
      }
    }
    EXPECT_EQ(kinds, c.calls);
    EXPECT_TRUE(headless::TopLevelWindows().empty());
    EXPECT_TRUE(headless::RegisteredClasses().empty());
    EXPECT_TRUE(headless::AcceleratorLoads().empty());
    EXPECT_FALSE(std::filesystem::exists(RegistryFile()));
  }
}

TEST_F(StartupTest, MainWindowHasItsClassAndStyle) {
  const struct {
    const char* name;
    AppFlags flags;
    bool scrollBar;
  } cases[] = {
      {"Bit6GivesAScrollBar", 0x00000040, true},
      {"Bit7GivesAScrollBar", 0x00000080, true},
      {"NeitherBitNoScrollBar", 0xD1140000, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StoreProgramValue(settings::kFlags, c.flags);
    Start();
    ASSERT_EQ(headless::RegisteredClasses().size(), 1u);
    const headless::ClassRecord& registered = headless::RegisteredClasses()[0];
    EXPECT_EQ(registered.name, shell::kMainWindowClass);
    EXPECT_EQ(registered.procedure, &shell::MainWindowProc);
    EXPECT_EQ(registered.style, platform::CS_HREDRAW | platform::CS_VREDRAW);
    EXPECT_EQ(registered.iconId, resources::kIconProgram);

    const std::optional<headless::WindowInfo> info = headless::DescribeWindow(window_);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->className, shell::kMainWindowClass);
    EXPECT_EQ(info->text, shell::kMainWindowTitle);
    EXPECT_EQ(info->exStyle, platform::WS_EX_WINDOWEDGE);
    EXPECT_EQ(info->style, platform::WS_VISIBLE | (c.scrollBar ? platform::WS_VSCROLL : 0));
    EXPECT_TRUE(info->visible);
    EXPECT_EQ(appState.mainWindow, window_);
    // Painted before anything else happens.
    EXPECT_FALSE(headless::NeedsPaint(window_));
    EXPECT_GT(View().rowsPainted, 0);
    EXPECT_EQ(headless::ScrollBarOf(window_).has_value(), c.scrollBar);
  }
}

// Findable from before the window is made: a later copy that starts while
// this one loads, or shows a message inside window creation, hands over.
TEST_F(StartupTest, IsFindableBeforeItsWindowIsMade) {
  Start();
  const std::vector<headless::InstanceCall>& calls = headless::InstanceCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].kind, InstanceCallKind::kFind);
  EXPECT_EQ(calls[1].kind, InstanceCallKind::kListen);
  EXPECT_EQ(calls[1].className, shell::kMainWindowClass);
  EXPECT_EQ(calls[1].title, shell::kMainWindowTitle);
  EXPECT_EQ(calls[2].kind, InstanceCallKind::kSetWindow);
  EXPECT_EQ(calls[2].window, window_);

  Restart();
  headless::FailWindowCreation(true);
  EXPECT_EQ(shell::EntryRoutine(platform::SW_SHOWNORMAL), 0);
  std::vector<InstanceCallKind> kinds;
  for (const headless::InstanceCall& call : headless::InstanceCalls()) kinds.push_back(call.kind);
  EXPECT_EQ(kinds,
            (std::vector<InstanceCallKind>{InstanceCallKind::kFind, InstanceCallKind::kListen}));
}

// A listen that fails leaves no second copy running beside the first: the
// copy that got there meanwhile gets the reader, and this one reads and
// writes nothing.
TEST_F(StartupTest, AFailedListenEndsTheCopyBeforeItTouchesTheSettings) {
  const struct {
    const char* name;
    std::optional<RunningCopyFront> startedMeanwhile;
    std::vector<InstanceCallKind> calls;
  } cases[] = {
      {"NoCopyToBeFound",
       std::nullopt,
       {InstanceCallKind::kFind, InstanceCallKind::kListen, InstanceCallKind::kFind}},
      {"ACopyStartedMeanwhile",
       RunningCopyFront::kMainWindow,
       {InstanceCallKind::kFind, InstanceCallKind::kListen, InstanceCallKind::kFind,
        InstanceCallKind::kSendCommand, InstanceCallKind::kForget}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    std::filesystem::remove(RegistryFile());
    headless::FailListen(c.startedMeanwhile);
    EXPECT_EQ(shell::EntryRoutine(platform::SW_SHOWNORMAL), 0);
    std::vector<InstanceCallKind> kinds;
    for (const headless::InstanceCall& call : headless::InstanceCalls()) kinds.push_back(call.kind);
    EXPECT_EQ(kinds, c.calls);
    EXPECT_TRUE(headless::TopLevelWindows().empty());
    EXPECT_TRUE(headless::RegisteredClasses().empty());
    EXPECT_FALSE(std::filesystem::exists(RegistryFile()));
  }
}

TEST_F(StartupTest, StoredArticleShowsAtItsStoredRow) {
  StoreProgramValue(settings::kLesson, 2);
  StoreProgramValue(settings::kLastPosition, 7);
  Start();
  EXPECT_TRUE(ShowsArticle(2));
  EXPECT_EQ(View().topRow, 7);
  EXPECT_EQ(headless::ScrollBarOf(window_)->position, 7);
}

TEST_F(StartupTest, WithoutAStoredArticleTheFirstShowsFromItsTop) {
  StoreProgramValue(settings::kLastPosition, 7);
  Start();
  EXPECT_EQ(appState.currentArticle, 1);
  EXPECT_TRUE(ShowsArticle(1));
  EXPECT_EQ(View().topRow, 0);
}

TEST_F(StartupTest, AStoredFaceOpensNoFontDialog) {
  Start();
  EXPECT_TRUE(headless::DialogRuns().empty());
}

// The view takes the font settings the dialog leaves, whatever its answer.
TEST_F(StartupTest, FirstRunAppliesTheFontSettingsAfterTheDialog) {
  for (std::intptr_t answer : {std::intptr_t{platform::IDOK}, std::intptr_t{platform::IDCANCEL}}) {
    SCOPED_TRACE(answer);
    Restart();
    ForgetFontName();
    headless::ScriptDialog(resources::kDialogFont, [answer](platform::WindowHandle dialog) {
      appState.fontSettings.size = 20;
      platform::EndDialog(dialog, answer);
    });
    Start();
    ASSERT_EQ(headless::DialogRuns().size(), 1u);
    const headless::DialogRun& run = headless::DialogRuns()[0];
    EXPECT_EQ(run.templateId, resources::kDialogFont);
    EXPECT_EQ(run.owner, window_);
    EXPECT_EQ(run.parameter, reinterpret_cast<platform::LParam>(&appState.fontSettings));
    EXPECT_EQ(run.result, answer);
    EXPECT_EQ(View().fonts.size, 20);
    // Laid out and painted again in the new size.
    const std::vector<headless::DrawCall>& calls = headless::DrawCalls(View().surface);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().fontHeight, 20);
    EXPECT_EQ(View().rowsPainted, View().height / 20);
  }
}

// Both font dialogs lay the article out again; the scroll bar follows the new
// rows, or a first start would show no thumb until the reader scrolls.
TEST_F(StartupTest, TheScrollBarFollowsTheLayoutAfterEachFontDialog) {
  const auto growToSize40 = [](platform::WindowHandle dialog) {
    appState.fontSettings.size = 40;
    platform::EndDialog(dialog, platform::IDOK);
  };
  for (const bool firstRun : {true, false}) {
    SCOPED_TRACE(firstRun ? "FirstRun" : "FontCommand");
    Restart();
    if (firstRun) {
      ForgetFontName();
      headless::ScriptDialog(resources::kDialogFont, growToSize40);
    }
    Start();
    if (!firstRun) {
      headless::ScriptDialog(resources::kDialogFont, growToSize40);
      platform::SendMessage(window_, platform::WM_COMMAND, resources::kCmdFont, 0);
    }
    ASSERT_EQ(View().fonts.size, 40);
    const std::optional<platform::ScrollBarState> bar = headless::ScrollBarOf(window_);
    ASSERT_TRUE(bar.has_value());
    EXPECT_GT(View().lastTopRow, 0);
    EXPECT_EQ(bar->maximum, View().lastTopRow);
    EXPECT_EQ(bar->position, View().topRow);
  }
}

TEST_F(StartupTest, EntryRoutineAsksForAFontBeforeTheMessageLoop) {
  bool shownBeforeDialog = false;
  bool acceleratorsBeforeDialog = true;
  EXPECT_EQ(RunUntilExit([&](platform::WindowHandle) {
              shownBeforeDialog = headless::IsLiveWindow(main_) &&
                                  headless::DescribeWindow(main_)->visible &&
                                  !headless::NeedsPaint(main_);
              acceleratorsBeforeDialog = !headless::AcceleratorLoads().empty();
            }),
            0);
  EXPECT_TRUE(shownBeforeDialog);
  EXPECT_FALSE(acceleratorsBeforeDialog);
  EXPECT_EQ(headless::AcceleratorLoads(), std::vector<std::uint16_t>{resources::kAcceleratorTable});
  EXPECT_FALSE(headless::MessageLoopStarved());
  EXPECT_FALSE(headless::IsLiveWindow(main_));
  // Everything written at exit.
  EXPECT_EQ(ReadStoredKey(settings::ProgramKey).at("Lesson"), DwordValue(1));
}

TEST_F(StartupTest, FullScreenHidesTheTaskbarForTheRun) {
  const struct {
    const char* name;
    std::uint32_t fullScreen;
    bool taskbar;
    bool visibleAtStart;
    std::vector<int> taskbarShows;  // ShowWindow commands on the taskbar
  } cases[] = {
      {"VisibleTaskbarIsHiddenAndShownAgain",
       1,
       true,
       true,
       {platform::SW_HIDE, platform::SW_SHOW}},
      {"HiddenTaskbarStaysHidden", 1, true, false, {platform::SW_HIDE}},
      {"NoTaskbarWindow", 1, false, false, {}},
      {"WindowedNeverLooksForIt", 0, true, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    headless::SetDefaultWindowOrigin(10, 30);
    StoreDeviceOption(settings::kFullScreen, c.fullScreen);
    platform::WindowHandle taskbar =
        c.taskbar ? headless::SimulateTaskbar(c.visibleAtStart) : nullptr;
    std::optional<headless::WindowInfo> mainDuringRun;
    EXPECT_EQ(RunUntilExit(
                  [&](platform::WindowHandle) { mainDuringRun = headless::DescribeWindow(main_); }),
              0);
    EXPECT_EQ(ShellCallsOf(ShellCallKind::kFindTaskbar).size(), c.fullScreen != 0 ? 1u : 0u);
    std::vector<int> shows;
    for (const headless::ShellCall& call : ShellCallsOf(ShellCallKind::kShowTaskbar)) {
      EXPECT_EQ(call.window, taskbar);
      shows.push_back(static_cast<int>(call.flags));
    }
    EXPECT_EQ(shows, c.taskbarShows);
    if (taskbar != nullptr && c.fullScreen != 0) {
      EXPECT_EQ(headless::DescribeWindow(taskbar)->visible, c.visibleAtStart);
    }

    // In full-screen mode the window covers the strip where the taskbar was.
    ASSERT_TRUE(mainDuringRun.has_value());
    const std::vector<headless::ShellCall> fullScreenCalls =
        ShellCallsOf(ShellCallKind::kFullScreen);
    if (c.fullScreen != 0) {
      ASSERT_FALSE(fullScreenCalls.empty());
      EXPECT_EQ(fullScreenCalls[0].window, main_);
      EXPECT_EQ(fullScreenCalls[0].flags, 0x2Au);
      // Its other edges stay: 240 pixels of client and the scroll bar's 13.
      const platform::Rect& place = mainDuringRun->place;
      EXPECT_EQ(place.left, 10);
      EXPECT_EQ(place.top, 0);
      EXPECT_EQ(place.right, 10 + 240 + 13);
      EXPECT_EQ(place.bottom, 30 + 268);
    } else {
      EXPECT_TRUE(fullScreenCalls.empty());
      EXPECT_EQ(mainDuringRun->place.top, 30);
    }
  }
}

// Memory that runs out while the settings load posts the quit: the first-run
// font dialog and the message loop, which start after it, end at once.
TEST_F(StartupTest, AQuitPostedWhileLoadingEndsTheFontDialogAndTheLoopAtOnce) {
  ForgetFontName();
  bool dialogRan = false;
  headless::ScriptDialog(resources::kDialogFont,
                         [&dialogRan](platform::WindowHandle) { dialogRan = true; });
  headless::FailHeapAfter(0);
  EXPECT_EQ(shell::EntryRoutine(platform::SW_SHOWNORMAL), 0);
  headless::ResetHeapFaults();
  ASSERT_FALSE(headless::MessageBoxCalls().empty());
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
  EXPECT_FALSE(dialogRan);
  ASSERT_EQ(headless::DialogRuns().size(), 1u);
  EXPECT_EQ(headless::DialogRuns()[0].result, platform::IDCANCEL);
  EXPECT_FALSE(headless::MessageLoopStarved());
}

// A window that cannot be made ends the program at once; the taskbar hidden
// for it is shown again.
TEST_F(StartupTest, AWindowThatCannotBeMadeEndsTheProgram) {
  StoreDeviceOption(settings::kFullScreen, 1);
  platform::WindowHandle taskbar = headless::SimulateTaskbar(true);
  headless::FailWindowCreation(true);
  EXPECT_EQ(shell::EntryRoutine(platform::SW_SHOWNORMAL), 0);
  EXPECT_TRUE(headless::AcceleratorLoads().empty());
  EXPECT_FALSE(headless::MessageLoopStarved());
  EXPECT_TRUE(headless::DescribeWindow(taskbar)->visible);
  EXPECT_EQ(appState.glyphs[0], nullptr) << "what the start loaded is released";
}

}  // namespace
}  // namespace velmora::test
