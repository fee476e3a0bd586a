// The Qt surface's objects: fonts with their cached advances, brushes, pens,
// bitmaps and the back-buffer surface. Shared by the Qt platform's parts only.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/common/drawing_state.h"
#include "platform/surface.h"

namespace velmora::platform {

// Advances of the code units measured so far, kept in pages of 256 units, so
// that measuring a run costs one look-up per unit once its characters are
// known. Only units that are asked for are measured: a unit the face lacks
// sends the toolkit through its fallback faces, loading them as it goes, and
// a page holds many units (controls, other scripts) that no text uses.
class AdvanceCache {
 public:
  explicit AdvanceCache(const QFont& font);
  // The advance of `unit` in logical pixels.
  qreal Of(char16_t unit) {
    const Page* page = pages_[unit >> kPageBits].get();
    if (page == nullptr) return Measure(unit);
    const qreal advance = (*page)[unit & (kPageSize - 1)];
    return advance != kNotMeasured ? advance : Measure(unit);
  }

 private:
  static constexpr int kPageBits = 8;
  static constexpr int kPageSize = 1 << kPageBits;
  // No advance is negative.
  static constexpr qreal kNotMeasured = -1;
  using Page = std::array<qreal, kPageSize>;

  // Measures `unit`, keeps its advance and returns it.
  qreal Measure(char16_t unit);

  QFont font_;
  std::array<std::unique_ptr<Page>, kPageSize> pages_;
};

struct Font {
  FontDescription description;
  QFont qfont;
  std::int32_t cellHeight = 0;
  std::int32_t ascent = 0;
  std::int32_t maxCharWidth = 0;
  std::unique_ptr<AdvanceCache> advances;
  bool stock = false;
};

struct Bitmap {
  QImage image;
};

struct Surface : DrawingState {
  QImage image;               // the back buffer; its device pixel ratio may exceed 1
  QPointer<QWidget> shownIn;  // asked to repaint after every drawing call
};

// A Qt colour from 0x00BBGGRR.
QColor ToQColor(Colour colour);

// The font a new surface starts with; it belongs to the platform.
Font* DefaultFont();

// Advances of text[0..count) summed in order; the width a run takes is the
// sum rounded up, the same whether the run is measured or drawn.
qreal RunAdvance(Font* font, const char16_t* text, std::int32_t count);

}  // namespace velmora::platform
