// Commands and the platform's messages: the dialogs they open, the commands
// of later work taken without effect, the accelerator keys, activation and
// setting changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/menu.h"
#include "platform/messages.h"
#include "platform/shell.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "resources/ui_resources.h"
#include "shell/commands.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using headless::ShellCallKind;

using CommandsTest = ProgramTest;

TEST_F(CommandsTest, AboutOpensFromTheMenuAndFromHelp) {
  Start();
  Command(resources::kCmdAbout);
  Send(platform::WM_HELP);
  ASSERT_EQ(headless::DialogRuns().size(), 2u);
  for (const headless::DialogRun& run : headless::DialogRuns()) {
    EXPECT_EQ(run.templateId, resources::kDialogAbout);
    EXPECT_EQ(run.owner, window_);
  }
}

TEST_F(CommandsTest, FontAppliesTheSettingsOnlyAfterOk) {
  for (std::intptr_t answer : {std::intptr_t{platform::IDOK}, std::intptr_t{platform::IDCANCEL}}) {
    SCOPED_TRACE(answer);
    Restart();
    Start();
    headless::ScriptDialog(resources::kDialogFont, [answer](platform::WindowHandle dialog) {
      appState.fontSettings.size = 20;
      platform::EndDialog(dialog, answer);
    });
    EXPECT_EQ(Command(resources::kCmdFont), 0);
    ASSERT_EQ(headless::DialogRuns().size(), 1u);
    EXPECT_EQ(headless::DialogRuns()[0].owner, window_);
    EXPECT_EQ(headless::DialogRuns()[0].parameter,
              reinterpret_cast<platform::LParam>(&appState.fontSettings));
    EXPECT_EQ(View().fonts.size, answer == platform::IDOK ? 20 : 0);
  }
}

TEST_F(CommandsTest, CheckForUpdatesOpensTheUpdateAddress) {
  Start();
  EXPECT_EQ(Command(resources::kCmdCheckForUpdates), 0);
  ASSERT_EQ(headless::ShellCalls().back().kind, ShellCallKind::kOpenWebAddress);
  EXPECT_EQ(headless::ShellCalls().back().window, window_);
}

TEST_F(CommandsTest, OtherCommandsGoToTheDefaultHandling) {
  Start();
  for (std::uint16_t command : {resources::kCmdMenuBarFile, resources::kCmdMenuBarGo,
                                std::uint16_t{1}, std::uint16_t{40008}}) {
    SCOPED_TRACE(command);
    EXPECT_EQ(shell::DispatchCommand(window_, command), shell::kCommandNotOurs);
  }
  // Only the low 16 bits name the command.
  EXPECT_EQ(shell::DispatchCommand(window_, platform::MakeWParam(resources::kCmdNextArticle, 1)),
            shell::kCommandHandled);
  EXPECT_EQ(appState.currentArticle, 2);
}

// Every key name that a menu caption shows sends that item's command.
TEST_F(CommandsTest, AcceleratorsSendTheCommandsTheMenuNames) {
  struct AcceleratorKey {
    std::uint8_t modifiers;
    std::uint32_t virtualKey;
    const char16_t* name;
    std::uint16_t command;
  };
  const AcceleratorKey keys[] = {
      {platform::kAccelControl, 'D', u"Ctrl+D", resources::kCmdChooseArticle},
      {platform::kAccelControl, 'F', u"Ctrl+F", resources::kCmdFont},
      {platform::kAccelControl, 'C', u"Ctrl+C", resources::kCmdCopy},
      {platform::kAccelControl, 'E', u"Ctrl+E", resources::kCmdAppend},
      {platform::kAccelControl, 'Q', u"Ctrl+Q", resources::kCmdExit},
      {platform::kAccelAlt, platform::VK_F3, u"Alt+F3", resources::kCmdSearch},
      {0, platform::VK_F3, u"F3", resources::kCmdSearchAgain},
  };
  // A window that records the commands it receives.
  static std::vector<std::uint16_t> received;
  received.clear();
  platform::RegisterWindowClass({u"Recorder",
                                 [](platform::WindowHandle window, std::uint32_t message,
                                    platform::WParam w, platform::LParam l) -> platform::LResult {
                                   if (message == platform::WM_COMMAND)
                                     received.push_back(platform::LowWord(w));
                                   return platform::DefWindowProc(window, message, w, l);
                                 }});
  platform::WindowCreation creation;
  creation.className = u"Recorder";
  platform::WindowHandle recorder = platform::CreateTopLevelWindow(creation);
  ASSERT_NE(recorder, nullptr);
  ASSERT_TRUE(platform::LoadAccelerators(resources::kAcceleratorTable));

  // Each caption's key name, by command.
  std::vector<std::pair<std::u16string, std::uint16_t>> captions;
  for (const platform::PopupTemplate& popup :
       platform::FindMenuTemplate(resources::kMenuMain)->popups) {
    for (const platform::MenuItemTemplate& item : popup.items) {
      const std::size_t tab = item.caption.find(u'\b');
      if (tab != std::u16string_view::npos) {
        captions.emplace_back(std::u16string(item.caption.substr(tab + 1)), item.command);
      }
    }
  }
  for (const AcceleratorKey& key : keys) {
    SCOPED_TRACE(std::string(key.name, key.name + std::char_traits<char16_t>::length(key.name)));
    received.clear();
    EXPECT_TRUE(headless::TranslateAccelerator(recorder, key.modifiers, key.virtualKey));
    EXPECT_EQ(received, std::vector<std::uint16_t>{key.command});
    for (const auto& [name, command] : captions) {
      if (name == key.name) {
        EXPECT_EQ(command, key.command);
      }
    }
  }
  // Every key name shown is one of these keys.
  for (const auto& [name, command] : captions) {
    bool known = false;
    for (const AcceleratorKey& key : keys) known = known || name == key.name;
    EXPECT_TRUE(known) << "no key for a caption's key name";
  }
  // Keys without their modifiers, or with others, are not taken.
  EXPECT_FALSE(headless::TranslateAccelerator(recorder, 0, 'D'));
  EXPECT_FALSE(headless::TranslateAccelerator(recorder, platform::kAccelControl, platform::VK_F3));
  EXPECT_FALSE(headless::TranslateAccelerator(recorder, platform::kAccelAlt, 'Q'));
}

TEST_F(CommandsTest, ActivationReappliesTheScreenMode) {
  const struct {
    const char* name;
    std::uint32_t ignoreActivate;
    std::uint32_t fullScreen;
    std::uint16_t state;
    std::vector<std::uint32_t> hides;
  } cases[] = {
      {"FullScreen", 0, 1, platform::WA_ACTIVE, {0x2A}},
      {"FullScreenByClick", 0, 1, platform::WA_CLICKACTIVE, {0x2A}},
      {"Windowed", 0, 0, platform::WA_ACTIVE, {platform::SHFS_HIDESIPBUTTON}},
      {"Inactive", 0, 1, platform::WA_INACTIVE, {}},
      {"Ignored", 1, 1, platform::WA_ACTIVE, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StoreDeviceOption(settings::kIgnoreActivate, c.ignoreActivate);
    StoreDeviceOption(settings::kFullScreen, c.fullScreen);
    Start();
    const std::size_t before = headless::ShellCalls().size();
    EXPECT_EQ(Send(platform::WM_ACTIVATE, c.state), 0);
    std::vector<std::uint32_t> hides;
    for (std::size_t i = before; i < headless::ShellCalls().size(); ++i) {
      const headless::ShellCall& call = headless::ShellCalls()[i];
      EXPECT_EQ(call.kind, ShellCallKind::kFullScreen);
      EXPECT_EQ(call.window, window_);
      hides.push_back(call.flags);
    }
    EXPECT_EQ(hides, c.hides);
  }
}

TEST_F(CommandsTest, SettingChangesGoToTheShell) {
  Start();
  EXPECT_EQ(Send(platform::WM_SETTINGCHANGE, 0x1234, 0x5678), 0);
  const headless::ShellCall& call = headless::ShellCalls().back();
  EXPECT_EQ(call.kind, ShellCallKind::kSettingChange);
  EXPECT_EQ(call.window, window_);
  EXPECT_EQ(call.wParam, 0x1234u);
  EXPECT_EQ(call.lParam, 0x5678);
}

}  // namespace
}  // namespace velmora::test
