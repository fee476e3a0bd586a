#include "platform/screens.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace velmora::platform {

bool FitsAScreen(const Rect& place) {
  const QRect wanted(place.left, place.top, place.right - place.left, place.bottom - place.top);
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(wanted)) return true;
  }
  return false;
}

}  // namespace velmora::platform
