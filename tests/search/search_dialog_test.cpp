// The search dialog on the headless platform: the keyboard picture, typing
// right to left, the desktop's own keyboard, the pattern taken from the box,
// OK and Cancel, and the input panel.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/shell.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "search/keyboard.h"
#include "state/app_state.h"
#include "state/screen.h"
#include "state/settings_names.h"
#include "tests/search/search_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using platform::WindowHandle;

// The picture's corner in the headless dialog: (7 x 8) / 4, (71 x 16) / 8.
constexpr std::int32_t kPictureLeft = 14;
constexpr std::int32_t kPictureTop = 142;

std::u16string Units(std::initializer_list<int> units) {
  std::u16string text;
  for (int unit : units) text.push_back(static_cast<char16_t>(unit));
  return text;
}

std::string Pattern() { return reinterpret_cast<const char*>(appState.searchPattern); }

class SearchDialogTest : public SearchTest {
 protected:
  // Opens the dialog from the Search command and runs `script` in it.
  void RunDialog(std::function<void(WindowHandle dialog, WindowHandle edit)> script) {
    headless::ScriptDialog(resources::kDialogSearch, [script](WindowHandle dialog) {
      script(dialog, platform::GetDlgItem(dialog, resources::kIdcSearchText));
    });
    Command(resources::kCmdSearch);
    ASSERT_EQ(headless::DialogRuns().size(), 1u);
  }
  std::intptr_t Result() const { return headless::DialogRuns().back().result; }
};

TEST_F(SearchDialogTest, OpensOwnedByTheMainWindowWithTheStoredPattern) {
  struct Case {
    std::uint32_t letterBase;
    bool reverse;
    std::u16string shown;
  };
  const Case cases[] = {
      {97, false, u"abc"},
      {224, false, Units({0xE0, 0xE1, 0xE2})},
      {1488, false, Units({0x5D0, 0x5D1, 0x5D2})},
      {224, true, Units({0xE2, 0xE1, 0xE0})},
      {97, true, u"abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.letterBase);
    Restart();
    StoreProgramValue(settings::kFontAsciiBase, c.letterBase);
    Start();
    if (c.reverse) appState.appFlags |= ReverseOption;
    SetPattern("abc");
    std::u16string shown;
    RunDialog([&](WindowHandle, WindowHandle edit) { shown = platform::GetControlText(edit); });
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(headless::DialogRuns()[0].owner, window_);
    EXPECT_EQ(headless::DialogRuns()[0].parameter, 0);
  }
}

// Pressing OK without editing stores the order the box shows.
TEST_F(SearchDialogTest, TheReversedPatternIsStoredAsShown) {
  StoreProgramValue(settings::kFontAsciiBase, 224);
  Start();
  appState.appFlags |= ReverseOption;
  SetPattern("qa");
  RunDialog([](WindowHandle dialog, WindowHandle) {
    headless::SendDialogCommand(dialog, platform::IDOK);
    headless::SendDialogCommand(dialog, platform::IDCANCEL);
  });
  EXPECT_EQ(Pattern(), "aq");
}

TEST_F(SearchDialogTest, KeysTypeRightToLeftWithTheCaretBeforeTheLastOne) {
  Start();
  std::u16string text;
  platform::EditSelection caret;
  RunDialog([&](WindowHandle dialog, WindowHandle edit) {
    for (int key : {1, 2, 3}) search::TypeKey(dialog, key);
    search::TypeKey(dialog, search::kSpaceKey);
    search::TypeKey(dialog, 28);  // no such key
    text = platform::GetControlText(edit);
    caret = platform::GetEditSelection(edit);
  });
  EXPECT_EQ(text, u" cba");
  EXPECT_EQ(caret.start, 0);
  EXPECT_EQ(caret.end, 0);
}

TEST_F(SearchDialogTest, TheHitTestFindsTheKeyUnderATap) {
  struct Tap {
    std::int32_t dx, dy;
    const char16_t* typed;  // nothing: outside every key
  };
  const Tap taps[] = {
      {0, 0, u"i"},                       // the corner grid lines: the top row's left key, 9
      {16, 24, u"i"},     {17, 0, u"h"},  // the next column's grid line
      {152, 12, u"a"},                    // key 1, top right
      {153, 12, u" "},                    // the closing grid line: column 9 of the top row
      {153, 30, u"i"},  // ... key 9 on the middle row (letter 'i' of key 9 is "i")
      {153, 60, u"r"},  // ... key 18 on the bottom row
      {8, 37, u"r"},    // key 18, middle row left
      {152, 25, u"j"},  // the row grid lines: key 10 ...
      {152, 50, u"s"},  // ... key 19
      {60, 75, u" "},   // ... and the fourth row's space bar
      {152, 62, u"s"},  // key 19, bottom row right
      {8, 62, u"{"},    // key 27
      {34, 80, u" "},   // the space bar, columns 2 to 6
      {118, 94, u" "},    {33, 80, nullptr},  // the fourth row beside the bar
      {119, 80, nullptr}, {60, 95, nullptr},  // below the picture
      {-1, 10, nullptr},  {154, 10, nullptr}, {10, -1, nullptr},
  };
  Start();
  for (const Tap& tap : taps) {
    SCOPED_TRACE(testing::Message() << tap.dx << ", " << tap.dy);
    Restart();
    StoreProgramValue(settings::kFontAsciiBase, 97);
    Start();
    std::u16string text;
    bool outside = false;
    RunDialog([&](WindowHandle dialog, WindowHandle edit) {
      outside = search::KeyboardHitTest(dialog, kPictureLeft + tap.dx, kPictureTop + tap.dy);
      text = platform::GetControlText(edit);
    });
    EXPECT_EQ(outside, tap.typed == nullptr);
    EXPECT_EQ(text, tap.typed == nullptr ? u"" : tap.typed);
  }
}

// A tap reaches the dialog as a button press on its surface.
TEST_F(SearchDialogTest, ATapOnThePictureTypesItsKey) {
  StoreProgramValue(settings::kFontAsciiBase, 1488);
  Start();
  std::u16string text;
  RunDialog([&](WindowHandle dialog, WindowHandle edit) {
    headless::TapDialog(dialog, kPictureLeft + 17 * 8 + 8, kPictureTop + 12);  // key 1
    text = platform::GetControlText(edit);
  });
  EXPECT_EQ(text, Units({0x5D0}));
}

// Typing a word in reading order on the desktop's keyboard leaves what
// tapping its keys leaves, in any keyboard layout and under any LetterBase.
TEST_F(SearchDialogTest, TheDesktopKeyboardTypesAsTheKeysDo) {
  struct Case {
    std::uint32_t letterBase;
    std::u16string typed;
    std::u16string expected;
  };
  const std::u16string shalom = Units({0x5E9, 0x5DC, 0x5D5, 0x5DD});  // reading order
  const Case cases[] = {
      {1488, shalom, Units({0x5DD, 0x5D5, 0x5DC, 0x5E9})},
      {224, shalom, Units({0xED, 0xE5, 0xEC, 0xF9})},
      {97, shalom, u"nfmz"},
      // Points and accents type nothing; '?' and '*' and Latin letters go in.
      {1488, Units({0x5D0, 0x5B8, 0x591, '?', '*', 'x'}), Units({'x', '*', '?', 0x5D0})},
      // Backspace removes what was typed last, then the one before.
      {97, Units({'a', 'b', 'c', 0x08, 0x08, 'd'}), u"da"},
      {97, Units({0x08, 'a', 0x0D, 0x1B}), u"a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.letterBase);
    Restart();
    StoreProgramValue(settings::kFontAsciiBase, c.letterBase);
    Start();
    std::u16string text;
    RunDialog([&](WindowHandle dialog, WindowHandle edit) {
      headless::TypeIntoEdit(dialog, resources::kIdcSearchText, c.typed);
      text = platform::GetControlText(edit);
    });
    EXPECT_EQ(text, c.expected);
  }
}

// Keys 27 ("tav") and 19 ("ayin") tapped, and the same typed: one pattern.
TEST_F(SearchDialogTest, TappingAndTypingAWordGiveOnePattern) {
  StoreProgramValue(settings::kFontAsciiBase, 1488);
  Start();
  std::u16string tapped;
  std::u16string typed;
  RunDialog([&](WindowHandle dialog, WindowHandle edit) {
    search::TypeKey(dialog, 19);
    search::TypeKey(dialog, 27);
    tapped = platform::GetControlText(edit);
    platform::SetControlText(edit, u"");
    headless::TypeIntoEdit(dialog, resources::kIdcSearchText, Units({0x5E2, 0x5EA}));
    typed = platform::GetControlText(edit);
  });
  EXPECT_EQ(tapped, typed);
}

TEST_F(SearchDialogTest, TheBoxHoldsAtMost33Characters) {
  Start();
  std::u16string text;
  RunDialog([&](WindowHandle dialog, WindowHandle edit) {
    for (int i = 0; i < 40; ++i) search::TypeKey(dialog, 1 + i % 27);
    headless::TypeIntoEdit(dialog, resources::kIdcSearchText, u"zz");
    text = platform::GetControlText(edit);
  });
  EXPECT_EQ(text.size(), 33u);
}

TEST_F(SearchDialogTest, PatternFromTextTakesLettersOfTheLetterBaseAndLowBytes) {
  struct Case {
    const char* name;
    std::int32_t letterBase;
    std::u16string text;
    std::string pattern;
  };
  const Case cases[] = {
      {"Unicode letters", 1488, Units({0x5D0, 0x5EA}), "a{"},
      {"Windows-1255 letters", 224, Units({0xE0, 0xFA}), "a{"},
      {"stored letters", 97, u"a{", "a{"},
      {"a Latin letter under 1488", 1488, u"b", "b"},
      {"a Latin letter under 224", 224, u"b", "b"},
      {"a Hebrew letter under 97", 97, Units({0x5D1}), "\xD1"},
      {"runs of spaces shrink to one", 1488, u"a   b  c", "a b c"},
      {"two spaces alone", 97, u"  ", " "},
      {"wildcards and a digit", 97, u"a?b*3", "a?b*3"},
      {"a low byte 0 ends it", 1488, Units({'a', 0x100, 'b'}), "a"},
      {"a low byte 0 first leaves it empty", 1488, Units({0x500, 'b'}), ""},
      {"at most 33 units", 97, std::u16string(40, u'q'), std::string(33, 'q')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    appState.fontSettings.letterBase = c.letterBase;
    search::PatternFromText(c.text);
    EXPECT_EQ(Pattern(), c.pattern);
  }
}

TEST_F(SearchDialogTest, OkWithAHitClosesAndShowsIt) {
  Start();
  RunDialog([](WindowHandle dialog, WindowHandle) {
    headless::TypeIntoEdit(dialog, resources::kIdcSearchText, u"qq");
    headless::SendDialogCommand(dialog, platform::IDOK);
  });
  EXPECT_EQ(Result(), platform::IDOK);
  EXPECT_EQ(Pattern(), "qq");
  EXPECT_EQ(appState.currentArticle, kFirstQq);
  EXPECT_EQ(View().highlightEnd, QqOffset() + 1);
}

TEST_F(SearchDialogTest, OkWithoutAHitKeepsTheDialogOpenWithItsTextSelected) {
  Start();
  platform::EditSelection selection;
  std::optional<std::intptr_t> ended;
  RunDialog([&](WindowHandle dialog, WindowHandle edit) {
    headless::TypeIntoEdit(dialog, resources::kIdcSearchText, u"zyx");
    headless::SendDialogCommand(dialog, platform::IDOK);
    selection = platform::GetEditSelection(edit);
    ended = headless::DialogEndResult(dialog);
  });
  EXPECT_FALSE(ended.has_value());
  EXPECT_EQ(selection.start, 0);
  EXPECT_EQ(selection.end, 3);
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotFound);
  EXPECT_EQ(headless::MessageBoxCalls()[0].owner, headless::DialogRuns()[0].dialog);
  // The pattern keeps the new value.
  EXPECT_EQ(Pattern(), "xyz");
  EXPECT_EQ(appState.currentArticle, 1);
}

TEST_F(SearchDialogTest, OkWithAnEmptyBoxClosesWithoutSearching) {
  Start();
  SetPattern("qq");
  RunDialog([](WindowHandle dialog, WindowHandle edit) {
    platform::SetControlText(edit, u"");
    headless::SendDialogCommand(dialog, platform::IDOK);
  });
  EXPECT_EQ(Result(), platform::IDOK);
  EXPECT_EQ(Pattern(), "");
  EXPECT_EQ(appState.currentArticle, 1);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

TEST_F(SearchDialogTest, CancelKeepsThePatternAndPutsTheInputPanelAway) {
  Start();
  SetPattern("qq");
  std::size_t before = 0;
  RunDialog([&](WindowHandle dialog, WindowHandle) {
    headless::TypeIntoEdit(dialog, resources::kIdcSearchText, u"zz");
    before = headless::ShellCalls().size();
    headless::SendDialogCommand(dialog, platform::IDCANCEL);
  });
  EXPECT_EQ(Result(), platform::IDCANCEL);
  EXPECT_EQ(Pattern(), "qq");
  const auto& calls = headless::ShellCalls();
  ASSERT_EQ(calls.size(), before + 3);
  EXPECT_EQ(calls[before].kind, headless::ShellCallKind::kSipPreference);
  EXPECT_EQ(calls[before].window, window_);
  EXPECT_EQ(calls[before].flags, platform::SIP_FORCEDOWN);
  EXPECT_EQ(calls[before + 1].kind, headless::ShellCallKind::kShowInputPanel);
  EXPECT_EQ(calls[before + 1].flags, platform::SIPF_OFF);
  EXPECT_EQ(calls[before + 2].kind, headless::ShellCallKind::kFullScreen);
  EXPECT_EQ(calls[before + 2].flags, platform::SHFS_HIDESIPBUTTON);
}

TEST_F(SearchDialogTest, ActivationShowsTheInputPanelButtonWhenAllowed) {
  for (std::uint32_t allowed : {1u, 0u}) {
    SCOPED_TRACE(allowed);
    Restart();
    StoreDeviceOption(settings::kAllowSipInHebrewSearch, allowed);
    Start();
    std::vector<headless::ShellCall> calls;
    RunDialog([&](WindowHandle dialog, WindowHandle) {
      const std::size_t before = headless::ShellCalls().size();
      platform::SendMessage(dialog, platform::WM_ACTIVATE, platform::WA_CLICKACTIVE, 0);
      platform::SendMessage(dialog, platform::WM_ACTIVATE, platform::WA_INACTIVE, 0);
      calls.assign(headless::ShellCalls().begin() + static_cast<long>(before),
                   headless::ShellCalls().end());
    });
    ASSERT_EQ(calls.size(), allowed);
    if (allowed != 0) {
      EXPECT_EQ(calls[0].kind, headless::ShellCallKind::kFullScreen);
      EXPECT_EQ(calls[0].window, window_);
      EXPECT_EQ(calls[0].flags, platform::SHFS_SHOWSIPBUTTON);
    }
  }
}

// With a taskbar (full-screen mode) it is hidden again on plain activation
// only.
TEST_F(SearchDialogTest, PlainActivationHidesTheTaskbarInFullScreenMode) {
  Start();
  // As start-up in full-screen mode finds it.
  WindowHandle taskbar = headless::SimulateTaskbar(true);
  screen::taskbarWindow = taskbar;
  bool afterClick = false;
  bool afterPlain = true;
  RunDialog([&](WindowHandle dialog, WindowHandle) {
    platform::ShowWindow(taskbar, platform::SW_SHOW);
    platform::SendMessage(dialog, platform::WM_ACTIVATE, platform::WA_CLICKACTIVE, 0);
    afterClick = platform::IsWindowVisible(taskbar);
    platform::SendMessage(dialog, platform::WM_ACTIVATE, platform::WA_ACTIVE, 0);
    afterPlain = platform::IsWindowVisible(taskbar);
  });
  screen::taskbarWindow = nullptr;
  EXPECT_TRUE(afterClick);
  EXPECT_FALSE(afterPlain);
}

TEST_F(SearchDialogTest, TheBoxUsesTheViewsFaceAndSize) {
  StoreProgramValue(settings::kFontSize, 22);
  Start();
  platform::FontDescription font;
  RunDialog([&](WindowHandle, WindowHandle edit) {
    ASSERT_NE(platform::GetControlFont(edit), nullptr);
    font = platform::DescribeFont(platform::GetControlFont(edit));
  });
  EXPECT_EQ(font.height, 22);
  EXPECT_EQ(std::u16string(font.faceName), u"Test Face");
}

}  // namespace
}  // namespace velmora::test
