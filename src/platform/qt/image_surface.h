// Drawing surfaces without a window, for the companion tool and the
// benchmarks. They need the toolkit's graphics application, which
// StartOffscreenGraphics makes for programs without a display.
#pragma once

#include <string>

#include "platform/surface.h"

namespace velmora::platform {

struct OffscreenGraphics;

// Makes the graphics application that fonts and surfaces need, on the
// "offscreen" platform unless QT_QPA_PLATFORM names another. When one exists
// already it is used as it is. End it with StopOffscreenGraphics after every
// surface and font is gone.
OffscreenGraphics* StartOffscreenGraphics();
void StopOffscreenGraphics(OffscreenGraphics* graphics);

// A white surface of width x height logical pixels, each `pixelRatio`
// device pixels wide and high; nullptr without a QGuiApplication or for a
// size or ratio that is not positive. Destroy it with DestroyImageSurface.
Surface* CreateImageSurface(int width, int height, double pixelRatio);
// Writes what was drawn as a PNG file of the device pixels; false when the
// file cannot be written.
bool SaveSurfacePng(Surface* surface, const std::string& path);
void DestroyImageSurface(Surface* surface);

}  // namespace velmora::platform
