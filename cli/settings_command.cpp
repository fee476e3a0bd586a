#include <cstdio>
#include <cstring>
#include <string>

#include "book/book_format.h"
#include "commands.h"
#include "logical_text.h"
#include "state/app_state.h"
#include "state/settings.h"
#include "state/settings_names.h"
#include "state/settings_store.h"

namespace velmora::cli {
namespace {

const char* YesNo(bool value) { return value ? "on" : "off"; }

void PrintFlags(AppFlags flags) {
  std::printf("Flags               0x%08X\n", flags);
  std::printf("  scroll bar        %s\n", YesNo(flags & kFlagsScrollBar));
  std::printf("  reverse           %s\n", YesNo(flags & ReverseOption));
  std::printf("  key page step     %u\n", (flags >> kKeyPageStepShift) & kPageStepFieldMask);
  std::printf("  tap paging        %s (%s halves), step %u\n", YesNo(flags & kFlagsTapPaging),
              (flags & kFlagsTapVertical) ? "top and bottom" : "left and right",
              (flags >> kTapPageStepShift) & kPageStepFieldMask);
}

}  // namespace

// Reads exactly what start-up reads, writing nothing.
int SettingsCommand(Args args) {
  if (!args.empty()) return UsageError("settings takes no arguments");
  ResetAppState();
  settings::ReadDeviceOptions();
  settings::ReadProgramValues();
  settings::SetCurrentArticle(0);

  const FontSettings& fonts = appState.fontSettings;
  std::printf("FontName            \"%s\"%s\n", ToUtf8(fonts.faceName).c_str(),
              fonts.faceName[0] == 0 ? " (none: the font dialog opens first)" : "");
  std::printf("FontSize            %d%s\n", fonts.size, fonts.size == 0 ? " (default sizes)" : "");
  std::printf("FontAsciiBase       %d\n", fonts.letterBase);
  std::printf("Lesson              %u\n", appState.currentArticle);
  std::printf("LastPosition        %u\n", appState.lastPosition);
  PrintFlags(appState.appFlags);
  const auto* pattern = appState.searchPattern;
  const auto length =
      static_cast<std::uint16_t>(std::strlen(reinterpret_cast<const char*>(pattern)));
  std::printf("SearchString        \"%s\"\n", LogicalText(pattern, length, false).c_str());

  std::uint32_t bookmarkBytes = 0;
  platform::HeapBuffer bookmarks =
      settings::ReadSizedBinaryValue(settings::kBookmarks, {}, &bookmarkBytes);
  std::printf("Bookmarks           %u bytes\n", bookmarks ? bookmarkBytes : 0);

  std::printf("IgnoreActivate      %d\n", deviceOptions.ignoreActivate);
  std::printf("FullScreen          %d\n", deviceOptions.fullScreen);
  std::printf("AllowSipInHebrewSearch %d\n", deviceOptions.allowSipInHebrewSearch);
  std::printf("MenuBarOnBottom     %d\n", appState.menuBarOnBottom);
  std::printf("SurroundingGutter   %d\n", appState.surroundingGutter);
  return kExitOk;
}

}  // namespace velmora::cli
