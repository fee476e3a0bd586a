// The Qt drawing surface: every call paints into the surface's back buffer
// at once; a window shows that buffer.
#include <QGuiApplication>
#include <QPainter>
#include <QString>

#include <cmath>
#include <utility>

#include "platform/qt/qt_handles.h"
#include "platform/qt/surface_objects.h"
#include "platform/surface.h"

namespace velmora::platform {
namespace {

Pen black_pen{kColourBlack, true};

// Wrapped around every run so that its units are shown left to right exactly
// as given: the program orders right-to-left text itself.
constexpr char16_t kLeftToRightOverride = 0x202D;
constexpr char16_t kPopDirectionalFormatting = 0x202C;

QRect ToQRect(const Rect& rect) {
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

QString OverriddenRun(const char16_t* text, std::int32_t count) {
  QString run;
  run.reserve(count + 2);
  run.append(QChar(kLeftToRightOverride));
  run.append(QStringView(text, count));
  run.append(QChar(kPopDirectionalFormatting));
  return run;
}

void Shown(Surface* surface) {
  if (surface->shownIn) surface->shownIn->update();
}

// Draws a run with its cell's top left at (x, y): the cells in the background
// colour when the mode is opaque, then the glyphs in the text colour.
void PaintRun(Surface* surface, QPainter& painter, qreal x, qreal y, const char16_t* text,
              std::int32_t count) {
  Font* font = surface->font;
  if (surface->backgroundMode == BackgroundMode::kOpaque) {
    painter.fillRect(QRectF(x, y, std::ceil(RunAdvance(font, text, count)), font->cellHeight),
                     ToQColor(surface->backgroundColour));
  }
  painter.setFont(font->qfont);
  painter.setPen(ToQColor(surface->textColour));
  painter.drawText(QPointF(x, y + font->ascent), OverriddenRun(text, count));
}

}  // namespace

QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Surface* CreateQtSurface(int width, int height, qreal pixelRatio, QWidget* shownIn) {
  if (QGuiApplication::instance() == nullptr || width <= 0 || height <= 0 || pixelRatio <= 0) {
    return nullptr;
  }
  auto* surface = new Surface;
  surface->image = QImage(static_cast<int>(std::ceil(width * pixelRatio)),
                          static_cast<int>(std::ceil(height * pixelRatio)), QImage::Format_RGB32);
  surface->image.setDevicePixelRatio(pixelRatio);
  surface->image.fill(Qt::white);
  surface->font = DefaultFont();
  surface->brush = WhiteStockBrush();
  surface->pen = &black_pen;
  surface->shownIn = shownIn;
  return surface;
}

void DestroyQtSurface(Surface* surface) { delete surface; }

const QImage& SurfaceImage(const Surface* surface) { return surface->image; }

void DrawTextInBox(Surface* surface, const char16_t* text, std::int32_t count, const Rect& box) {
  if (count <= 0) return;
  const std::int32_t width =
      static_cast<std::int32_t>(std::ceil(RunAdvance(surface->font, text, count)));
  // Centred as integer pixels, as a single-line box centres its text.
  const std::int32_t x = box.left + (box.right - box.left - width) / 2;
  const std::int32_t y = box.top + (box.bottom - box.top - surface->font->cellHeight) / 2;
  QPainter painter(&surface->image);
  painter.setClipRect(ToQRect(box));
  PaintRun(surface, painter, x, y, text, count);
  painter.end();
  Shown(surface);
}

void DrawTextClipped(Surface* surface, std::int32_t x, std::int32_t y, const Rect& clip,
                     const char16_t* text, std::int32_t count) {
  if (count <= 0) return;
  QPainter painter(&surface->image);
  painter.setClipRect(ToQRect(clip));
  PaintRun(surface, painter, x, y, text, count);
  painter.end();
  Shown(surface);
}

DrawingState& StateOf(Surface* surface) { return *surface; }

void FillRect(Surface* surface, const Rect& rect, Brush* brush) {
  if (brush == nullptr) return;
  QPainter painter(&surface->image);
  painter.fillRect(ToQRect(rect), ToQColor(brush->colour));
  painter.end();
  Shown(surface);
}

void DrawRectangle(Surface* surface, const Rect& rect) {
  const QRect area = ToQRect(rect);
  if (area.isEmpty()) return;
  QPainter painter(&surface->image);
  // The outline is the outermost ring of pixels inside the rectangle, so that
  // right and bottom stay exclusive at every pixel ratio.
  const QColor pen = ToQColor(surface->pen->colour);
  const QRect inside = area.adjusted(1, 1, -1, -1);
  if (inside.isValid()) painter.fillRect(inside, ToQColor(surface->brush->colour));
  painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), pen);
  painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), pen);
  painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), pen);
  painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), pen);
  painter.end();
  Shown(surface);
}

std::int32_t PixelsPerInchY(Surface* surface) { return surface->image.logicalDpiY(); }

}  // namespace velmora::platform
