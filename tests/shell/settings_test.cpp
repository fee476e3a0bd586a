// The state at start and exit: LoadSettings, SaveSettingsAndQuit and their
// guards, SetCurrentArticle, AllocOrAbort and the device options.
#include "shell/start_and_exit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/message_box.h"
#include "resources/messages.h"
#include "state/alloc_or_abort.h"
#include "state/app_state.h"
#include "state/settings.h"
#include "state/settings_names.h"
#include "state/settings_store.h"
#include "tests/support/stored_values.h"
#include "view/text_view.h"

namespace velmora::settings {
namespace {

using shell::LoadSettings;
using shell::SaveSettingsAndQuit;

using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegSz;
using test::Bytes;
using test::DwordValue;

constexpr std::u16string_view kModule = u"/opt/velmora/bin/velmora";

// --- The article view and the bookmarks as start and exit find them --------

platform::Surface* surface = nullptr;

// A real article view whose top row is `topRow`, as the main window holds it.
void GiveArticleView(std::uint16_t topRow = 0) {
  const platform::Rect rect{0, 0, 200, 200};
  appState.articleView = view::CreateTextView(surface, &rect, appState.fontSettings, 16);
  ASSERT_NE(appState.articleView, nullptr);
  appState.articleView->topRow = topRow;
}

bool GlyphsHeld() {
  return std::any_of(std::begin(appState.glyphs), std::end(appState.glyphs),
                     [](platform::Bitmap* glyph) { return glyph != nullptr; });
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { surface = platform::headless::CreateTestSurface(200, 200); }
  void TearDown() override {
    if (appState.articleView != nullptr) view::DestroyTextView(appState.articleView, true);
    appState.articleView = nullptr;
    shell::ReleaseLoadedSettings();  // what a start left loaded without an exit
    platform::headless::DestroyTestSurface(surface);
    SetOutOfMemoryHandler(nullptr);
  }

  // A new process on the same settings file.
  static void Restart() {
    shell::ReleaseLoadedSettings();
    platform::headless::ResetAll();
    ResetAppState();
  }

  // A new process on an empty settings file.
  static void StartOver() {
    Restart();
    std::filesystem::remove(test::RegistryFile());
  }

  // The program's stored values, "Program Path" aside.
  static test::StoredKey StoredProgramValues() {
    test::StoredKey values = test::ReadStoredKey(ProgramKey);
    values.erase(std::string(kProgramPath));
    return values;
  }
};

std::u16string FaceName() { return appState.fontSettings.faceName; }
std::string Pattern() { return reinterpret_cast<const char*>(appState.searchPattern); }

TEST_F(Settings, WithNothingStoredStartUpUsesDefaultsAndTheFirstExitWritesThem) {
  ReadDeviceOptions();
  LoadSettings();
  SetCurrentArticle(0);
  EXPECT_EQ(FaceName(), u"");
  EXPECT_EQ(appState.fontSettings.size, 0);
  EXPECT_EQ(appState.fontSettings.letterBase, 1488);
  EXPECT_EQ(appState.appFlags, 0xD1140040u);
  EXPECT_EQ(appState.currentArticle, 1);
  EXPECT_EQ(appState.lastPosition, 0);
  EXPECT_EQ(Pattern(), "");
  EXPECT_EQ(appState.bookmarkCount, 0);
  EXPECT_FALSE(appState.bookmarkList);

  SaveSettingsAndQuit();
  test::StoredKey expected = {
      {"Program Path", {kRegSz, test::Utf16(kModule)}},
      {"FontAsciiBase", DwordValue(1488)},
      {"Flags", DwordValue(0xD1140040)},
      {"Lesson", DwordValue(1)},
      {"Bookmarks", {kRegBinary, {0, 0}}},
  };
  EXPECT_EQ(test::ReadStoredKey(ProgramKey), expected);
  EXPECT_FALSE(platform::RegistryKeyExists(DeviceOptionsKey)) << "device options are only read";
  EXPECT_EQ(platform::headless::PostedQuit(), 0);
}

TEST_F(Settings, DeviceOptionsComeFromTheirOwnKey) {
  struct Case {
    const char* what;
    std::string_view key;
    std::int32_t ignoreActivate, fullScreen, allowSip, menuBarOnBottom, gutter;
  } cases[] = {
      {"stored", DeviceOptionsKey, 1, 1, 0, 1, 6},
      {"stored under the program key instead", ProgramKey, 0, 0, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartOver();
    test::Store(c.key, kIgnoreActivate, kRegDword, test::Dword(1));
    test::Store(c.key, kFullScreen, kRegDword, test::Dword(1));
    test::Store(c.key, kAllowSipInHebrewSearch, kRegDword, test::Dword(0));
    test::Store(c.key, kMenuBarOnBottom, kRegDword, test::Dword(1));
    test::Store(c.key, kSurroundingGutter, kRegDword, test::Dword(6));
    ReadDeviceOptions();
    EXPECT_EQ(deviceOptions.ignoreActivate, c.ignoreActivate);
    EXPECT_EQ(deviceOptions.fullScreen, c.fullScreen);
    EXPECT_EQ(deviceOptions.allowSipInHebrewSearch, c.allowSip);
    EXPECT_EQ(appState.menuBarOnBottom, c.menuBarOnBottom);
    EXPECT_EQ(appState.surroundingGutter, c.gutter);
  }
}

TEST_F(Settings, StoredValuesLoadAsStartUpUsesThem) {
  const std::u16string forty = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
  struct Case {
    const char* what;
    std::string_view name;
    std::uint32_t type;
    Bytes data;
    void (*check)();
  } cases[] = {
      {"Flags as text 123", kFlags, kRegSz, test::Utf16(u"123"),
       [] { EXPECT_EQ(appState.appFlags, 123u); }},
      {"Flags as empty text", kFlags, kRegSz, test::Utf16(u""),
       [] { EXPECT_EQ(appState.appFlags, 0u); }},
      {"Flags as text 1a", kFlags, kRegSz, test::Utf16(u"1a"),
       [] { EXPECT_EQ(appState.appFlags, 59u); }},
      {"FontName of 40 characters", kFontName, kRegSz, test::Utf16(forty),
       [] { EXPECT_EQ(FaceName(), u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcde"); }},
      {"FontName without terminator", kFontName, kRegSz, test::Utf16(u"Tahoma", false),
       [] { EXPECT_EQ(FaceName(), u"Tahoma"); }},
      {"FontName starting with a zero unit", kFontName, kRegSz, test::Utf16(u"\0x", false),
       [] { EXPECT_EQ(FaceName(), u""); }},
      {"FontName of one byte", kFontName, kRegSz, {'T'}, [] { EXPECT_EQ(FaceName(), u""); }},
      {"SearchString of 50 bytes", kSearchString, kRegBinary, Bytes(50, 'k'),
       [] { EXPECT_EQ(Pattern(), std::string(33, 'k')); }},
      {"Lesson 65537", kLesson, kRegDword, test::Dword(65537),
       [] { EXPECT_EQ(appState.currentArticle, 1); }},
      {"Lesson 0 starts at article 1", kLesson, kRegDword, test::Dword(0),
       [] {
         SetCurrentArticle(0);
         EXPECT_EQ(appState.currentArticle, 1);
       }},
      {"Lesson out of the book is kept", kLesson, kRegDword, test::Dword(900),
       [] { EXPECT_EQ(appState.currentArticle, 900); }},
      {"LastPosition keeps its low 16 bits", kLastPosition, kRegDword, test::Dword(0x10005),
       [] { EXPECT_EQ(appState.lastPosition, 5); }},
      {"FontAsciiBase 0 is not corrected", kFontAsciiBase, kRegDword, test::Dword(0),
       [] { EXPECT_EQ(appState.fontSettings.letterBase, 0); }},
      {"FontSize", kFontSize, kRegDword, test::Dword(14),
       [] { EXPECT_EQ(appState.fontSettings.size, 14); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartOver();
    test::Store(ProgramKey, c.name, c.type, c.data);
    LoadSettings();
    c.check();
  }
}

TEST_F(Settings, ExitWritesTheStateAndAFreshStartReadsItBack) {
  LoadSettings();
  std::u16string face = u"Frank Ruehl";
  std::copy(face.begin(), face.end(), appState.fontSettings.faceName);
  appState.fontSettings.size = 18;
  appState.fontSettings.letterBase = 224;
  std::memcpy(appState.searchPattern, "shlm", 5);
  appState.appFlags = 0x2AAA5A3F;  // bits that nothing interprets among them
  SetCurrentArticle(42);
  GiveArticleView(7);
  SaveSettingsAndQuit();

  test::StoredKey expected = {
      {"FontName", {kRegSz, test::Utf16(face)}},
      {"SearchString", {kRegBinary, test::Bytes8(std::string_view("shlm\0", 5))}},
      {"FontSize", DwordValue(18)},
      {"FontAsciiBase", DwordValue(224)},
      {"LastPosition", DwordValue(7)},
      {"Flags", DwordValue(0x2AAA5A3F)},
      {"Lesson", DwordValue(42)},
      {"Bookmarks", {kRegBinary, {0, 0}}},
  };
  EXPECT_EQ(StoredProgramValues(), expected);
  EXPECT_EQ(appState.articleView, nullptr);

  Restart();
  LoadSettings();
  EXPECT_EQ(FaceName(), face);
  EXPECT_EQ(appState.fontSettings.size, 18);
  EXPECT_EQ(appState.fontSettings.letterBase, 224);
  EXPECT_EQ(Pattern(), "shlm");
  EXPECT_EQ(appState.appFlags, 0x2AAA5A3Fu);
  EXPECT_EQ(appState.currentArticle, 42);
  EXPECT_EQ(appState.lastPosition, 7);
}

TEST_F(Settings, ExitKeepsWhatItDoesNotWriteAndFlagBitsNothingInterprets) {
  test::Store(ProgramKey, kFlags, kRegDword, test::Dword(0x2AAA5A3F));
  test::Store(ProgramKey, kSearchString, kRegBinary, test::Bytes8(std::string_view("abc\0", 4)));
  test::Store(ProgramKey, kFontName, kRegSz, test::Utf16(u"Tahoma"));
  test::Store(ProgramKey, kFontSize, kRegDword, test::Dword(12));
  test::Store(ProgramKey, kFontAsciiBase, kRegDword, test::Dword(97));
  test::Store(ProgramKey, kLastPosition, kRegDword, test::Dword(30));
  test::StoredKey before = StoredProgramValues();
  LoadSettings();
  appState.searchPattern[0] = 0;
  appState.fontSettings.faceName[0] = 0;
  appState.fontSettings.size = 0;
  appState.fontSettings.letterBase = 0;
  appState.lastPosition = 0;  // no view: its top row is not known
  SaveSettingsAndQuit();

  test::StoredKey after = StoredProgramValues();
  for (const auto& [name, value] : before) EXPECT_EQ(after[name], value) << name;
  Restart();
  LoadSettings();
  EXPECT_EQ(Pattern(), "abc") << "the pattern stored before comes back";
}

TEST_F(Settings, ProgramPathIsWrittenAtStartWhenThePlatformKnowsIt) {
  struct Case {
    std::u16string module;
    std::optional<Bytes> stored;
  } cases[] = {
      {u"/usr/bin/velmora", test::Utf16(u"/usr/bin/velmora")},
      {u"", std::nullopt},
  };
  for (const Case& c : cases) {
    StartOver();
    platform::headless::SetModuleFileName(c.module);
    LoadSettings();
    std::optional<platform::RegistryValue> stored =
        platform::RegistryRead(ProgramKey, kProgramPath);
    EXPECT_EQ(stored ? std::optional(stored->data) : std::nullopt, c.stored);
  }
}

TEST_F(Settings, StartLoadsTheGlyphsAndBookmarksAndExitReleasesThem) {
  test::Store(ProgramKey, kBookmarks, kRegBinary, {5, 0, 9, 0, 0, 0});
  LoadSettings();
  EXPECT_TRUE(GlyphsHeld());
  EXPECT_EQ(appState.bookmarkCount, 2);
  GiveArticleView(3);
  SaveSettingsAndQuit();
  EXPECT_FALSE(GlyphsHeld());
  EXPECT_EQ(appState.articleView, nullptr);
  EXPECT_FALSE(appState.bookmarkList);
  EXPECT_EQ(platform::RegistryRead(ProgramKey, kLastPosition), DwordValue(3));
  EXPECT_EQ(platform::RegistryRead(ProgramKey, kBookmarks)->data, (Bytes{5, 0, 9, 0, 0, 0}));
}

TEST_F(Settings, SetCurrentArticleResetsThePositionOnlyOnAChange) {
  struct Case {
    std::uint16_t current, position, argument, expectedCurrent, expectedPosition;
  } cases[] = {
      {0, 9, 0, 1, 0},      // no article yet: article 1 at its top
      {5, 9, 0, 5, 9},      // 0 keeps a set article
      {5, 9, 5, 5, 9},      // the same article changes nothing
      {5, 9, 6, 6, 0},      // another article starts at its top
      {5, 9, 900, 900, 0},  // no range check here
  };
  for (const Case& c : cases) {
    appState.currentArticle = c.current;
    appState.lastPosition = c.position;
    SetCurrentArticle(c.argument);
    EXPECT_EQ(appState.currentArticle, c.expectedCurrent) << c.current << " <- " << c.argument;
    EXPECT_EQ(appState.lastPosition, c.expectedPosition) << c.current << " <- " << c.argument;
  }
}

TEST_F(Settings, AllocOrAbortGivesABlockOrReportsSavesAndQuits) {
  LoadSettings();
  void* block = AllocOrAbort(64);
  ASSERT_NE(block, nullptr);
  platform::HeapRelease(block);
  EXPECT_TRUE(platform::headless::MessageBoxCalls().empty());
  EXPECT_FALSE(platform::headless::PostedQuit());

  appState.appFlags = 0x40;
  platform::headless::FailHeapAfter(0);
  EXPECT_EQ(AllocOrAbort(64), nullptr);
  ASSERT_EQ(platform::headless::MessageBoxCalls().size(), 1u);
  const platform::headless::MessageBoxCall& box = platform::headless::MessageBoxCalls()[0];
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_EQ(box.text, u"There is not enough memory, aborting");
  EXPECT_EQ(box.caption, u"Error");
  EXPECT_EQ(box.style, platform::kMbIconHand);
  EXPECT_EQ(platform::RegistryRead(ProgramKey, kFlags)->data, test::Dword(0x40)) << "saved";
  EXPECT_TRUE(platform::RegistryRead(ProgramKey, kBookmarks)) << "bookmarks saved";
  EXPECT_EQ(platform::headless::PostedQuit(), 0);
}

// The heap runs dry at each allocation that start-up makes while reading:
// the exit that follows must leave every stored value as it was, since the
// state then holds defaults for what could not be read ("Flags" stored as
// text in particular, which would be replaced by the default word).
TEST_F(Settings, ALoadCutShortByTheHeapOverwritesNothing) {
  auto storeAll = [] {
    test::Store(ProgramKey, kFontName, kRegSz, test::Utf16(u"Tahoma"));
    test::Store(ProgramKey, kSearchString, kRegBinary, test::Bytes8(std::string_view("shlm\0", 5)));
    test::Store(ProgramKey, kFlags, kRegSz, test::Utf16(u"305419896"));  // 0x12345678
    test::Store(ProgramKey, kLesson, kRegDword, test::Dword(5));
    test::Store(ProgramKey, kBookmarks, kRegBinary, {5, 0, 9, 0, 0, 0});
  };
  const char* allocations[] = {"FontName", "SearchString", "Flags", "Bookmarks"};
  for (int allowed = 0; allowed < 4; ++allowed) {
    SCOPED_TRACE(allocations[allowed]);
    StartOver();
    storeAll();
    test::StoredKey before = StoredProgramValues();
    platform::headless::FailHeapAfter(allowed);
    LoadSettings();
    platform::headless::ResetHeapFaults();
    SetCurrentArticle(0);
    GiveArticleView();
    SaveSettingsAndQuit();  // the window's destruction after the report

    EXPECT_EQ(StoredProgramValues(), before);
    EXPECT_EQ(appState.articleView, nullptr) << "the view is still released";
    ASSERT_FALSE(platform::headless::MessageBoxCalls().empty());
    EXPECT_EQ(platform::headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
    EXPECT_EQ(platform::headless::PostedQuit(), 0);
  }

  StartOver();  // the same start with memory enough does write
  storeAll();
  LoadSettings();
  SaveSettingsAndQuit();
  EXPECT_EQ(platform::RegistryRead(ProgramKey, kFlags), DwordValue(0x12345678));
  EXPECT_EQ(platform::RegistryRead(ProgramKey, kBookmarks)->data, (Bytes{5, 0, 9, 0, 0, 0}));
}

TEST_F(Settings, NothingIsWrittenWithoutALoad) {
  appState.appFlags = 0x40;
  SaveSettingsAndQuit();
  EXPECT_FALSE(std::filesystem::exists(test::RegistryFile()));
  EXPECT_EQ(platform::headless::PostedQuit(), 0);
}

TEST_F(Settings, ASecondExitLeavesTheValuesOfTheFirst) {
  test::Store(ProgramKey, kBookmarks, kRegBinary, {5, 0, 9, 0, 0, 0});
  LoadSettings();
  appState.appFlags = 0x40;
  SetCurrentArticle(8);
  platform::headless::FailHeapAfter(0);
  EXPECT_EQ(AllocOrAbort(16), nullptr);  // the first exit, on memory exhaustion
  platform::headless::ResetHeapFaults();
  test::StoredKey first = StoredProgramValues();
  EXPECT_EQ(first["Lesson"], DwordValue(8));
  EXPECT_FALSE(appState.bookmarkList) << "freed by the first exit";

  // The state left behind changes before the window is destroyed.
  appState.appFlags = 0x80;
  SetCurrentArticle(9);
  GiveArticleView();
  SaveSettingsAndQuit();
  EXPECT_EQ(StoredProgramValues(), first);
  EXPECT_EQ(first["Bookmarks"].data, (Bytes{5, 0, 9, 0, 0, 0}));
  EXPECT_EQ(appState.articleView, nullptr);
  EXPECT_EQ(platform::headless::PostedQuit(), 0);
}

TEST_F(Settings, ReadProgramValuesOnlyReads) {
  test::Store(ProgramKey, kLesson, kRegDword, test::Dword(12));
  test::StoredKey before = test::ReadStoredKey(ProgramKey);
  ReadProgramValues();
  EXPECT_EQ(appState.currentArticle, 12);
  EXPECT_EQ(appState.appFlags, kDefaultAppFlags);
  EXPECT_EQ(test::ReadStoredKey(ProgramKey), before) << "no \"Program Path\" either";
  EXPECT_FALSE(GlyphsHeld());
  EXPECT_EQ(appState.bookmarkCount, 0);
}

}  // namespace
}  // namespace velmora::settings
