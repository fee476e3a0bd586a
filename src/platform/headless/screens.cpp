#include "platform/screens.h"

#include <vector>

#include "platform/headless/headless_screens.h"

namespace velmora::platform {
namespace {

std::vector<Rect> StartScreens() { return {{0, 0, 1024, 768}}; }

std::vector<Rect> screens = StartScreens();

}  // namespace

bool FitsAScreen(const Rect& place) {
  for (const Rect& screen : screens) {
    if (place.left >= screen.left && place.top >= screen.top && place.right <= screen.right &&
        place.bottom <= screen.bottom) {
      return true;
    }
  }
  return false;
}

namespace headless {

void SetScreens(std::vector<Rect> newScreens) { screens = std::move(newScreens); }
void ResetScreens() { screens = StartScreens(); }

}  // namespace headless
}  // namespace velmora::platform
