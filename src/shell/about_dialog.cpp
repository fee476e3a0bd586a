#include "shell/about_dialog.h"

#include <string>
#include <string_view>

#include "platform/window.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "shell/update_check.h"

namespace velmora::shell {
namespace {

constexpr std::u16string_view kLinkFaceName = u"Tahoma";
constexpr std::int32_t kLinkPoints = 10;
constexpr std::int32_t kPointsPerInch = 72;
// Captions are read up to this many units.
constexpr std::size_t kCaptionCapacity = 100;

std::u16string ReadCaption(platform::WindowHandle control) {
  std::u16string caption = platform::GetControlText(control);
  if (caption.size() > kCaptionCapacity) caption.resize(kCaptionCapacity);
  return caption;
}

// Ends the dialog and lets go of the link font. The button gives the font back
// first, so that nothing keeps a font that no longer exists.
void CloseAbout(platform::WindowHandle dialog, std::uint16_t command) {
  platform::EndDialog(dialog, command);
  if (linkFont == nullptr) return;
  platform::SetControlFont(platform::GetDlgItem(dialog, resources::kIdcLinkButton), nullptr, false);
  platform::DeleteFont(linkFont);
  linkFont = nullptr;
}

}  // namespace

platform::Font* linkFont = nullptr;

platform::Font* InitLinkButton(platform::WindowHandle dialog) {
  platform::WindowHandle button = platform::GetDlgItem(dialog, resources::kIdcLinkButton);
  platform::Surface* surface = platform::GetWindowSurface(button);
  if (surface == nullptr) return nullptr;

  platform::FontDescription description{};
  if (platform::Font* current = platform::GetControlFont(button)) {
    description = platform::DescribeFont(current);
  }
  description.underline = true;
  if (description.faceName[0] == 0) {
    kLinkFaceName.copy(description.faceName, kLinkFaceName.size());
  }
  if (description.height == 0) {
    description.height = -(kLinkPoints * platform::PixelsPerInchY(surface)) / kPointsPerInch;
  }
  description.weight = platform::kWeightExtraBold;

  platform::Font* font = platform::CreateFont(description);
  if (font != nullptr) {
    // The surface gets its own font back before it is released, so that it
    // never holds the link font beyond this call.
    platform::Font* previous = platform::SelectFont(surface, font);
    const std::u16string caption = ReadCaption(button);
    platform::SetControlFont(button, font, true);
    const platform::Size extent =
        platform::TextExtent(surface, caption.data(), static_cast<std::int32_t>(caption.size()));
    platform::SetWindowPosition(
        button, 0, 0, extent.width + 2 * platform::GetSystemMetric(platform::SM_CXEDGE),
        extent.height + 2 * platform::GetSystemMetric(platform::SM_CYEDGE),
        platform::SWP_NOMOVE | platform::SWP_NOZORDER | platform::SWP_SHOWWINDOW);
    platform::SelectFont(surface, previous);
  }
  platform::ReleaseWindowSurface(button, surface);
  return font;
}

void DrawLinkButton(platform::WindowHandle dialog, std::uint16_t controlId,
                    const platform::DrawItem* item) {
  if (item == nullptr || item->surface == nullptr) return;
  const std::u16string caption = ReadCaption(platform::GetDlgItem(dialog, controlId));
  platform::SetTextColour(item->surface, platform::kColourBlue);
  platform::SetBackgroundMode(item->surface, platform::BackgroundMode::kTransparent);
  platform::SetBackgroundColour(item->surface, platform::kColourWhite);
  platform::DrawTextClipped(item->surface, platform::GetSystemMetric(platform::SM_CXEDGE) / 2, 0,
                            item->item, caption.data(), static_cast<std::int32_t>(caption.size()));
}

std::intptr_t AboutDialogProc(platform::WindowHandle dialog, std::uint32_t message,
                              platform::WParam wParam, platform::LParam lParam) {
  switch (message) {
    case platform::WM_DRAWITEM:
      DrawLinkButton(dialog, static_cast<std::uint16_t>(wParam),
                     reinterpret_cast<const platform::DrawItem*>(lParam));
      return 0;
    case platform::WM_INITDIALOG:
      linkFont = InitLinkButton(dialog);
      return 0;
    case platform::WM_COMMAND: {
      const std::uint16_t command = platform::LowWord(wParam);
      if (command == platform::IDOK || command == platform::IDCANCEL) {
        CloseAbout(dialog, command);
        return 1;
      }
      if (command == resources::kIdcLinkButton) {
        OpenHomePage(platform::GetDlgItem(dialog, resources::kIdcLinkButton));
      }
      return 0;
    }
    default:
      return 0;
  }
}

std::intptr_t RunAboutDialog(platform::WindowHandle owner) {
  return platform::DialogBoxParam(resources::kDialogAbout, owner, AboutDialogProc, 0);
}

}  // namespace velmora::shell
