// The main window's size and place between runs: stored at exit, restored
// at the start, ignored when it lies off every screen or was stored damaged.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "platform/headless/headless.h"
#include "platform/headless/headless_screens.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"
#include "tests/support/stored_values.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;

Bytes Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  Bytes bytes;
  for (std::int32_t n : {left, top, width, height}) {
    const Bytes word = Dword(static_cast<std::uint32_t>(n));
    bytes.insert(bytes.end(), word.begin(), word.end());
  }
  return bytes;
}

class WindowPlaceTest : public ProgramTest {
 protected:
  void StorePlace(const Bytes& bytes) {
    Store(settings::ProgramKey, settings::kWindowPlace, platform::kRegBinary, bytes);
  }
  platform::Rect Shown() { return platform::GetWindowRect(window_); }
  // The place the platform gives a window of its own choosing.
  platform::Rect DefaultPlace() {
    Restart();
    Start();
    const platform::Rect place = Shown();
    Restart();
    return place;
  }
};

TEST_F(WindowPlaceTest, ExitStoresThePlaceAndTheNextStartRestoresIt) {
  Start();
  platform::MoveWindow(window_, 30, 40, 300, 400, true);
  Command(resources::kCmdExit);
  EXPECT_EQ(ReadStoredKey(settings::ProgramKey)[std::string(settings::kWindowPlace)],
            (platform::RegistryValue{platform::kRegBinary, Place(30, 40, 300, 400)}));

  headless::ResetAll();
  Prepare();
  Start();
  const platform::Rect shown = Shown();
  EXPECT_EQ(shown.left, 30);
  EXPECT_EQ(shown.top, 40);
  EXPECT_EQ(shown.right - shown.left, 300);
  EXPECT_EQ(shown.bottom - shown.top, 400);
}

TEST_F(WindowPlaceTest, APlaceOffEveryScreenOrStoredDamagedIsIgnored) {
  const platform::Rect fallback = DefaultPlace();
  const struct {
    const char* name;
    Bytes stored;
  } cases[] = {
      {"OffTheScreen", Place(2000, 40, 300, 400)},
      {"PartlyOffTheScreen", Place(900, 40, 300, 400)},
      {"LargerThanTheScreen", Place(0, 0, 2000, 400)},
      {"NoSize", Place(30, 40, 0, 400)},
      {"NegativeSize", Place(30, 40, 300, -5)},
      {"TooShort", Bytes(12, 1)},
      {"TooLong", Bytes(20, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StorePlace(c.stored);
    Start();
    const platform::Rect shown = Shown();
    EXPECT_EQ(shown.left, fallback.left);
    EXPECT_EQ(shown.top, fallback.top);
    EXPECT_EQ(shown.right, fallback.right);
    EXPECT_EQ(shown.bottom, fallback.bottom);
  }
}

TEST_F(WindowPlaceTest, APlaceOnASecondScreenIsRestoredWhileThatScreenIsThere) {
  headless::SetScreens({{0, 0, 1024, 768}, {1024, 0, 2048, 768}});
  StorePlace(Place(1100, 50, 300, 400));
  Start();
  EXPECT_EQ(Shown().left, 1100);
}

TEST_F(WindowPlaceTest, FullScreenStoresNoPlace) {
  StoreDeviceOption(settings::kFullScreen, 1);
  Start();
  Command(resources::kCmdExit);
  EXPECT_EQ(ReadStoredKey(settings::ProgramKey).count(std::string(settings::kWindowPlace)), 0u);
}

}  // namespace
}  // namespace velmora::test
