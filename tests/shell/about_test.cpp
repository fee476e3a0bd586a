// The About dialog and the update check: the addresses handed to the
// browser, the link button, and the link font's life.
#include "shell/about_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "resources/about_texts.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "resources/ui_resources.h"
#include "shell/update_check.h"

namespace velmora::shell {
namespace {

namespace headless = platform::headless;
using resources::kIdcLinkButton;

std::vector<headless::ShellCall> WebAddressCalls() {
  std::vector<headless::ShellCall> opened;
  for (const headless::ShellCall& call : headless::ShellCalls()) {
    if (call.kind == headless::ShellCallKind::kOpenWebAddress) opened.push_back(call);
  }
  return opened;
}

class AboutTest : public ::testing::Test {
 protected:
  void TearDown() override { headless::DestroyTestWindow(owner); }

  platform::WindowHandle owner = headless::CreateTestWindow({0, 0, 240, 320});
};

// --- Update address -------------------------------------------------------------

TEST_F(AboutTest, UpdateCheckOpensTheAddressOfThisProductAndVersion) {
  CheckForUpdates(owner);

  const auto opened = WebAddressCalls();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].window, owner);
  EXPECT_EQ(opened[0].address, std::u16string(resources::kMakerServer) +
                                   u"/cgi-bin/upgrade?p=arm/Quorvane/Velmora&v=1.84a");
}

TEST(UpdateAddress, EscapesEveryUnitButDigitsLettersDotAndSlash) {
  struct Case {
    const char* name;
    std::u16string_view text;
    std::u16string_view escaped;
  };
  const Case cases[] = {
      {"kept", u"Quorvane/Velmora.09az", u"Quorvane/Velmora.09az"},
      {"space", u"a b", u"a+b"},
      {"ampersand", u"&", u"%26"},
      {"hebrew alef", u"\u05D0", u"%5D0"},
      {"two digits at least", u"\t", u"%09"},
      {"zero unit", std::u16string_view(u"\0", 1), u"%00"},
      {"four digits", u"\uFFFF", u"%FFFF"},
      {"query marks", u"?=%+-_~", u"%3F%3D%25%2B%2D%5F%7E"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EscapeQueryText(c.text), c.escaped);
  }
}

TEST(UpdateAddress, IsNeverLongerThanItsBuffer) {
  const std::u16string_view tail = u"/cgi-bin/upgrade?p=arm/Quorvane/Velmora&v=1.84a";
  // The longest server that leaves room for the terminator.
  const std::u16string server(kUpdateAddressCapacity - 1 - tail.size(), u'h');

  const auto fits = BuildUpdateAddress(server, resources::kProductId);
  ASSERT_TRUE(fits.has_value());
  EXPECT_EQ(fits->size(), kUpdateAddressCapacity - 1);
  EXPECT_FALSE(BuildUpdateAddress(server + u"h", resources::kProductId).has_value());
  // Escaping counts: one unit that becomes three no longer fits.
  EXPECT_FALSE(BuildUpdateAddress(server, u"Quorvane/Velmor&").has_value());
}

// --- The dialog -------------------------------------------------------------------

TEST_F(AboutTest, LinkButtonOpensTheHomePageAndLeavesTheDialogOpen) {
  headless::ScriptDialog(resources::kDialogAbout, [](platform::WindowHandle dialog) {
    platform::WindowHandle button = platform::GetDlgItem(dialog, kIdcLinkButton);
    ASSERT_TRUE(headless::ClickControl(dialog, kIdcLinkButton));

    const auto opened = WebAddressCalls();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].address, resources::kHomePage);
    EXPECT_EQ(opened[0].window, button);
    EXPECT_FALSE(headless::DialogEndResult(dialog).has_value());
    EXPECT_EQ(headless::SendDialogCommand(dialog, platform::IDOK), 1);
  });

  EXPECT_EQ(RunAboutDialog(owner), platform::IDOK);
}

TEST_F(AboutTest, EachOpeningMakesTheLinkFontAndClosingDeletesIt) {
  for (std::uint16_t close : {platform::IDOK, platform::IDCANCEL}) {
    SCOPED_TRACE(close);
    platform::Font* used = nullptr;
    headless::ScriptDialog(resources::kDialogAbout, [&](platform::WindowHandle dialog) {
      platform::WindowHandle button = platform::GetDlgItem(dialog, kIdcLinkButton);
      used = linkFont;
      ASSERT_NE(linkFont, nullptr);
      EXPECT_EQ(platform::GetControlFont(button), linkFont);
      const platform::FontDescription font = platform::DescribeFont(linkFont);
      EXPECT_TRUE(font.underline);
      EXPECT_EQ(font.weight, platform::kWeightExtraBold);
      EXPECT_EQ(std::u16string_view(font.faceName), u"Tahoma");
      EXPECT_EQ(font.height, -(10 * 96) / 72);  // 10 points at the headless 96 per inch

      EXPECT_EQ(headless::SendDialogCommand(dialog, close), 1);
      EXPECT_EQ(linkFont, nullptr);
      // The button no longer holds the deleted font.
      EXPECT_EQ(platform::GetControlFont(button), nullptr);
    });

    EXPECT_EQ(RunAboutDialog(owner), close);
    EXPECT_NE(used, nullptr);
    EXPECT_EQ(linkFont, nullptr);
  }
}

TEST_F(AboutTest, LinkButtonIsSizedToItsCaption) {
  headless::ScriptDialog(resources::kDialogAbout, [](platform::WindowHandle dialog) {
    const auto button = headless::DescribeWindow(platform::GetDlgItem(dialog, kIdcLinkButton));
    ASSERT_TRUE(button.has_value());
    // Headless metrics: the 13-pixel link font advances 6 pixels a unit; the
    // edges add 2 pixels on each side.
    const auto units = static_cast<std::int32_t>(resources::kHomePage.size());
    EXPECT_EQ(button->place.left, 7 * headless::kDialogUnitX);
    EXPECT_EQ(button->place.top, 58 * headless::kDialogUnitY);
    EXPECT_EQ(button->place.right - button->place.left, units * 6 + 2 * 2);
    EXPECT_EQ(button->place.bottom - button->place.top, 13 + 2 * 2);
    EXPECT_TRUE(button->visible);
  });

  RunAboutDialog(owner);
}

TEST_F(AboutTest, LinkButtonDrawsItsCaptionInBlueOnNoBackground) {
  headless::SetSystemMetric(platform::SM_CXEDGE, 3);
  headless::ScriptDialog(resources::kDialogAbout, [](platform::WindowHandle dialog) {
    platform::WindowHandle button = platform::GetDlgItem(dialog, kIdcLinkButton);
    platform::Surface* surface = platform::GetWindowSurface(button);
    headless::ClearDrawCalls(surface);
    ASSERT_TRUE(headless::DrawControl(dialog, kIdcLinkButton));

    const auto& calls = headless::DrawCalls(surface);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, headless::DrawKind::kTextClipped);
    EXPECT_EQ(calls[0].text, resources::kHomePage);
    EXPECT_EQ(calls[0].x, 1);  // half the edge width, toward zero
    EXPECT_EQ(calls[0].y, 0);
    EXPECT_EQ(calls[0].textColour, platform::kColourBlue);
    EXPECT_EQ(calls[0].backgroundMode, platform::BackgroundMode::kTransparent);
    const platform::Rect client = platform::GetClientRect(button);
    EXPECT_EQ(calls[0].box.right, client.right);
    EXPECT_EQ(calls[0].box.bottom, client.bottom);
    platform::ReleaseWindowSurface(button, surface);
  });

  RunAboutDialog(owner);
}

TEST_F(AboutTest, AMissingLinkButtonMakesNoFont) {
  // A template whose link button is missing: nothing to size, nothing made.
  const platform::DialogTemplate* about = platform::FindDialogTemplate(resources::kDialogAbout);
  ASSERT_NE(about, nullptr);
  const platform::DialogTemplate bare{about->style,      about->exStyle,          about->width,
                                      about->height,     about->caption,          about->fontName,
                                      about->fontPoints, about->controls.first(4)};
  headless::InstallDialogTemplate(resources::kDialogAbout, &bare);
  headless::ScriptDialog(resources::kDialogAbout, [](platform::WindowHandle dialog) {
    EXPECT_EQ(linkFont, nullptr);
    EXPECT_EQ(headless::SendDialogCommand(dialog, platform::IDOK), 1);
  });

  EXPECT_EQ(RunAboutDialog(owner), platform::IDOK);
}

}  // namespace
}  // namespace velmora::shell
