#include "shell/text_size.h"

#include <algorithm>

#include "font/font_choice.h"
#include "shell/article_window.h"
#include "state/app_state.h"

namespace velmora::shell {

std::int32_t SteppedTextSize(std::int32_t size, int direction) {
  const auto& table = font::kSizeTable;
  if (direction > 0) {
    const auto larger = std::upper_bound(table.begin(), table.end(), size);
    return larger != table.end() ? *larger : size;
  }
  const auto notSmaller = std::lower_bound(table.begin(), table.end(), size);
  return notSmaller != table.begin() ? *(notSmaller - 1) : size;
}

bool StepTextSize(platform::WindowHandle window, int direction) {
  const std::int32_t size = SteppedTextSize(appState.fontSettings.size, direction);
  if (size == appState.fontSettings.size) return false;
  appState.fontSettings.size = size;
  ApplyFontSettings(window);
  return true;
}

}  // namespace velmora::shell
