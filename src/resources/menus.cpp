// The main window's menu, its bottom menu bar, the bar captions and the
// accelerator table: the commands a reader reaches by menu, button or key.
#include <array>

#include "platform/messages.h"
#include "resources/ids.h"
#include "resources/ui_resources.h"

namespace velmora::resources {
namespace {

using platform::Accelerator;
using platform::kAccelAlt;
using platform::kAccelControl;
using platform::MenuItemTemplate;
using platform::PopupTemplate;

constexpr std::uint16_t kSeparator = 0;

constexpr std::array<MenuItemTemplate, 10> kFileItems{{
    {u"&About", kCmdAbout},
    {u"Check For &Updates", kCmdCheckForUpdates},
    {u"&Choose Article\bCtrl+D", kCmdChooseArticle},
    {u"", kSeparator},
    {u"F&ont\bCtrl+F", kCmdFont},
    {u"Re&verse", kCmdReverse},
    {u"", kSeparator},
    {u"&Copy\bCtrl+C", kCmdCopy},
    {u"&Append to ClipBoard\bCtrl+E", kCmdAppend},
    {u"E&xit\bCtrl+Q", kCmdExit},
}};

constexpr std::array<MenuItemTemplate, 7> kGoItems{{
    {u"&Index\bCtrl+D", kCmdChooseArticle},
    {u"&Bookmark", kCmdBookmark},
    {u"&Previous Article", kCmdPreviousArticle},
    {u"&Next Article", kCmdNextArticle},
    {u"", kSeparator},
    {u"&Search\bAlt+F3", kCmdSearch},
    {u"Search A&gain\bF3", kCmdSearchAgain},
}};

constexpr std::array<PopupTemplate, 2> kMainPopups{{
    {u"&File", kFileItems},
    {u"&Go", kGoItems},
}};

constexpr platform::MenuTemplate kMainMenu{kMainPopups};

// The popups of the main menu that the two menu-bar buttons drop down.
constexpr std::uint16_t kFilePopup = 0;
constexpr std::uint16_t kGoPopup = 1;

constexpr std::array<platform::MenuBarButtonTemplate, 2> kMainMenuBarButtons{{
    {kCmdMenuBarFile, kStringFile, kFilePopup},
    {kCmdMenuBarGo, kStringGo, kGoPopup},
}};

constexpr platform::MenuBarTemplate kMainMenuBar{kMenuMain, kMainMenuBarButtons};

// The keys that the menu captions name, each sending the command of its item.
constexpr std::array<Accelerator, 7> kMainAccelerators{{
    {kAccelControl, 'D', kCmdChooseArticle},
    {kAccelControl, 'F', kCmdFont},
    {kAccelControl, 'C', kCmdCopy},
    {kAccelControl, 'E', kCmdAppend},
    {kAccelControl, 'Q', kCmdExit},
    {kAccelAlt, platform::VK_F3, kCmdSearch},
    {0, platform::VK_F3, kCmdSearchAgain},
}};

}  // namespace

}  // namespace velmora::resources

// The lookups that platform/resources.h declares.
namespace velmora::platform {

using namespace resources;

const platform::MenuTemplate* FindMenuTemplate(std::uint16_t id) {
  return id == kMenuMain ? &kMainMenu : nullptr;
}

const platform::MenuBarTemplate* FindMenuBarTemplate(std::uint16_t id) {
  return id == kMenuMain ? &kMainMenuBar : nullptr;
}

std::u16string_view FindStringResource(std::uint16_t id) {
  switch (id) {
    case kStringGo:
      return u"Go";
    case kStringFile:
      return u"File";
    default:
      return {};
  }
}

std::span<const Accelerator> FindAcceleratorTable(std::uint16_t id) {
  if (id == kAcceleratorTable) return kMainAccelerators;
  return {};
}

}  // namespace velmora::platform
