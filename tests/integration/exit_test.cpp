// The ways the program ends, and what it leaves in the settings.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"
#include "tests/support/stored_values.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
using platform::WindowPos;

using ExitTest = ProgramTest;

TEST_F(ExitTest, PlatformRequestsAndTheExitCommandEndTheProgram) {
  WindowPos activateOnly{0, 0, 0, 0, platform::SWP_NOACTIVATE};
  WindowPos requestWithoutNoActivate{0, 0, 0, 0, 0x10000};
  WindowPos request{0, 0, 0, 0, 0x10000 | platform::SWP_NOACTIVATE};
  WindowPos highRequest{0, 0, 0, 0, 0x80000000 | platform::SWP_NOACTIVATE};
  const struct {
    const char* name;
    std::uint32_t message;
    platform::WParam wParam;
    const WindowPos* position;
    bool ends;
  } cases[] = {
      {"ExitCommand", platform::WM_COMMAND, resources::kCmdExit, nullptr, true},
      {"Close", platform::WM_CLOSE, 0, nullptr, true},
      {"Hibernate", platform::WM_HIBERNATE, 0, nullptr, true},
      {"PositionRequest", platform::WM_WINDOWPOSCHANGED, 0, &request, true},
      {"PositionRequestHighBit", platform::WM_WINDOWPOSCHANGED, 0, &highRequest, true},
      {"PositionChangeWithoutActivation", platform::WM_WINDOWPOSCHANGED, 0, &activateOnly, false},
      {"PositionFlagsWithoutNoActivate", platform::WM_WINDOWPOSCHANGED, 0,
       &requestWithoutNoActivate, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    Start();
    platform::WindowHandle bar = appState.barWindow;
    Send(c.message, c.wParam, reinterpret_cast<platform::LParam>(c.position));
    EXPECT_EQ(headless::IsLiveWindow(window_), !c.ends);
    EXPECT_EQ(headless::PostedQuit(), c.ends ? std::optional<int>(0) : std::nullopt);
    EXPECT_EQ(ReadStoredKey(settings::ProgramKey).count(std::string(settings::kFlags)),
              c.ends ? 1u : 0u);
    if (c.ends) {
      EXPECT_EQ(appState.articleView, nullptr);
      EXPECT_FALSE(headless::IsLiveWindow(bar));
    }
  }
}

TEST_F(ExitTest, WritesTheStateWithItsTypes) {
  headless::SetModuleFileName(u"/opt/velmora/velmora");
  StoreProgramValue(settings::kFlags, 0x00000840);
  StoredKey beforeStart = ReadStoredKey(settings::ProgramKey);
  Start();
  // Start-up writes only the program's path.
  beforeStart["Program Path"] = {platform::kRegSz, Utf16(u"/opt/velmora/velmora")};
  EXPECT_EQ(ReadStoredKey(settings::ProgramKey), beforeStart);
  Command(resources::kCmdNextArticle);
  Key(platform::VK_DOWN);
  Key(platform::VK_DOWN);
  Key(platform::VK_DOWN);
  appState.searchPattern[0] = 'a';
  appState.searchPattern[1] = 'b';
  appState.fontSettings.size = 18;
  const platform::Rect place = platform::GetWindowRect(window_);
  Bytes placeBytes;
  for (std::int32_t n :
       {place.left, place.top, place.right - place.left, place.bottom - place.top}) {
    const Bytes word = Dword(static_cast<std::uint32_t>(n));
    placeBytes.insert(placeBytes.end(), word.begin(), word.end());
  }
  Command(resources::kCmdExit);

  StoredKey stored = ReadStoredKey(settings::ProgramKey);
  const StoredKey expected = {
      {"Program Path", {platform::kRegSz, Utf16(u"/opt/velmora/velmora")}},
      {"FontName", {platform::kRegSz, Utf16(u"Test Face")}},
      {"SearchString", {platform::kRegBinary, Bytes{'a', 'b', 0}}},
      {"FontSize", DwordValue(18)},
      {"FontAsciiBase", DwordValue(1488)},
      {"LastPosition", DwordValue(3)},
      {"Flags", DwordValue(0x00000840)},
      {"Lesson", DwordValue(2)},
      {"Bookmarks", {platform::kRegBinary, Bytes{0, 0}}},
      {"WindowPlace", {platform::kRegBinary, placeBytes}},
  };
  EXPECT_EQ(stored, expected);
}

TEST_F(ExitTest, TheIndexGlyphsLiveAsLongAsTheProgram) {
  Start();
  for (platform::Bitmap* glyph : appState.glyphs) EXPECT_NE(glyph, nullptr);
  Command(resources::kCmdExit);
  for (platform::Bitmap* glyph : appState.glyphs) EXPECT_EQ(glyph, nullptr);
}

}  // namespace
}  // namespace velmora::test
