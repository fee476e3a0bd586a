// The sizing step of the full-screen-aware dialogs: the shell's
// initialisation with or without the Done button, and the stretch over the
// taskbar's strip in full-screen mode.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/shell.h"
#include "state/screen.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;

constexpr std::uint16_t kTestDialog = 900;

// The dialog's place once it has initialised its screen.
std::optional<platform::Rect> placed;

std::intptr_t ScreenDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                               platform::WParam, platform::LParam) {
  if (message != platform::WM_INITDIALOG) return 0;
  screen::InitDialogScreen(dialog, screen::kFullScreenDialogFlags);
  placed = headless::DescribeWindow(dialog)->place;
  return 1;
}

using DialogScreenTest = ProgramTest;

TEST_F(DialogScreenTest, SizesTheDialogToTheScreenMode) {
  const platform::DialogTemplate dialogTemplate{
      platform::kDialogStyleStandard, 0, 100, 100, u"Test", u"System", 8, {}};
  const struct {
    const char* name;
    std::uint32_t fullScreen;
    std::uint32_t flags;
    std::int32_t top;
  } cases[] = {
      // The Done button only outside full-screen mode.
      {"Windowed", 0, 0x1F, 30},
      // Stretched up over the taskbar's strip, its other edges kept.
      {"FullScreen", 1, 0x1E, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    headless::SetDefaultWindowOrigin(10, 30);
    headless::InstallDialogTemplate(kTestDialog, &dialogTemplate);
    StoreDeviceOption(settings::kFullScreen, c.fullScreen);
    Start();
    placed.reset();
    platform::DialogBoxParam(kTestDialog, window_, ScreenDialogProc, 0);
    const headless::ShellCall& init = headless::ShellCalls().back();
    EXPECT_EQ(init.kind, headless::ShellCallKind::kInitDialog);
    EXPECT_EQ(init.flags, c.flags);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(placed->left, 10);
    EXPECT_EQ(placed->top, c.top);
    EXPECT_EQ(placed->right, 10 + 240);
    EXPECT_EQ(placed->bottom, 30 + 268);
  }
}

}  // namespace
}  // namespace velmora::test
