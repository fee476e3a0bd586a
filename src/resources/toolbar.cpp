#include "resources/toolbar.h"

#include <array>

#include "resources/ids.h"

namespace velmora::resources {
namespace {

constexpr std::array<platform::ToolButton, kToolbarImageCount> kButtons{{
    {0, kCmdPreviousArticle},
    {1, kCmdChooseArticle},
    {2, kCmdNextArticle},
    {3, kCmdFont},
    {4, kCmdSearch},
    {5, kCmdSearchAgain},
}};

constexpr std::array<std::u16string_view, kToolbarImageCount + 1> kTips{{
    u"",
    u"Previous Article",
    u"Choose Article",
    u"Next Article",
    u"Choose Font",
    u"Search",
    u"Search Again",
}};

}  // namespace

std::span<const platform::ToolButton> ToolbarButtons() { return kButtons; }

std::span<const std::u16string_view> ToolbarTips() { return kTips; }

}  // namespace velmora::resources
