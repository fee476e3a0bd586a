// What every surface keeps between drawing calls, the same in both
// backends: the selected font, brush and pen, and the text and background
// colours. Brushes and pens are plain colours.
#pragma once

#include "platform/surface.h"

namespace velmora::platform {

struct Brush {
  Colour colour = kColourWhite;
  bool stock = false;  // the platform's own: never deleted
};

struct Pen {
  Colour colour = kColourBlack;
  bool stock = false;
};

// A backend's Surface derives from this record.
struct DrawingState {
  Font* font = nullptr;
  Brush* brush = nullptr;
  Pen* pen = nullptr;
  Colour textColour = kColourBlack;
  Colour backgroundColour = kColourWhite;
  BackgroundMode backgroundMode = BackgroundMode::kOpaque;
};

// The drawing state of `surface`; each backend says where it lives.
DrawingState& StateOf(Surface* surface);

// The white stock brush, which a new surface starts with.
Brush* WhiteStockBrush();

}  // namespace velmora::platform
