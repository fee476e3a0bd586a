// The headless drawing surface: fixed metrics and a record of every drawing
// call, so that tests check layout and painting to the pixel.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <utility>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/surface_objects.h"
#include "platform/surface.h"

namespace velmora::platform {
namespace {

using headless::kHeadlessDefaultHeight;
Font default_font{{kHeadlessDefaultHeight, kWeightNormal, false, {}}, kHeadlessDefaultHeight};
Pen black_pen{kColourBlack, true};
constexpr std::int32_t kPixelsPerInch = 96;

std::set<Surface*> live_surfaces;

std::int32_t Advance(const Surface* surface) { return surface->font->cellHeight / 2; }

}  // namespace

namespace headless {

Surface* NewSurface(Size size) {
  auto* surface = new Surface;
  surface->size = size;
  surface->font = &default_font;
  surface->brush = WhiteStockBrush();
  surface->pen = &black_pen;
  live_surfaces.insert(surface);
  return surface;
}

void DeleteSurface(Surface* surface) {
  live_surfaces.erase(surface);
  delete surface;
}

DrawCall StateCall(const Surface& surface, DrawKind kind) {
  DrawCall call{};
  call.kind = kind;
  call.textColour = surface.textColour;
  call.backgroundColour = surface.backgroundColour;
  call.backgroundMode = surface.backgroundMode;
  call.fontHeight = surface.font->cellHeight;
  call.fontWeight = surface.font->description.weight;
  call.fontUnderline = surface.font->description.underline;
  call.brushColour = surface.brush->colour;
  call.penColour = surface.pen->colour;
  return call;
}

void ResetSurfaces() {
  for (Surface* surface : live_surfaces) ClearDrawCalls(surface);
}

Surface* CreateTestSurface(std::int32_t width, std::int32_t height) {
  return NewSurface({width, height});
}

void DestroyTestSurface(Surface* surface) { DeleteSurface(surface); }

const std::vector<DrawCall>& DrawCalls(Surface* surface) { return surface->calls; }

void ClearDrawCalls(Surface* surface) {
  surface->calls.clear();
  surface->fitTextCalls = 0;
  surface->textExtentCalls = 0;
}

long FitTextCalls(Surface* surface) { return surface->fitTextCalls; }
long TextExtentCalls(Surface* surface) { return surface->textExtentCalls; }

}  // namespace headless

Font* CreateFont(const FontDescription& description) {
  // The magnitude of the most negative height does not fit: it saturates.
  const std::int32_t height =
      description.height == INT32_MIN ? INT32_MAX : std::abs(description.height);
  return new Font{description, height == 0 ? headless::kHeadlessDefaultHeight : height};
}

void DeleteFont(Font* font) {
  if (font != &default_font) delete font;
}

Font* SelectFont(Surface* surface, Font* font) {
  Font* previous = surface->font;
  surface->font = font == nullptr ? &default_font : font;
  return previous;
}

TextMetrics GetTextMetrics(Surface* surface) {
  return {surface->font->cellHeight, Advance(surface)};
}

FontDescription DescribeFont(Font* font) { return font->description; }

std::int32_t FitText(Surface* surface, const char16_t*, std::int32_t count, std::int32_t maxWidth) {
  ++surface->fitTextCalls;
  const std::int32_t advance = Advance(surface);
  if (count <= 0 || maxWidth < 0) return 0;
  if (advance == 0) return count;
  return std::min(count, maxWidth / advance);
}

Size TextExtent(Surface* surface, const char16_t*, std::int32_t count) {
  ++surface->textExtentCalls;
  const std::int64_t width = std::int64_t{std::max(count, 0)} * Advance(surface);
  return {static_cast<std::int32_t>(std::min<std::int64_t>(width, INT32_MAX)),
          surface->font->cellHeight};
}

void DrawTextInBox(Surface* surface, const char16_t* text, std::int32_t count, const Rect& box) {
  headless::DrawCall call = headless::StateCall(*surface, headless::DrawKind::kTextInBox);
  call.text.assign(text, static_cast<std::size_t>(std::max(count, 0)));
  call.box = box;
  surface->calls.push_back(std::move(call));
}

void DrawTextClipped(Surface* surface, std::int32_t x, std::int32_t y, const Rect& clip,
                     const char16_t* text, std::int32_t count) {
  headless::DrawCall call = headless::StateCall(*surface, headless::DrawKind::kTextClipped);
  call.text.assign(text, static_cast<std::size_t>(std::max(count, 0)));
  call.box = clip;
  call.x = x;
  call.y = y;
  surface->calls.push_back(std::move(call));
}

DrawingState& StateOf(Surface* surface) { return *surface; }

void FillRect(Surface* surface, const Rect& rect, Brush* brush) {
  if (brush == nullptr) return;
  headless::DrawCall call = headless::StateCall(*surface, headless::DrawKind::kFill);
  call.box = rect;
  call.brushColour = brush->colour;
  surface->calls.push_back(std::move(call));
}

void DrawRectangle(Surface* surface, const Rect& rect) {
  headless::DrawCall call = headless::StateCall(*surface, headless::DrawKind::kRectangle);
  call.box = rect;
  surface->calls.push_back(std::move(call));
}

std::int32_t PixelsPerInchY(Surface*) { return kPixelsPerInch; }

}  // namespace velmora::platform
