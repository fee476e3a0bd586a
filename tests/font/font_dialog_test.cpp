// The font dialog driven as the reader drives it: what opening shows for a
// stored choice, what each list and button does, and what OK and Cancel
// leave in the record.
#include "font/font_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "resources/ui_resources.h"
#include "state/screen.h"

namespace velmora::font {
namespace {

namespace headless = platform::headless;
using namespace resources;
using platform::WindowHandle;

const std::vector<std::u16string> kTable{u"10", u"11", u"12", u"14", u"16", u"18", u"20",
                                         u"22", u"24", u"26", u"28", u"32", u"52", u"72"};

std::vector<std::u16string> Items(WindowHandle dialog, std::uint16_t id) {
  WindowHandle list = platform::GetDlgItem(dialog, id);
  std::vector<std::u16string> items;
  for (int i = 0; i < platform::ListBoxCount(list); ++i) {
    items.push_back(platform::ListBoxText(list, i));
  }
  return items;
}

int Selection(WindowHandle dialog, std::uint16_t id) {
  return platform::ListBoxCurrentSelection(platform::GetDlgItem(dialog, id));
}

int IndexOf(WindowHandle dialog, std::uint16_t id, std::u16string_view text) {
  const auto items = Items(dialog, id);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  return platform::kNoSelection;
}

bool Checked(WindowHandle dialog, std::uint16_t id) {
  return platform::IsButtonChecked(platform::GetDlgItem(dialog, id));
}

std::u16string Preview(WindowHandle dialog) {
  return platform::GetControlText(platform::GetDlgItem(dialog, kIdcPreview));
}

// The 27 letters from `base`, last first.
std::u16string Letters(char16_t base) {
  std::u16string letters;
  for (int i = 26; i >= 0; --i) letters += static_cast<char16_t>(base + i);
  return letters;
}

FontSettings Settings(std::u16string_view face, std::int32_t size, std::int32_t letterBase) {
  FontSettings settings;
  face.copy(settings.faceName, kFaceNameCapacity - 1);
  settings.size = size;
  settings.letterBase = letterBase;
  return settings;
}

class FontDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::SetFontFamilies({Family(u"Tahoma", platform::kAnsiCharset),
                               Family(u"David", platform::kHebrewCharset),
                               Family(u"Courier New", platform::kAnsiCharset),
                               Family(u"Frank Ruehl", platform::kHebrewCharset)});
  }
  void TearDown() override { headless::DestroyTestWindow(owner); }

  static platform::FontFamily Family(std::u16string_view name, std::uint8_t characterSet) {
    platform::FontFamily family;
    name.copy(family.faceName, std::size(family.faceName) - 1);
    family.characterSet = characterSet;
    return family;
  }

  // Runs the dialog on `settings`, with `script` while it is open.
  std::intptr_t Run(FontSettings& settings, std::function<void(WindowHandle)> script) {
    headless::ScriptDialog(kDialogFont, std::move(script));
    return RunFontDialog(owner, &settings);
  }

  WindowHandle owner = headless::CreateTestWindow({0, 0, 240, 320});
};

// --- Opening ------------------------------------------------------------------------

TEST_F(FontDialogTest, SizeListHoldsTheTableAndASmallStoredSize) {
  struct Case {
    const char* name;
    std::int32_t stored;
    std::vector<std::u16string> firstItems;  // before the table
    int selected;
    std::int32_t afterOk;
  };
  const Case cases[] = {
      {"below the table comes first", 5, {u"5"}, 0, 5},
      {"in the table", 12, {}, 2, 12},
      {"not in the table: nothing selected, kept", 30, {}, platform::kNoSelection, 30},
      {"a prefix of a table size selects nothing", 3, {u"3"}, 0, 3},
      {"none stored", 0, {}, platform::kNoSelection, 0},
      {"negative sizes are kept whole", -12, {u"-12"}, 0, -12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FontSettings settings = Settings(u"Tahoma", c.stored, 1488);
    std::vector<std::u16string> expected = c.firstItems;
    expected.insert(expected.end(), kTable.begin(), kTable.end());
    Run(settings, [&](WindowHandle dialog) {
      EXPECT_EQ(Items(dialog, kIdcSizeList), expected);
      EXPECT_EQ(Selection(dialog, kIdcSizeList), c.selected);
      headless::SendDialogCommand(dialog, platform::IDOK);
    });
    EXPECT_EQ(settings.size, c.afterOk);
  }
}

TEST_F(FontDialogTest, OpeningShowsTheStoredLetterBase) {
  struct Case {
    const char* name;
    std::int32_t stored;
    bool checked224;
    bool checked1488;
    std::u16string preview;
  };
  const Case cases[] = {
      {"unicode", 1488, false, true, Letters(0x05D0)},
      {"windows-1255", 224, true, false, Letters(0xE0)},
      {"stored letters: no button", 97, false, false, Letters(u'a')},
      {"none stored becomes unicode", 0, false, true, Letters(0x05D0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FontSettings settings = Settings(u"Tahoma", 12, c.stored);
    Run(settings, [&](WindowHandle dialog) {
      EXPECT_EQ(Checked(dialog, kIdcBase224), c.checked224);
      EXPECT_EQ(Checked(dialog, kIdcBase1488), c.checked1488);
      EXPECT_EQ(Preview(dialog), c.preview);
    });
  }
}

TEST_F(FontDialogTest, PreviewRunsFromTavToAlef) {
  FontSettings settings = Settings(u"Tahoma", 12, 1488);
  Run(settings, [](WindowHandle dialog) {
    const std::u16string preview = Preview(dialog);
    ASSERT_EQ(preview.size(), 27u);
    EXPECT_EQ(preview.front(), u'\u05EA');
    EXPECT_EQ(preview[1], u'\u05E9');
    EXPECT_EQ(preview.back(), u'\u05D0');
  });
}

TEST_F(FontDialogTest, ALetterBaseOfZeroBecomesUnicodeEvenOnCancel) {
  FontSettings settings = Settings(u"Tahoma", 12, 0);
  EXPECT_EQ(
      Run(settings,
          [](WindowHandle dialog) { headless::SendDialogCommand(dialog, platform::IDCANCEL); }),
      platform::IDCANCEL);
  EXPECT_EQ(settings.letterBase, 1488);
  EXPECT_EQ(settings.size, 12);
}

TEST_F(FontDialogTest, FaceListIsSortedAndSelectsTheStoredFaceByItsBeginning) {
  struct Case {
    const char* name;
    std::u16string_view stored;
    int selected;
    std::u16string_view afterOk;
  };
  const Case cases[] = {
      {"whole name", u"David", 1, u"David"},
      {"beginning, case ignored", u"cour", 0, u"Courier New"},
      {"unknown: nothing selected, kept", u"Zapf", platform::kNoSelection, u"Zapf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FontSettings settings = Settings(c.stored, 12, 1488);
    Run(settings, [&](WindowHandle dialog) {
      EXPECT_EQ(Items(dialog, kIdcFaceList),
                (std::vector<std::u16string>{u"Courier New", u"David", u"Frank Ruehl", u"Tahoma"}));
      EXPECT_EQ(Selection(dialog, kIdcFaceList), c.selected);
      EXPECT_EQ(headless::FocusedWindow(), platform::GetDlgItem(dialog, kIdcFaceList));
      headless::SendDialogCommand(dialog, platform::IDOK);
    });
    EXPECT_EQ(std::u16string_view(settings.faceName), c.afterOk);
  }
}

TEST_F(FontDialogTest, OpeningSizesTheDialogToTheScreenAndPlacesTheControls) {
  FontSettings settings = Settings(u"Tahoma", 12, 1488);
  Run(settings, [&](WindowHandle dialog) {
    const auto& calls = headless::ShellCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, headless::ShellCallKind::kInitDialog);
    EXPECT_EQ(calls.front().flags, screen::kFullScreenDialogFlags | platform::SHIDIF_DONEBUTTON);
    const auto faces = headless::DescribeWindow(platform::GetDlgItem(dialog, kIdcFaceList));
    ASSERT_TRUE(faces.has_value());
    // The owner's 240 x 320: the face list is 143 x 197 at 7, 7.
    EXPECT_EQ(faces->place.left, 7);
    EXPECT_EQ(faces->place.top, 7);
    EXPECT_EQ(faces->place.right, 150);
    EXPECT_EQ(faces->place.bottom, 204);
    EXPECT_EQ(platform::GetDlgItem(dialog, kIdcBase97), nullptr);
  });
}

// --- Choosing -------------------------------------------------------------------------

TEST_F(FontDialogTest, AHebrewFaceMovesTheCheckTo5D0) {
  struct Case {
    const char* name;
    std::int32_t stored;
    std::u16string_view face;
    bool checked224;
    std::u16string preview;
    std::int32_t afterOk;
  };
  const Case cases[] = {
      {"hebrew face while 224 is checked", 224, u"David", false, Letters(0x05D0), 1488},
      {"other face while 224 is checked", 224, u"Tahoma", true, Letters(0xE0), 224},
      {"hebrew face with no button checked", 97, u"Frank Ruehl", false, Letters(0x05D0), 1488},
      {"other face with no button checked", 97, u"Tahoma", false, Letters(u'a'), 97},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FontSettings settings = Settings(u"Courier New", 12, c.stored);
    Run(settings, [&](WindowHandle dialog) {
      ASSERT_TRUE(
          headless::SelectListItem(dialog, kIdcFaceList, IndexOf(dialog, kIdcFaceList, c.face)));
      EXPECT_EQ(Checked(dialog, kIdcBase224), c.checked224);
      EXPECT_EQ(Preview(dialog), c.preview);
      headless::SendDialogCommand(dialog, platform::IDOK);
    });
    EXPECT_EQ(settings.letterBase, c.afterOk);
    EXPECT_EQ(std::u16string_view(settings.faceName), c.face);
  }
}

TEST_F(FontDialogTest, ButtonsChooseTheLetterBase) {
  struct Case {
    std::int32_t stored;
    std::uint16_t button;
    std::u16string preview;
    std::int32_t afterOk;
  };
  const Case cases[] = {
      {1488, kIdcBase224, Letters(0xE0), 224},
      {224, kIdcBase1488, Letters(0x05D0), 1488},
      {97, kIdcBase224, Letters(0xE0), 224},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    FontSettings settings = Settings(u"Tahoma", 12, c.stored);
    Run(settings, [&](WindowHandle dialog) {
      ASSERT_TRUE(headless::ClickControl(dialog, c.button));
      EXPECT_EQ(Preview(dialog), c.preview);
      headless::SendDialogCommand(dialog, platform::IDOK);
    });
    EXPECT_EQ(settings.letterBase, c.afterOk);
  }
}

TEST_F(FontDialogTest, EachChoiceShowsANewPreviewFontAndCancelKeepsTheRecord) {
  FontSettings settings = Settings(u"Tahoma", 12, 1488);
  const FontSettings stored = settings;
  Run(settings, [&](WindowHandle dialog) {
    WindowHandle preview = platform::GetDlgItem(dialog, kIdcPreview);
    EXPECT_EQ(platform::GetControlFont(preview), nullptr);  // the dialog's own at first

    ASSERT_TRUE(
        headless::SelectListItem(dialog, kIdcSizeList, IndexOf(dialog, kIdcSizeList, u"52")));
    platform::Font* first = platform::GetControlFont(preview);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(platform::DescribeFont(first).height, 52);
    EXPECT_EQ(std::u16string_view(platform::DescribeFont(first).faceName), u"Tahoma");

    ASSERT_TRUE(
        headless::SelectListItem(dialog, kIdcFaceList, IndexOf(dialog, kIdcFaceList, u"David")));
    platform::Font* second = platform::GetControlFont(preview);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(platform::DescribeFont(second).height, 52);
    EXPECT_EQ(std::u16string_view(platform::DescribeFont(second).faceName), u"David");

    headless::SendDialogCommand(dialog, platform::IDCANCEL);
  });
  EXPECT_EQ(std::memcmp(&settings, &stored, sizeof settings), 0);
}

TEST_F(FontDialogTest, OkWritesTheChosenFaceSizeAndLetterBase) {
  FontSettings settings = Settings(u"Tahoma", 12, 1488);
  EXPECT_EQ(Run(settings,
                [&](WindowHandle dialog) {
                  headless::SelectListItem(dialog, kIdcFaceList,
                                           IndexOf(dialog, kIdcFaceList, u"Courier New"));
                  headless::SelectListItem(dialog, kIdcSizeList,
                                           IndexOf(dialog, kIdcSizeList, u"72"));
                  headless::ClickControl(dialog, kIdcBase224);
                  headless::SendDialogCommand(dialog, platform::IDOK);
                }),
            platform::IDOK);
  EXPECT_EQ(std::u16string_view(settings.faceName), u"Courier New");
  EXPECT_EQ(settings.size, 72);
  EXPECT_EQ(settings.letterBase, 224);
}

TEST_F(FontDialogTest, TheFaceEntriesNeverOutliveTheDialog) {
  const long before = headless::LiveHeapBlocks();
  for (std::uint16_t close : {platform::IDOK, platform::IDCANCEL}) {
    SCOPED_TRACE(close);
    FontSettings settings = Settings(u"Tahoma", 12, 1488);
    Run(settings, [&](WindowHandle dialog) {
      EXPECT_GT(headless::LiveHeapBlocks(), before);
      headless::SendDialogCommand(dialog, close);
    });
    EXPECT_EQ(headless::LiveHeapBlocks(), before);
  }
}

// --- Around it --------------------------------------------------------------------------

TEST_F(FontDialogTest, ActivationHidesTheTaskbarInFullScreenMode) {
  struct Case {
    std::uint16_t state;
    bool hidden;
  };
  for (const Case c : {Case{platform::WA_ACTIVE, true}, Case{platform::WA_CLICKACTIVE, false}}) {
    SCOPED_TRACE(c.state);
    screen::taskbarWindow = headless::SimulateTaskbar(true);
    FontSettings settings = Settings(u"Tahoma", 12, 1488);
    Run(settings, [&](WindowHandle dialog) {
      EXPECT_EQ(platform::SendMessage(dialog, platform::WM_ACTIVATE, c.state, 0), 0);
      EXPECT_EQ(platform::IsWindowVisible(screen::taskbarWindow), !c.hidden);
    });
    screen::taskbarWindow = nullptr;
  }
}

TEST(FontDialogTemplate, HoldsNoButtonFor97) {
  const platform::DialogTemplate* font = platform::FindDialogTemplate(kDialogFont);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->controls.size(), 5u);
  for (const platform::ControlTemplate& control : font->controls) {
    EXPECT_NE(control.id, kIdcBase97);
  }
  EXPECT_EQ(platform::FindDialogTemplate(kDialogChooseArticle)->controls.size(), 0u);
  EXPECT_EQ(platform::FindDialogTemplate(kDialogFont + 1), nullptr);
}

TEST(FontDialogRun, WithoutARecordNothingOpens) {
  EXPECT_EQ(RunFontDialog(nullptr, nullptr), -1);
  EXPECT_TRUE(platform::headless::DialogRuns().empty());
}

}  // namespace
}  // namespace velmora::font
