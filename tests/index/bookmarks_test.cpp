// Bookmarks: the list and its order, the removal question, the stored form,
// the Bookmarks section in front of the index, and the Bookmark command of
// the main window with its check mark.
#include "index/bookmarks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "index/index_view.h"
#include "platform/headless/headless.h"
#include "platform/menu.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "resources/article_count.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"
#include "tests/support/stored_values.h"
#include "tests/support/test_book.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using index::AddBookmark;
using index::IsBookmarked;
using index::LoadBookmarks;
using index::PrependBookmarks;
using index::RemoveBookmark;
using index::SaveBookmarks;
using index::ToggleBookmark;

using Values = std::vector<std::uint16_t>;

void StoreBookmarks(const Bytes& bytes) {
  Store(settings::ProgramKey, settings::kBookmarks, platform::kRegBinary, bytes);
}

std::optional<platform::RegistryValue> StoredBookmarks() {
  return platform::RegistryRead(settings::ProgramKey, settings::kBookmarks);
}

// The list in memory with its terminator; nothing without a list.
std::optional<Values> ListWithTerminator() {
  if (!appState.bookmarkList) return std::nullopt;
  const std::uint16_t* list = appState.bookmarkList.get();
  return Values(list, list + appState.bookmarkCount + 1);
}

void Bookmark(std::uint16_t article) {
  appState.currentArticle = article;
  AddBookmark();
}

// --- The list ----------------------------------------------------------------

TEST(BookmarkList, KeepsTheOrderOfAddingAndEachArticleOnce) {
  for (std::uint16_t article : {5, 3, 9, 3, 5}) Bookmark(article);
  EXPECT_EQ(ListWithTerminator(), (Values{5, 3, 9, 0}));
  EXPECT_EQ(appState.bookmarkCount, 3);
  for (std::uint16_t article : {5, 3, 9}) {
    appState.currentArticle = article;
    EXPECT_TRUE(IsBookmarked()) << article;
  }
  appState.currentArticle = 4;
  EXPECT_FALSE(IsBookmarked());
}

TEST(BookmarkList, AddingStartsFromNoListOrFromATerminatorAlone) {
  for (bool terminatorAlone : {false, true}) {
    SCOPED_TRACE(terminatorAlone);
    index::FreeBookmarks();
    if (terminatorAlone) {
      StoreBookmarks({0, 0});
      LoadBookmarks();
      ASSERT_EQ(ListWithTerminator(), (Values{0}));
    }
    appState.currentArticle = 7;
    EXPECT_FALSE(IsBookmarked());
    AddBookmark();
    EXPECT_EQ(ListWithTerminator(), (Values{7, 0}));
  }
}

TEST(BookmarkList, AddingOnADryHeapLeavesTheListAsItWas) {
  Bookmark(4);
  const long blocks = headless::LiveHeapBlocks();
  headless::FailHeapAfter(0);
  Bookmark(8);
  headless::ResetHeapFaults();
  EXPECT_EQ(ListWithTerminator(), (Values{4, 0}));
  EXPECT_EQ(headless::LiveHeapBlocks(), blocks);
}

TEST(BookmarkList, RemovingDropsEveryOccurrenceOfTheCurrentArticle) {
  const struct {
    const char* name;
    Bytes stored;  // empty: no list
    std::uint16_t current;
    std::optional<Values> after;
  } cases[] = {
      {"Middle", {4, 0, 7, 0, 9, 0, 0, 0}, 7, Values{4, 9, 0}},
      {"StoredTwiceLosesBoth", {4, 0, 7, 0, 4, 0, 9, 0, 0, 0}, 4, Values{7, 9, 0}},
      {"Last", {7, 0, 0, 0}, 7, Values{0}},
      {"NotInTheList", {4, 0, 0, 0}, 7, Values{4, 0}},
      {"NoList", {}, 7, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    index::FreeBookmarks();
    if (!c.stored.empty()) {
      StoreBookmarks(c.stored);
      LoadBookmarks();
    }
    appState.currentArticle = c.current;
    RemoveBookmark();
    EXPECT_EQ(ListWithTerminator(), c.after);
    EXPECT_FALSE(IsBookmarked());
  }
}

// --- The removal question ----------------------------------------------------

TEST(BookmarkToggle, AddsWithoutAsking) {
  appState.currentArticle = 12;
  ToggleBookmark(IsBookmarked());
  EXPECT_EQ(ListWithTerminator(), (Values{12, 0}));
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

TEST(BookmarkToggle, TheAnswerDecidesAndCancelStopsTheQuestion) {
  const struct {
    const char* name;
    int answer;
    bool kept;
    bool askAgain;
  } cases[] = {
      {"Yes", platform::kIdYes, false, true},
      {"No", platform::kIdNo, true, true},
      {"Cancel", platform::kIdCancel, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    headless::ResetAll();
    ResetAppState();
    appState.mainWindow = headless::CreateTestWindow({0, 0, 240, 320});
    for (std::uint16_t article : {3, 6}) Bookmark(article);

    headless::ScriptMessageBoxAnswers({c.answer});
    appState.currentArticle = 3;
    ToggleBookmark(IsBookmarked());
    ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
    const headless::MessageBoxCall& box = headless::MessageBoxCalls()[0];
    EXPECT_EQ(box.owner, appState.mainWindow);
    EXPECT_EQ(box.text, resources::kMsgRemoveBookmark);
    EXPECT_EQ(box.caption, resources::kCaptionBookmark);
    EXPECT_EQ(box.style, platform::kMbYesNoCancel);
    EXPECT_EQ(IsBookmarked(), c.kept);

    // The next removal asks again, unless the reader answered Cancel.
    headless::ScriptMessageBoxAnswers({platform::kIdYes});
    appState.currentArticle = 6;
    ToggleBookmark(IsBookmarked());
    EXPECT_FALSE(IsBookmarked());
    EXPECT_EQ(headless::MessageBoxCalls().size(), c.askAgain ? 2u : 1u);
    headless::DestroyTestWindow(appState.mainWindow);
  }
}

// --- The stored form ---------------------------------------------------------

TEST(StoredBookmarks, LoadTakesWholeValuesAndSaveWritesThemTerminated) {
  const struct {
    const char* name;
    std::optional<Bytes> stored;  // nothing: no value
    std::optional<Values> list;   // with its terminator; nothing: no list
    Bytes saved;
  } cases[] = {
      {"Terminated", Bytes{5, 0, 0x2C, 1, 0, 0}, Values{5, 300, 0}, {5, 0, 0x2C, 1, 0, 0}},
      {"Unterminated", Bytes{5, 0, 9, 0}, Values{5, 9, 0}, {5, 0, 9, 0, 0, 0}},
      {"OddUnterminated", Bytes{5, 0, 9, 0, 7}, Values{5, 9, 0}, {5, 0, 9, 0, 0, 0}},
      {"OddTerminated", Bytes{5, 0, 0, 0, 7}, Values{5, 0}, {5, 0, 0, 0}},
      {"ZeroInside", Bytes{5, 0, 0, 0, 9, 0, 0, 0}, Values{5, 0, 9, 0}, {5, 0, 0, 0, 9, 0, 0, 0}},
      {"TerminatorAlone", Bytes{0, 0}, Values{0}, {0, 0}},
      {"OneByte", Bytes{7}, std::nullopt, {0, 0}},
      {"Empty", Bytes{}, std::nullopt, {0, 0}},
      {"NoValue", std::nullopt, std::nullopt, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(RegistryFile());
    // The key holds another value, so that only "Bookmarks" is missing.
    Store(settings::ProgramKey, settings::kFlags, platform::kRegDword, Dword(0));
    if (c.stored) StoreBookmarks(*c.stored);
    const long blocks = headless::LiveHeapBlocks();
    LoadBookmarks();
    EXPECT_EQ(ListWithTerminator(), c.list);
    EXPECT_EQ(appState.bookmarkCount, c.list ? c.list->size() - 1 : 0);
    SaveBookmarks();
    EXPECT_EQ(StoredBookmarks(), (platform::RegistryValue{platform::kRegBinary, c.saved}));
    index::FreeBookmarks();
    EXPECT_EQ(headless::LiveHeapBlocks(), blocks);
  }
}

TEST(StoredBookmarks, NoKeyGivesNoList) {
  LoadBookmarks();
  EXPECT_FALSE(appState.bookmarkList);
  EXPECT_EQ(appState.bookmarkCount, 0);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

TEST(StoredBookmarks, LoadReplacesTheListHeldBefore) {
  const long blocks = headless::LiveHeapBlocks();
  for (std::uint16_t article : {1, 2, 3}) Bookmark(article);
  StoreBookmarks({8, 0, 0, 0});
  LoadBookmarks();
  EXPECT_EQ(ListWithTerminator(), (Values{8, 0}));
  index::FreeBookmarks();
  EXPECT_EQ(headless::LiveHeapBlocks(), blocks);
}

TEST(StoredBookmarks, ADryHeapWhileLoadingEndsTheProgramWithoutAList) {
  // The stored copy, then (unterminated) the list with its terminator.
  for (int allowed : {0, 1}) {
    SCOPED_TRACE(allowed);
    headless::ResetAll();
    ResetAppState();
    StoreBookmarks({5, 0, 9, 0});
    const long blocks = headless::LiveHeapBlocks();
    headless::FailHeapAfter(allowed);
    LoadBookmarks();
    headless::ResetHeapFaults();
    EXPECT_FALSE(appState.bookmarkList);
    EXPECT_EQ(appState.bookmarkCount, 0);
    ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
    EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
    EXPECT_EQ(headless::LiveHeapBlocks(), blocks);
  }
}

TEST(StoredBookmarks, RemovingTheLastStoresTwoZeroBytesAndReloadsEmpty) {
  Bookmark(6);
  RemoveBookmark();
  SaveBookmarks();
  EXPECT_EQ(StoredBookmarks(), (platform::RegistryValue{platform::kRegBinary, {0, 0}}));
  LoadBookmarks();
  EXPECT_EQ(appState.bookmarkCount, 0);
  EXPECT_FALSE(PrependBookmarks({})) << "no Bookmarks section";
}

// --- The Bookmarks section ---------------------------------------------------

constexpr std::uint16_t kHeading = book::kIdHeading | book::kFirstHeadingNumber;

EntrySpec Article(std::uint16_t n, std::string text) {
  return {static_cast<std::uint16_t>(book::kIdArticle | n), book::kArticleEntryStyle,
          book::kArticleIndent, std::move(text)};
}

// A bookmark row of an article without a section above it: its own name.
EntrySpec Bare(std::uint16_t n, const std::string& text) {
  EntrySpec copy = Article(n, text);
  copy.style = index::kBookmarkEntryStyle;
  return copy;
}

// A bookmark row's text: the section's name first in reading order, so last
// in the stored display order.
EntrySpec Copy(std::uint16_t n, const std::string& text, const std::string& section) {
  EntrySpec copy = Article(n, text + index::kBookmarkSectionSeparator + section);
  copy.style = index::kBookmarkEntryStyle;
  copy.indent = book::kArticleIndent;
  return copy;
}

const EntrySpec kBookmarksHeading{index::kBookmarksHeadingId, index::kBookmarksHeadingStyle,
                                  book::kSectionIndent, index::kBookmarksHeadingText};

// Two sections; the second heading's number bits are those of article 1, and
// article 3 stands one level deeper (its copy still gets level 2).
const std::vector<EntrySpec> kIndexEntries = {
    {kHeading, book::kSectionHeadingStyle, book::kSectionIndent, "abc"},
    Article(1, "de"),
    Article(2, "fgh"),
    {book::kIdHeading | 1, book::kSectionHeadingStyle, book::kSectionIndent, "kl"},
    {book::kIdArticle | 3, book::kArticleEntryStyle, book::kArticleIndent + 1, "i"},
};

platform::HeapBuffer ToHeap(const Bytes& bytes) {
  platform::HeapBuffer buffer;
  buffer.data = platform::HeapAllocateArray<std::uint8_t>(bytes.size());
  std::memcpy(buffer.get(), bytes.data(), bytes.size());
  buffer.size = static_cast<std::uint32_t>(bytes.size());
  return buffer;
}

Bytes FromHeap(const platform::HeapBuffer& buffer) {
  return buffer ? Bytes(buffer.get(), buffer.get() + buffer.size) : Bytes{};
}

void SetList(const Values& values) {
  index::FreeBookmarks();
  for (std::uint16_t article : values) Bookmark(article);
}

Bytes IndexWith(std::vector<EntrySpec> front) {
  front.insert(front.end(), kIndexEntries.begin(), kIndexEntries.end());
  return MakeIndexRecord(front);
}

TEST(BookmarksSection, WithoutAnIndexTheSectionIsTheHeadingAlone) {
  SetList({1});
  const Bytes joined = FromHeap(PrependBookmarks({}));
  EXPECT_EQ(joined, (Bytes{0x77, 0x88, 0xC1, 0x01, 'j', 'i', 'y', 'u', 0, 0, 0, 0, 0, 0}));
}

TEST(BookmarksSection, CopiesTheEntriesOfTheBookmarksInFrontOfTheIndex) {
  const Bytes index = MakeIndexRecord(kIndexEntries);
  const long blocks = headless::LiveHeapBlocks();
  const struct {
    const char* name;
    Values list;
    Bytes expected;
  } cases[] = {
      {"OrderOfAdding",
       {3, 1},
       IndexWith({kBookmarksHeading, Copy(3, "i", "kl"), Copy(1, "de", "abc")})},
      // 500 is in no entry; the first heading's number is no article's.
      {"UnknownNumbersProduceNoRow",
       {500, 2, book::kFirstHeadingNumber},
       IndexWith({kBookmarksHeading, Copy(2, "fgh", "abc")})},
      {"NoneFoundLeavesTheHeadingAlone", {500}, IndexWith({kBookmarksHeading})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetList(c.list);
    EXPECT_EQ(FromHeap(PrependBookmarks(ToHeap(index))), c.expected);
    index::FreeBookmarks();
    EXPECT_EQ(headless::LiveHeapBlocks(), blocks) << "the index is freed";
  }
}

// An article listed before any heading has no section to name.
TEST(BookmarksSection, AnArticleBeforeEveryHeadingKeepsItsNameAlone) {
  std::vector<EntrySpec> entries = {Article(7, "x")};
  entries.insert(entries.end(), kIndexEntries.begin(), kIndexEntries.end());
  SetList({7});
  std::vector<EntrySpec> expected = {kBookmarksHeading, Bare(7, "x")};
  expected.insert(expected.end(), entries.begin(), entries.end());
  EXPECT_EQ(FromHeap(PrependBookmarks(ToHeap(MakeIndexRecord(entries)))),
            MakeIndexRecord(expected));
}

TEST(BookmarksSection, WithoutBookmarksTheIndexComesBackUnchanged) {
  const Bytes index = MakeIndexRecord(kIndexEntries);
  for (bool terminatorAlone : {false, true}) {
    SCOPED_TRACE(terminatorAlone);
    SetList(terminatorAlone ? Values{2} : Values{});
    if (terminatorAlone) RemoveBookmark();
    platform::HeapBuffer given = ToHeap(index);
    const std::uint8_t* block = given.get();
    platform::HeapBuffer result = PrependBookmarks(std::move(given));
    EXPECT_EQ(result.get(), block);
    EXPECT_EQ(FromHeap(result), index);
    EXPECT_FALSE(PrependBookmarks({})) << "no index and no bookmarks: nothing";
  }
}

TEST(BookmarksSection, ADryHeapKeepsTheIndexAlone) {
  const Bytes index = MakeIndexRecord(kIndexEntries);
  SetList({2});
  const long blocks = headless::LiveHeapBlocks();
  platform::HeapBuffer given = ToHeap(index);
  const std::uint8_t* block = given.get();
  headless::FailHeapAfter(0);
  platform::HeapBuffer result = PrependBookmarks(std::move(given));
  EXPECT_FALSE(PrependBookmarks({}));
  headless::ResetHeapFaults();
  EXPECT_EQ(result.get(), block);
  EXPECT_EQ(FromHeap(result), index);
  result = {};
  EXPECT_EQ(headless::LiveHeapBlocks(), blocks);
}

// The walks stop at the last whole entry: a cut index gives no copy of the
// entry it cuts and no byte beyond its size.
TEST(BookmarksSection, ACutIndexIsCopiedUpToItsLastWholeEntry) {
  Bytes index = MakeIndexRecord(kIndexEntries);
  index.resize(index.size() - book::kEndMarkSize - 1);  // article 3 loses its NUL
  SetList({3, 1});
  const std::vector<EntrySpec> whole(kIndexEntries.begin(), kIndexEntries.end() - 1);
  std::vector<EntrySpec> expected = {kBookmarksHeading, Copy(1, "de", "abc")};
  expected.insert(expected.end(), whole.begin(), whole.end());
  EXPECT_EQ(FromHeap(PrependBookmarks(ToHeap(index))), MakeIndexRecord(expected));
}

// The list view addresses the joined buffer with 16-bit offsets.
TEST(BookmarksSection, AJoinedBufferBeyondSixteenBitOffsetsKeepsTheIndexAlone) {
  // Heading 9 + copy of article 1 ("ab", 7) + the index's entries + end mark 5.
  constexpr std::uint32_t kAround = 9 + 7 + 5;
  for (std::uint32_t joinedSize : {index::kMaxIndexBytes, index::kMaxIndexBytes + 1}) {
    SCOPED_TRACE(joinedSize);
    std::vector<EntrySpec> entries = {Article(1, "ab")};
    std::uint32_t left = joinedSize - kAround - 7;
    for (std::uint16_t n = 2; left > 0; ++n) {
      const std::uint32_t size = left > 410 ? 205 : (left > 205 ? left / 2 : left);
      entries.push_back(Article(n, std::string(size - book::kEntryHeaderSize - 1, 'b')));
      left -= size;
    }
    const Bytes index = MakeIndexRecord(entries);
    SetList({1});
    const Bytes joined = FromHeap(PrependBookmarks(ToHeap(index)));
    if (joinedSize <= index::kMaxIndexBytes) {
      EXPECT_EQ(joined.size(), joinedSize);
      EXPECT_TRUE(std::equal(index.begin(), index.end(), joined.end() - index.size()));
    } else {
      EXPECT_EQ(joined, index);
    }
  }
}

// --- The Bookmark command ----------------------------------------------------

class BookmarkCommandTest : public ProgramTest {
 protected:
  // Ends a program left running, so that its view and glyphs are freed.
  bool Checked() {
    const platform::MenuHandle menu =
        appState.menuBarOnBottom != 0
            ? platform::MenuBarSubMenu(appState.barWindow, resources::kCmdMenuBarGo)
            : platform::CommandBarGetMenu(appState.barWindow);
    return platform::IsMenuItemChecked(menu, resources::kCmdBookmark);
  }
  // Ends the program and starts it again on the same settings.
  void NextRun() {
    Command(resources::kCmdExit);
    headless::ResetAll();
    ResetAppState();
    Prepare();
    Start();
  }
};

TEST_F(BookmarkCommandTest, TheCheckMarkFollowsTheBookmarkAndTheArticle) {
  for (std::uint32_t menuBarOnBottom : {0u, 1u}) {
    SCOPED_TRACE(menuBarOnBottom);
    Restart();
    StoreDeviceOption(settings::kMenuBarOnBottom, menuBarOnBottom);
    Start();
    EXPECT_FALSE(Checked());
    EXPECT_EQ(Command(resources::kCmdBookmark), 0);
    EXPECT_TRUE(Checked());
    Command(resources::kCmdNextArticle);
    EXPECT_FALSE(Checked());
    Command(resources::kCmdPreviousArticle);
    EXPECT_TRUE(Checked());

    headless::ScriptMessageBoxAnswers({platform::kIdNo, platform::kIdYes});
    Command(resources::kCmdBookmark);
    EXPECT_TRUE(Checked()) << "No keeps the bookmark";
    Command(resources::kCmdBookmark);
    EXPECT_FALSE(Checked());
    EXPECT_EQ(headless::MessageBoxCalls().size(), 2u);
    EXPECT_EQ(headless::MessageBoxCalls()[0].owner, window_);
  }
}

TEST_F(BookmarkCommandTest, CancelStopsTheQuestionUntilTheNextRun) {
  Start();
  Command(resources::kCmdBookmark);
  headless::ScriptMessageBoxAnswers({platform::kIdCancel});
  Command(resources::kCmdBookmark);
  EXPECT_FALSE(Checked());
  Command(resources::kCmdBookmark);
  Command(resources::kCmdBookmark);
  EXPECT_FALSE(Checked());
  EXPECT_EQ(headless::MessageBoxCalls().size(), 1u);

  Command(resources::kCmdBookmark);
  NextRun();
  EXPECT_TRUE(Checked());
  Command(resources::kCmdBookmark);
  EXPECT_EQ(headless::MessageBoxCalls().size(), 1u) << "asked again";
}

TEST_F(BookmarkCommandTest, ExitStoresTheListAndTheNextRunShowsIt) {
  Start();
  Command(resources::kCmdBookmark);
  Command(resources::kCmdPreviousArticle);  // the last article
  Command(resources::kCmdBookmark);
  const auto last = static_cast<std::uint8_t>(ArticleCount);
  const auto lastHigh = static_cast<std::uint8_t>(ArticleCount >> 8);

  NextRun();
  EXPECT_EQ(ReadStoredKey(settings::ProgramKey)[std::string(settings::kBookmarks)],
            (platform::RegistryValue{platform::kRegBinary, {1, 0, last, lastHigh, 0, 0}}));
  EXPECT_TRUE(Checked()) << "the last article is bookmarked";
  EXPECT_EQ(ListWithTerminator(), (Values{1, ArticleCount, 0}));

  // Without bookmarks two zero bytes are stored.
  headless::ScriptMessageBoxAnswers({platform::kIdYes});
  Command(resources::kCmdBookmark);
  Command(resources::kCmdNextArticle);
  headless::ScriptMessageBoxAnswers({platform::kIdYes});
  Command(resources::kCmdBookmark);
  Command(resources::kCmdExit);
  EXPECT_EQ(StoredBookmarks(), (platform::RegistryValue{platform::kRegBinary, {0, 0}}));
}

}  // namespace
}  // namespace velmora::test
