// The Choose Article dialog on the headless platform: opening around the
// current article, what ends it with which article, scrolling by the scroll
// bar, taps, size changes, activation, erasing and clean-up, and the
// keyboard cursor.
#include "index/choose_article.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "index/index_rows.h"
#include "index_fixture.h"
#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/shell.h"
#include "platform/window.h"
#include "resources/article_count.h"
#include "resources/ids.h"
#include "state/app_state.h"
#include "state/screen.h"
#include "tests/support/test_book.h"

namespace velmora::index {
namespace {

namespace headless = platform::headless;
using platform::WindowHandle;
using Texts = std::vector<std::string>;

constexpr std::uint16_t kSecondHeading = 0x8000 | 16378;
constexpr std::int32_t kScrollBarWidth = 13;  // the headless SM_CXVSCROLL

Entries Book() {
  return {Heading(16382, "aa bb"), Article(1, "cc"), Article(2, "dd"), Article(3, "ee"),
          Heading(16378, "ff"),    Article(4, "gg"), Article(5, "hh")};
}

// Ten sections of two articles: ten 12-pixel headings show.
Entries TenSections() {
  Entries entries;
  for (std::uint16_t section = 0; section < 10; ++section) {
    entries.push_back(Heading(16382 - 3 * section, "s" + std::string(1, 'a' + section)));
    entries.push_back(Article(2 * section + 1, "x"));
    entries.push_back(Article(2 * section + 2, "y"));
  }
  return entries;
}

Texts VisibleTexts(const IndexView& view) {
  Texts texts;
  for (std::uint32_t index = 0; view.lines[index].flags != 0; ++index) {
    const IndexLine& row = view.lines[index];
    if ((row.flags & kRowVisible) == 0) continue;
    texts.emplace_back(reinterpret_cast<const char*>(view.data.get() + row.textOffset), row.length);
  }
  return texts;
}

const IndexView& List() { return *ChooseArticleDialogState().view; }

class ChooseArticleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    appState.fontSettings.letterBase = kLetterBaseStored;
    settings_.size = kFontSize;
  }
  void TearDown() override {
    headless::DestroyTestWindow(owner_);
    screen::taskbarWindow = nullptr;
  }

  // The book's index record holds `entries`; the owner's client is
  // 240 x `height`, the size the dialog takes.
  void Prepare(const Entries& entries, std::int32_t height = 320) {
    if (!entries.empty()) {
      test::AddContent(&book_, book::IndexRecordNumber, test::MakeIndexRecord(entries));
    }
    // Something to install even without an index record.
    test::AddResource(&book_, 1, {0});
    test::InstallBook(book_);
    owner_ = headless::CreateTestWindow({0, 0, 240, height});
  }

  // Runs the dialog on `current` with `script` and returns its article.
  std::uint16_t Run(std::uint16_t current, headless::DialogScript script) {
    headless::ScriptDialog(resources::kDialogChooseArticle, std::move(script));
    return ChooseArticle(owner_, current, &settings_);
  }

  const headless::DialogRun& LastRun() const { return headless::DialogRuns().back(); }

  FontSettings settings_;
  test::TestBook book_;
  WindowHandle owner_ = nullptr;
};

TEST_F(ChooseArticleTest, OpensFullScreenWithTheCurrentArticleUncovered) {
  Prepare(Book());
  Run(2, [](WindowHandle dialog) {
    const ChooseArticleState& state = ChooseArticleDialogState();
    EXPECT_EQ(state.window, dialog);
    // Sized to the owner; the list keeps clear of the scroll bar.
    EXPECT_EQ(state.listRect.right, 240 - kScrollBarWidth);
    EXPECT_EQ(state.listRect.bottom, 320);
    EXPECT_EQ(List().width, 240 - kScrollBarWidth);
    EXPECT_EQ(List().height, 320);
    EXPECT_EQ(VisibleTexts(List()), (Texts{"aa bb", "dd", "ee", "ff"}));
    EXPECT_EQ(List().topRow, 0);
    const auto bar = headless::ScrollBarOf(dialog);
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(bar->maximum, 0);
    EXPECT_EQ(bar->position, 0);
  });
  ASSERT_EQ(headless::DialogRuns().size(), 1u);
  EXPECT_EQ(LastRun().templateId, resources::kDialogChooseArticle);
  EXPECT_EQ(LastRun().owner, owner_);
  bool initialised = false;
  for (const headless::ShellCall& call : headless::ShellCalls()) {
    if (call.kind != headless::ShellCallKind::kInitDialog) continue;
    initialised = true;
    EXPECT_EQ(call.flags, screen::kFullScreenDialogFlags | platform::SHIDIF_DONEBUTTON);
  }
  EXPECT_TRUE(initialised);
}

struct EndCase {
  const char* name;
  std::function<void(WindowHandle)> act;
  std::uint16_t result;
  std::intptr_t code;
};

const EndCase kEndCases[] = {
    {"ATapOnAnArticleChoosesIt",
     [](WindowHandle dialog) {
       platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0, TapOnRow(List(), 0x4003));
     },
     3, platform::IDOK},
    {"ATapOnTheCurrentArticleGivesItBack",
     [](WindowHandle dialog) {
       platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0, TapOnRow(List(), 0x4002));
     },
     2, platform::IDOK},
    {"OkGivesTheCurrentArticleBack",
     [](WindowHandle dialog) { headless::SendDialogCommand(dialog, platform::IDOK); }, 2,
     platform::IDOK},
    {"CancelGivesZero",
     [](WindowHandle dialog) { headless::SendDialogCommand(dialog, platform::IDCANCEL); }, 0,
     platform::IDCANCEL},
    {"OtherCommandsAreIgnored",
     [](WindowHandle dialog) {
       headless::SendDialogCommand(dialog, 1234);
       EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
       headless::SendDialogCommand(dialog, platform::IDOK);
     },
     2, platform::IDOK},
    {"ATapOnAHeadingOpensItAndTheDialogStays",
     [](WindowHandle dialog) {
       platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0, TapOnRow(List(), kSecondHeading));
       EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
       EXPECT_EQ(VisibleTexts(List()), (Texts{"aa bb", "dd", "ee", "ff", "gg", "hh"}));
       platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0, TapOnRow(List(), 0x4005));
     },
     5, platform::IDOK},
};

class DialogEndTest : public ChooseArticleTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(DialogEndTest, Result) {
  Prepare(Book());
  EXPECT_EQ(Run(2, GetParam().act), GetParam().result);
  EXPECT_EQ(LastRun().result, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(ChooseArticle, DialogEndTest, ::testing::ValuesIn(kEndCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(ChooseArticleTest, ATapBelowTheRowsOnlySyncsTheScrollBar) {
  Prepare(Book());
  Run(2, [](WindowHandle dialog) {
    const long sets = headless::ScrollBarSets(dialog);
    const Texts before = VisibleTexts(List());
    platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0, platform::MakeLParam(100, 300));
    EXPECT_EQ(headless::ScrollBarSets(dialog), sets + 1);
    EXPECT_EQ(VisibleTexts(List()), before);
    EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
  });
}

struct ScrollCase {
  const char* name;
  std::uint32_t message;
  platform::WParam wParam;
  std::uint16_t topRow;  // from 2, with lastTopRow 5 and five rows painted
};

const ScrollCase kScrollCases[] = {
    {"LineUp", platform::WM_VSCROLL, platform::SB_LINEUP, 1},
    {"LineDown", platform::WM_VSCROLL, platform::SB_LINEDOWN, 3},
    {"PageUpByTheRowsPainted", platform::WM_VSCROLL, platform::SB_PAGEUP, 0},
    {"PageDownByTheRowsPainted", platform::WM_VSCROLL, platform::SB_PAGEDOWN, 5},
    {"ThumbPosition", platform::WM_VSCROLL, platform::MakeWParam(platform::SB_THUMBPOSITION, 4), 4},
    {"ThumbTrack", platform::WM_VSCROLL, platform::MakeWParam(platform::SB_THUMBTRACK, 1), 1},
    {"Top", platform::WM_VSCROLL, platform::SB_TOP, 0},
    {"BottomMovesOneRowDown", platform::WM_VSCROLL, platform::SB_BOTTOM, 3},
    {"EndScrollDoesNothing", platform::WM_VSCROLL, platform::SB_ENDSCROLL, 2},
};

class DialogScrollTest : public ChooseArticleTest,
                         public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(DialogScrollTest, Scroll) {
  const ScrollCase& c = GetParam();
  Prepare(TenSections(), 60);
  Run(0, [&c](WindowHandle dialog) {
    ASSERT_EQ(List().lastTopRow, 5);
    platform::SendMessage(dialog, platform::WM_VSCROLL,
                          platform::MakeWParam(platform::SB_THUMBPOSITION, 2), 0);
    ASSERT_EQ(List().topRow, 2);
    ASSERT_EQ(List().rowsPainted, 5);
    const long sets = headless::ScrollBarSets(dialog);

    platform::SendMessage(dialog, c.message, c.wParam, 0);
    EXPECT_EQ(List().topRow, c.topRow);
    const bool moved = c.topRow != 2;
    EXPECT_EQ(headless::ScrollBarSets(dialog), sets + (moved ? 1 : 0));
    EXPECT_EQ(headless::ScrollBarOf(dialog)->position, c.topRow);
    EXPECT_EQ(headless::ScrollBarOf(dialog)->maximum, 5);
  });
}

INSTANTIATE_TEST_SUITE_P(ChooseArticle, DialogScrollTest, ::testing::ValuesIn(kScrollCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(ChooseArticleTest, ASizeChangeKeepsWhatTheReaderOpened) {
  Prepare(Book());
  Run(2, [](WindowHandle dialog) {
    platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0, TapOnRow(List(), kSecondHeading));
    const Texts opened = VisibleTexts(List());
    const long before = headless::LiveHeapBlocks();

    headless::ResizeDialog(dialog, 200, 100);
    EXPECT_EQ(ChooseArticleDialogState().listRect.right, 200 - kScrollBarWidth);
    EXPECT_EQ(List().width, 200 - kScrollBarWidth);
    EXPECT_EQ(List().height, 100);
    EXPECT_EQ(VisibleTexts(List()), opened);
    EXPECT_EQ(headless::LiveHeapBlocks(), before);  // the saved state is freed
    EXPECT_EQ(headless::ScrollBarOf(dialog)->maximum, List().lastTopRow);
  });
}

TEST_F(ChooseArticleTest, ASizeChangeThatFitsTheWholeListScrollsToItsTop) {
  Prepare(TenSections(), 60);
  Run(0, [](WindowHandle dialog) {
    platform::SendMessage(dialog, platform::WM_VSCROLL, platform::SB_LINEDOWN, 0);
    ASSERT_EQ(List().topRow, 1);
    headless::ResizeDialog(dialog, 240, 320);
    EXPECT_EQ(List().lastTopRow, 0);
    EXPECT_EQ(List().topRow, 0);
    EXPECT_EQ(headless::ScrollBarOf(dialog)->position, 0);
  });
}

TEST_F(ChooseArticleTest, ActivationHidesTheTaskbarAgain) {
  Prepare(Book());
  screen::taskbarWindow = headless::SimulateTaskbar(true);
  Run(2, [](WindowHandle dialog) {
    platform::SendMessage(dialog, platform::WM_ACTIVATE, platform::WA_CLICKACTIVE, 0);
    EXPECT_TRUE(platform::IsWindowVisible(screen::taskbarWindow));
    platform::SendMessage(dialog, platform::WM_ACTIVATE, platform::WA_ACTIVE, 0);
    EXPECT_FALSE(platform::IsWindowVisible(screen::taskbarWindow));
  });
}

TEST_F(ChooseArticleTest, EraseFillsTheListAndAsksForItsPainting) {
  Prepare(Book());
  Run(2, [](WindowHandle dialog) {
    platform::Surface* surface = platform::GetWindowSurface(dialog);
    headless::ClearDrawCalls(surface);
    EXPECT_EQ(platform::SendMessage(dialog, platform::WM_ERASEBKGND,
                                    reinterpret_cast<platform::WParam>(surface), 0),
              1);
    const platform::Rect list = ChooseArticleDialogState().listRect;
    ASSERT_EQ(headless::DrawCalls(surface).size(), 1u);
    const headless::DrawCall& fill = headless::DrawCalls(surface)[0];
    EXPECT_EQ(fill.kind, headless::DrawKind::kFill);
    EXPECT_EQ(fill.brushColour, platform::kColourWhite);
    EXPECT_EQ(fill.box.right, list.right);
    EXPECT_EQ(fill.box.bottom, list.bottom);
    const headless::Invalidation& mark = headless::Invalidations(dialog).back();
    EXPECT_EQ(mark.rect.right, list.right);
    EXPECT_FALSE(mark.erase);

    // Painting draws the list.
    headless::ClearDrawCalls(surface);
    platform::SendMessage(dialog, platform::WM_PAINT, 0, 0);
    EXPECT_FALSE(headless::DrawCalls(surface).empty());
    platform::ReleaseWindowSurface(dialog, surface);
  });
}

TEST_F(ChooseArticleTest, WithoutAnIndexTheListIsEmpty) {
  Prepare({});
  EXPECT_EQ(Run(2,
                [](WindowHandle dialog) {
                  EXPECT_FALSE(List().data);
                  platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0,
                                        platform::MakeLParam(100, 5));
                  platform::SendMessage(dialog, platform::WM_KEYDOWN, platform::VK_DOWN, 0);
                  EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
                  headless::SendDialogCommand(dialog, platform::IDOK);
                }),
            2);
}

TEST_F(ChooseArticleTest, WithBookmarksTheirSectionHeadsTheList) {
  Prepare(Book());
  appState.bookmarkList = platform::HeapAllocateArray<std::uint16_t>(2);
  appState.bookmarkList[0] = 2;
  appState.bookmarkList[1] = 0;
  appState.bookmarkCount = 1;
  Run(2, [](WindowHandle) {
    // The current article is bookmarked: its copy is found first, and
    // nothing is uncovered in the book index.
    EXPECT_EQ(VisibleTexts(List()), (Texts{"jiyu", "dd - aa bb", "aa bb", "ff"}));
  });
}

TEST_F(ChooseArticleTest, TheEndReleasesTheSurfaceAndEveryBlock) {
  Prepare(Book());
  Run(2, [](WindowHandle) {});  // makes the shared conversion buffer
  const long before = headless::LiveHeapBlocks();
  Run(2, [](WindowHandle dialog) {
    platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0, TapOnRow(List(), kSecondHeading));
  });
  EXPECT_EQ(headless::LiveHeapBlocks(), before);
  EXPECT_EQ(headless::HeldSurfaces(LastRun().dialog), 0);
  EXPECT_EQ(ChooseArticleDialogState().view, nullptr);
}

TEST_F(ChooseArticleTest, AMissingTemplateLeavesTheCurrentArticle) {
  Prepare(Book());
  headless::InstallDialogTemplate(resources::kDialogChooseArticle, nullptr);
  EXPECT_EQ(ChooseArticle(owner_, 7, &settings_), 7);
  EXPECT_EQ(LastRun().result, -1);
}

// --- The keyboard cursor ------------------------------------------------------

namespace keys {

std::string CursorText() {
  const IndexView& view = List();
  if (!view.hasCursor) return "(none)";
  const IndexLine& row = view.lines[view.cursorRow];
  return {reinterpret_cast<const char*>(view.data.get() + row.textOffset), row.length};
}

void Press(WindowHandle dialog, std::uint32_t key) {
  platform::SendMessage(dialog, platform::WM_KEYDOWN, key, 0);
}

void Type(WindowHandle dialog, const std::string& digits) {
  for (char digit : digits) {
    Press(dialog, platform::VK_DIGIT_0 + static_cast<std::uint32_t>(digit - '0'));
  }
}

bool DrewCursor(WindowHandle dialog) {
  platform::Surface* surface = platform::GetWindowSurface(dialog);
  bool found = false;
  for (const headless::DrawCall& call : headless::DrawCalls(surface)) {
    if (call.kind == headless::DrawKind::kFill && call.brushColour == kCursorColour) found = true;
  }
  platform::ReleaseWindowSurface(dialog, surface);
  return found;
}

}  // namespace keys

TEST_F(ChooseArticleTest, TheCursorStartsOnTheCurrentArticleAndTheArrowsAndEndsMoveIt) {
  Prepare(Book());
  Run(2, [](WindowHandle dialog) {
    EXPECT_EQ(keys::CursorText(), "dd");
    EXPECT_EQ(platform::SendMessage(dialog, platform::WM_GETDLGCODE, 0, 0),
              platform::DLGC_WANTALLKEYS)
        << "Return reaches the list";
    const struct {
      std::uint32_t key;
      const char* to;
    } steps[] = {
        {platform::VK_DOWN, "ee"},    {platform::VK_DOWN, "ff"},  {platform::VK_DOWN, "ff"},
        {platform::VK_HOME, "aa bb"}, {platform::VK_UP, "aa bb"}, {platform::VK_END, "ff"},
        {platform::VK_UP, "ee"},
    };
    for (const auto& step : steps) {
      keys::Press(dialog, step.key);
      EXPECT_EQ(keys::CursorText(), step.to) << "after key " << step.key;
    }
    EXPECT_TRUE(keys::DrewCursor(dialog));
    EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
  });
}

TEST_F(ChooseArticleTest, ThePageKeysMoveTheCursorByAPageAndTheListFollows) {
  Prepare(TenSections(), 60);
  Run(0, [](WindowHandle dialog) {
    ASSERT_EQ(List().rowsPainted, 5);
    EXPECT_EQ(keys::CursorText(), "sa");
    keys::Press(dialog, platform::VK_NEXT);
    EXPECT_EQ(keys::CursorText(), "sf");
    EXPECT_EQ(List().topRow, 1) << "scrolled just enough to show it";
    EXPECT_EQ(headless::ScrollBarOf(dialog)->position, 1);
    keys::Press(dialog, platform::VK_END);
    EXPECT_EQ(keys::CursorText(), "sj");
    EXPECT_EQ(List().topRow, 5);
    keys::Press(dialog, platform::VK_PRIOR);
    EXPECT_EQ(keys::CursorText(), "se");
    EXPECT_EQ(List().topRow, 4);
    keys::Press(dialog, platform::VK_HOME);
    EXPECT_EQ(List().topRow, 0);
    // A size change keeps the cursor on its entry.
    keys::Press(dialog, platform::VK_DOWN);
    headless::ResizeDialog(dialog, 200, 100);
    EXPECT_EQ(keys::CursorText(), "sb");
  });
}

TEST_F(ChooseArticleTest, ReturnOpensAHeadingAndChoosesAnArticle) {
  Prepare(Book());
  EXPECT_EQ(Run(2,
                [](WindowHandle dialog) {
                  keys::Press(dialog, platform::VK_UP);
                  ASSERT_EQ(keys::CursorText(), "aa bb");
                  keys::Press(dialog, platform::VK_RETURN);
                  EXPECT_EQ(VisibleTexts(List()), (Texts{"aa bb", "cc", "dd", "ee", "ff"}));
                  EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
                  keys::Press(dialog, platform::VK_DOWN);
                  keys::Press(dialog, platform::VK_RETURN);
                }),
            1);
  EXPECT_EQ(LastRun().result, platform::IDOK);
}

TEST_F(ChooseArticleTest, TypedDigitsAndReturnOpenThatArticle) {
  Prepare(Book());
  EXPECT_EQ(Run(2,
                [](WindowHandle dialog) {
                  keys::Type(dialog, "5");
                  EXPECT_EQ(List().typedNumber, u"5");
                  platform::Surface* surface = platform::GetWindowSurface(dialog);
                  EXPECT_EQ(headless::DrawCalls(surface).back().text, u"5") << "shown";
                  platform::ReleaseWindowSurface(dialog, surface);
                  keys::Type(dialog, "7");
                  keys::Press(dialog, platform::VK_BACK);
                  keys::Type(dialog, "0");
                  EXPECT_EQ(List().typedNumber, u"50");
                  keys::Press(dialog, platform::VK_RETURN);
                }),
            50);
}

TEST_F(ChooseArticleTest, TypedNumbersOutsideTheBookAreRefused) {
  Prepare(Book());
  const std::string pastTheBook = std::to_string(ArticleCount + 1);
  for (const std::string& typed : {std::string("0"), pastTheBook, std::string("99999")}) {
    SCOPED_TRACE(typed);
    EXPECT_EQ(Run(2,
                  [&typed](WindowHandle dialog) {
                    keys::Type(dialog, typed);
                    keys::Press(dialog, platform::VK_RETURN);
                    EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
                    EXPECT_TRUE(List().typedNumber.empty());
                    EXPECT_EQ(keys::CursorText(), "dd") << "Return then acts on the cursor";
                    keys::Press(dialog, platform::VK_RETURN);
                  }),
              2);
  }
}

TEST_F(ChooseArticleTest, ATapLeftOfARowsTextActsOnTheRow) {
  Prepare(Book());
  EXPECT_EQ(Run(2,
                [](WindowHandle dialog) {
                  // Left of "aa bb": the heading opens.
                  platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0,
                                        platform::MakeLParam(2, 5));
                  EXPECT_EQ(VisibleTexts(List()), (Texts{"aa bb", "cc", "dd", "ee", "ff"}));
                  // Left of "cc", the second row: that article.
                  const std::int32_t y = List().lines[0].rowHeight + 2;
                  platform::SendMessage(dialog, platform::WM_LBUTTONDOWN, 0,
                                        platform::MakeLParam(2, static_cast<std::uint16_t>(y)));
                }),
            1);
}

}  // namespace
}  // namespace velmora::index
