#include "platform/qt/image_surface.h"

#include <QGuiApplication>
#include <QString>

#include <cstdlib>
#include <memory>

#include "platform/qt/qt_handles.h"

namespace velmora::platform {

struct OffscreenGraphics {
  std::unique_ptr<QGuiApplication> application;  // none when one existed
};

namespace {

// The application keeps a reference to its arguments for its whole life.
int argument_count = 1;
char program_name[] = "velmora";
char* arguments[] = {program_name, nullptr};

}  // namespace

OffscreenGraphics* StartOffscreenGraphics() {
  auto* graphics = new OffscreenGraphics;
  if (QCoreApplication::instance() == nullptr) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    graphics->application = std::make_unique<QGuiApplication>(argument_count, arguments);
  }
  return graphics;
}

void StopOffscreenGraphics(OffscreenGraphics* graphics) { delete graphics; }

Surface* CreateImageSurface(int width, int height, double pixelRatio) {
  return CreateQtSurface(width, height, pixelRatio, nullptr);
}

bool SaveSurfacePng(Surface* surface, const std::string& path) {
  return SurfaceImage(surface).save(QString::fromStdString(path), "PNG");
}

void DestroyImageSurface(Surface* surface) { DestroyQtSurface(surface); }

}  // namespace velmora::platform
