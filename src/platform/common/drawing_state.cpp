#include "platform/common/drawing_state.h"

#include <utility>

namespace velmora::platform {
namespace {

Brush white_brush{kColourWhite, true};
Brush black_brush{kColourBlack, true};

}  // namespace

Brush* WhiteStockBrush() { return &white_brush; }

Colour GetTextColour(Surface* surface) { return StateOf(surface).textColour; }

Colour SetTextColour(Surface* surface, Colour colour) {
  return std::exchange(StateOf(surface).textColour, colour);
}

Colour SetBackgroundColour(Surface* surface, Colour colour) {
  return std::exchange(StateOf(surface).backgroundColour, colour);
}

BackgroundMode SetBackgroundMode(Surface* surface, BackgroundMode mode) {
  return std::exchange(StateOf(surface).backgroundMode, mode);
}

Brush* GetStockBrush(StockBrush which) {
  return which == StockBrush::kBlack ? &black_brush : &white_brush;
}

Brush* CreateSolidBrush(Colour colour) { return new Brush{colour, false}; }

void DeleteBrush(Brush* brush) {
  if (brush != nullptr && !brush->stock) delete brush;
}

Pen* CreatePen(Colour colour) { return new Pen{colour, false}; }

void DeletePen(Pen* pen) {
  if (pen != nullptr && !pen->stock) delete pen;
}

Brush* SelectBrush(Surface* surface, Brush* brush) {
  if (brush == nullptr) return nullptr;
  return std::exchange(StateOf(surface).brush, brush);
}

Pen* SelectPen(Surface* surface, Pen* pen) {
  if (pen == nullptr) return nullptr;
  return std::exchange(StateOf(surface).pen, pen);
}

}  // namespace velmora::platform
