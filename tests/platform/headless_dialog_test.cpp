// Scripted dialogs: the order of a dialog's messages, what the script helpers
// do to controls, how an unfinished dialog ends, and list-box selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

#include "list_box_rules.h"
#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr std::uint16_t kTemplate = 500;
constexpr std::uint16_t kSortedList = 10;
constexpr std::uint16_t kPlainList = 11;
constexpr std::uint16_t kRadioA = 20;
constexpr std::uint16_t kRadioB = 21;
constexpr std::uint16_t kRadioOtherGroup = 22;
constexpr std::uint16_t kDrawn = 30;
constexpr std::uint16_t kAbsent = 1003;
constexpr std::uint16_t kEndWithSeven = 77;

constexpr std::array kControls{
    ControlTemplate{ControlKind::kListBox, kSortedList, 7, 7, 100, 90,
                    kListSorted | kListNotify | kControlGroup, u"", 0},
    ControlTemplate{ControlKind::kListBox, kPlainList, 110, 40, 25, 50, kListNotify, u"", 0},
    ControlTemplate{ControlKind::kRadioButton, kRadioA, 110, 10, 30, 10, kControlGroup, u"A", 0},
    ControlTemplate{ControlKind::kRadioButton, kRadioB, 110, 20, 30, 10, 0, u"B", 0},
    ControlTemplate{ControlKind::kRadioButton, kRadioOtherGroup, 110, 30, 30, 10, kControlGroup,
                    u"C", 0},
    ControlTemplate{ControlKind::kOwnerDrawButton, kDrawn, 7, 100, 60, 8, kControlTabStop, u"link",
                    0},
};
constexpr DialogTemplate kDialog{kDialogStyleStandard, WS_EX_CAPTIONOKBTN, 150, 120,
                                 u"Caption",           u"System",          8,   kControls};

struct Seen {
  std::uint32_t message;
  WParam wParam;
  LParam lParam;
  bool operator==(const Seen&) const = default;
};

std::vector<Seen> seen;
bool end_on_cancel = true;

std::intptr_t RecordingDialogProc(WindowHandle dialog, std::uint32_t message, WParam wParam,
                                  LParam lParam) {
  seen.push_back({message, wParam, lParam});
  if (message == WM_COMMAND) {
    const std::uint16_t command = LowWord(wParam);
    if (command == kEndWithSeven) EndDialog(dialog, 7);
    if (command == IDCANCEL && end_on_cancel) EndDialog(dialog, IDCANCEL);
    return 1;
  }
  return 0;
}

class HeadlessDialog : public ::testing::Test {
 protected:
  HeadlessDialog() {
    seen.clear();
    end_on_cancel = true;
    headless::InstallDialogTemplate(kTemplate, &kDialog);
  }

  std::intptr_t Run(LParam parameter = 0) {
    return DialogBoxParam(kTemplate, owner_, RecordingDialogProc, parameter);
  }

  WindowHandle owner_ = headless::CreateTestWindow({0, 0, 240, 294});
  ~HeadlessDialog() override { headless::DestroyTestWindow(owner_); }
};

TEST_F(HeadlessDialog, ScriptDrivesControlsAndEndsTheRun) {
  WindowHandle seenDialog = nullptr;
  headless::ScriptDialog(kTemplate, [&](WindowHandle dialog) {
    seenDialog = dialog;
    EXPECT_EQ(GetParent(dialog), owner_);
    EXPECT_EQ(GetClientRect(dialog).right, 150 * headless::kDialogUnitX);
    EXPECT_EQ(headless::DescribeWindow(GetDlgItem(dialog, kRadioB))->place.top,
              20 * headless::kDialogUnitY);

    ASSERT_TRUE(headless::ClickControl(dialog, kRadioOtherGroup));
    ASSERT_TRUE(headless::ClickControl(dialog, kRadioA));
    ASSERT_TRUE(headless::ClickControl(dialog, kRadioB));
    EXPECT_FALSE(IsButtonChecked(GetDlgItem(dialog, kRadioA)));
    EXPECT_TRUE(IsButtonChecked(GetDlgItem(dialog, kRadioB)));
    EXPECT_TRUE(IsButtonChecked(GetDlgItem(dialog, kRadioOtherGroup)));  // its own group

    WindowHandle list = GetDlgItem(dialog, kPlainList);
    ListBoxAddString(list, u"first");
    ListBoxAddString(list, u"second");
    EXPECT_FALSE(headless::SelectListItem(dialog, kPlainList, 2));
    ASSERT_TRUE(headless::SelectListItem(dialog, kPlainList, 1));
    EXPECT_EQ(ListBoxCurrentSelection(list), 1);
    EXPECT_EQ(seen.back(), (Seen{WM_COMMAND, MakeWParam(kPlainList, LBN_SELCHANGE),
                                 reinterpret_cast<LParam>(list)}));
    EXPECT_FALSE(headless::ClickControl(dialog, kAbsent));

    seen.clear();
    headless::SendDialogCommand(dialog, kEndWithSeven);
    EXPECT_EQ(headless::DialogEndResult(dialog), 7);
    EXPECT_FALSE(headless::ClickControl(dialog, kRadioA));  // ended: nothing more
  });

  EXPECT_EQ(Run(42), 7);
  ASSERT_GE(seen.size(), 1u);
  EXPECT_EQ(seen.back().message, WM_DESTROY);
  EXPECT_FALSE(headless::IsLiveWindow(seenDialog));
  EXPECT_EQ(GetDlgItem(seenDialog, kRadioA), nullptr);
  ASSERT_EQ(headless::DialogRuns().size(), 1u);
  const headless::DialogRun& run = headless::DialogRuns()[0];
  EXPECT_EQ(run.templateId, kTemplate);
  EXPECT_EQ(run.owner, owner_);
  EXPECT_EQ(run.parameter, 42);
  EXPECT_EQ(run.result, 7);
  EXPECT_EQ(headless::PendingDialogScripts(), 0u);
}

TEST_F(HeadlessDialog, OpensWithInitThenSize) {
  headless::ScriptDialog(kTemplate, [](WindowHandle dialog) { EndDialog(dialog, IDOK); });
  Run(5);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0], (Seen{WM_INITDIALOG, 0, 5}));
  EXPECT_EQ(seen[1], (Seen{WM_SIZE, 0, MakeLParam(300, 240)}));
  EXPECT_EQ(seen[2].message, WM_DESTROY);
}

// A run whose script leaves the dialog open, or that has no script, is
// cancelled with IDCANCEL; a procedure that ignores it still ends.
TEST_F(HeadlessDialog, UnfinishedRunsAreCancelled) {
  headless::ScriptDialog(kTemplate, [](WindowHandle) {});
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_NE(std::find(seen.begin(), seen.end(), Seen{WM_COMMAND, IDCANCEL, 0}), seen.end());

  seen.clear();
  end_on_cancel = false;
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_NE(std::find(seen.begin(), seen.end(), Seen{WM_COMMAND, IDCANCEL, 0}), seen.end());
  EXPECT_EQ(seen.back().message, WM_DESTROY);
}

TEST_F(HeadlessDialog, MissingTemplateRunsNothing) {
  headless::InstallDialogTemplate(kTemplate, nullptr);
  EXPECT_EQ(Run(), -1);
  EXPECT_TRUE(seen.empty());
  ASSERT_EQ(headless::DialogRuns().size(), 1u);
  EXPECT_EQ(headless::DialogRuns()[0].dialog, nullptr);
}

TEST_F(HeadlessDialog, AbsentControlIgnoresEverything) {
  headless::ScriptDialog(kTemplate, [](WindowHandle dialog) {
    WindowHandle absent = GetDlgItem(dialog, kAbsent);
    EXPECT_EQ(absent, nullptr);
    SetButtonCheck(absent, true);
    SetControlText(absent, u"x");
    MoveWindow(absent, 0, 0, 10, 10, true);
    ListBoxAddString(absent, u"x");
    EXPECT_FALSE(IsButtonChecked(absent));
    EXPECT_EQ(GetControlText(absent), u"");
    EXPECT_EQ(ListBoxSelectString(absent, u"x"), kNoSelection);
    EXPECT_EQ(ListBoxCount(absent), 0);
    EXPECT_EQ(ListBoxText(absent, 0), u"");
    EXPECT_EQ(GetControlFont(absent), nullptr);
  });
  Run();
}

TEST_F(HeadlessDialog, SortedListBoxFollowsTheRulesOfEveryBackend) {
  headless::ScriptDialog(kTemplate, [](WindowHandle dialog) {
    test::CheckSortedListBoxRules(GetDlgItem(dialog, kSortedList));
  });
  Run();
}

TEST_F(HeadlessDialog, ListBoxesSortAndSelectByPrefix) {
  headless::ScriptDialog(kTemplate, [](WindowHandle dialog) {
    WindowHandle sorted = GetDlgItem(dialog, kSortedList);
    for (const char16_t* face : {u"Tahoma", u"courier New", u"Arial", u"arial Black", u"Arial"}) {
      ListBoxAddString(sorted, face);
    }
    std::vector<std::u16string> items;
    for (int i = 0; i < ListBoxCount(sorted); ++i) items.push_back(ListBoxText(sorted, i));
    EXPECT_EQ(items, (std::vector<std::u16string>{u"Arial", u"Arial", u"arial Black",
                                                  u"courier New", u"Tahoma"}));

    struct Case {
      const char16_t* prefix;
      int answer;
      int selection;  // afterwards
    };
    const Case cases[] = {
        {u"ARIAL B", 2, 2},
        {u"ta", 4, 4},
        {u"Zapf", kNoSelection, 4},          // no match: selection unchanged
        {u"COURIER NEW ", kNoSelection, 4},  // longer than the item
        {u"", 0, 0},                         // an empty prefix begins every item
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(ListBoxSelectString(sorted, cases[i].prefix), cases[i].answer);
      EXPECT_EQ(ListBoxCurrentSelection(sorted), cases[i].selection);
    }

    // Insertion before the selected item keeps the selection on that item.
    ListBoxSelectString(sorted, u"tahoma");
    ListBoxAddString(sorted, u"Bitstream");
    EXPECT_EQ(ListBoxText(sorted, ListBoxCurrentSelection(sorted)), u"Tahoma");

    WindowHandle plain = GetDlgItem(dialog, kPlainList);
    for (const char16_t* size : {u"5", u"10", u"11", u"52"}) ListBoxAddString(plain, size);
    EXPECT_EQ(ListBoxText(plain, 0), u"5");
    EXPECT_EQ(ListBoxSelectString(plain, u"5"), 0);
    EXPECT_EQ(ListBoxSelectString(plain, u"1"), 1);
    EXPECT_EQ(ListBoxSelectString(plain, u"30"), kNoSelection);
    ListBoxReset(plain);
    EXPECT_EQ(ListBoxCount(plain), 0);
    EXPECT_EQ(ListBoxCurrentSelection(plain), kNoSelection);
  });
  Run();
}

TEST_F(HeadlessDialog, FullScreenInitTakesTheOwnersClientOnce) {
  struct Init {
    static std::intptr_t Proc(WindowHandle dialog, std::uint32_t message, WParam wParam,
                              LParam lParam) {
      if (message == WM_INITDIALOG) ShellInitDialog(dialog, 0x1E);
      return RecordingDialogProc(dialog, message, wParam, lParam);
    }
  };
  std::vector<Seen> sizes;
  DialogBoxParam(kTemplate, owner_, Init::Proc, 0);
  for (const Seen& s : seen) {
    if (s.message == WM_SIZE) sizes.push_back(s);
  }
  EXPECT_EQ(sizes, (std::vector<Seen>{{WM_SIZE, 0, MakeLParam(240, 294)}}));
  ASSERT_EQ(headless::ShellCalls().size(), 1u);
  EXPECT_EQ(headless::ShellCalls()[0].kind, headless::ShellCallKind::kInitDialog);
  EXPECT_EQ(headless::ShellCalls()[0].flags, 0x1Eu);
}

TEST_F(HeadlessDialog, ResizeAndOwnerDrawReachTheProcedure) {
  headless::ScriptDialog(kTemplate, [](WindowHandle dialog) {
    seen.clear();
    headless::ResizeDialog(dialog, 200, 100);
    EXPECT_EQ(seen, (std::vector<Seen>{{WM_SIZE, 0, MakeLParam(200, 100)}}));
    ASSERT_TRUE(headless::DrawControl(dialog, kDrawn));
    EXPECT_EQ(seen.back().message, WM_DRAWITEM);
    EXPECT_EQ(seen.back().wParam, kDrawn);
    EXPECT_FALSE(headless::DrawControl(dialog, kPlainList));
  });
  Run();
}

}  // namespace
}  // namespace velmora::platform
