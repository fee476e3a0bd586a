// Fonts by requested cell height, and the per-unit advances that every
// measurement and every drawn run share.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cmath>

#include "platform/qt/qt_handles.h"
#include "platform/qt/surface_objects.h"
#include "platform/surface.h"

namespace velmora::platform {
namespace {

// The cell height a font gets when none is requested.
constexpr std::int32_t kDefaultCellHeight = 16;
// Larger heights (from a damaged setting, say) are taken as this many pixels.
constexpr std::int32_t kLargestHeight = 1000;
// The toolkit's range of weights; 0 (or less) asks for the default.
constexpr int kLightestWeight = 1;
constexpr int kHeaviestWeight = 1000;

// The default face: the first of these that is installed. The book is Hebrew,
// so a face with Hebrew glyphs comes first (the culmus faces, then DejaVu
// Sans, which covers Hebrew too); without any, the platform's own default.
constexpr const char* kPreferredFaces[] = {"Frank Ruehl CLM", "David CLM", "Taamey Frank CLM",
                                           "DejaVu Sans"};

QString DefaultFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* face : kPreferredFaces) {
      if (installed.contains(QString::fromLatin1(face))) return QString::fromLatin1(face);
    }
    return QGuiApplication::font().family();
  }();
  return family;
}

QString FaceOf(const FontDescription& description) {
  qsizetype length = 0;
  while (length < std::ssize(description.faceName) && description.faceName[length] != 0) {
    ++length;
  }
  return length == 0 ? DefaultFamily() : QString::fromUtf16(description.faceName, length);
}

QFont MakeQFont(const FontDescription& description, int pixelSize) {
  QFont font(FaceOf(description));
  font.setPixelSize(pixelSize);
  const int weight = description.weight <= 0
                         ? kWeightNormal
                         : std::clamp(description.weight, kLightestWeight, kHeaviestWeight);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setUnderline(description.underline);
  // Runs are measured unit by unit; kerning would make the drawn run wider
  // or narrower than its measure.
  font.setKerning(false);
  return font;
}

int CellOf(const QFont& font) { return QFontMetrics(font).height(); }

// The pixel (em) size whose cell height comes nearest `cell` without
// exceeding it; the em size scales roughly with the cell, so a first guess
// from one measurement is corrected by a step or two.
int PixelSizeForCell(const FontDescription& description, int cell) {
  int size = cell;
  const int measured = CellOf(MakeQFont(description, size));
  if (measured > 0) {
    size = std::max(1, static_cast<int>(std::lround(static_cast<double>(cell) * size / measured)));
  }
  while (size > 1 && CellOf(MakeQFont(description, size)) > cell) --size;
  // Bounded, in case a face reports no cell height at all.
  while (size < cell && CellOf(MakeQFont(description, size + 1)) <= cell) ++size;
  return size;
}

Font* MakeFont(const FontDescription& description) {
  // A negative height asks for the em size rather than the cell.
  const int cell = description.height == 0
                       ? kDefaultCellHeight
                       : std::clamp(description.height, -kLargestHeight, kLargestHeight);
  const int pixelSize = cell < 0 ? -cell : PixelSizeForCell(description, cell);
  auto* font = new Font;
  font->description = description;
  font->qfont = MakeQFont(description, pixelSize);
  const QFontMetrics metrics(font->qfont);
  // Ascent and descent round separately, so some cell heights fall between
  // two sizes; the cell keeps the height asked for, the spare pixel below
  // the glyphs.
  font->cellHeight = std::max(cell, metrics.height());
  font->ascent = metrics.ascent();
  font->maxCharWidth = metrics.maxWidth();
  font->advances = std::make_unique<AdvanceCache>(font->qfont);
  return font;
}

}  // namespace

AdvanceCache::AdvanceCache(const QFont& font) : font_(font) {}

qreal AdvanceCache::Measure(char16_t unit) {
  std::unique_ptr<Page>& page = pages_[unit >> kPageBits];
  if (page == nullptr) {
    page = std::make_unique<Page>();
    page->fill(kNotMeasured);
  }
  const qreal advance = QFontMetricsF(font_).horizontalAdvance(QChar(unit));
  (*page)[unit & (kPageSize - 1)] = advance;
  return advance;
}

qreal RunAdvance(Font* font, const char16_t* text, std::int32_t count) {
  qreal sum = 0;
  for (std::int32_t i = 0; i < count; ++i) sum += font->advances->Of(text[i]);
  return sum;
}

Font* DefaultFont() {
  static Font* font = [] {
    Font* made = MakeFont(FontDescription{});
    made->stock = true;
    return made;
  }();
  return font;
}

Font* CreateFont(const FontDescription& description) {
  // Fonts need the application's font database.
  if (QGuiApplication::instance() == nullptr) return nullptr;
  return MakeFont(description);
}

void DeleteFont(Font* font) {
  if (font != nullptr && !font->stock) delete font;
}

Font* SelectFont(Surface* surface, Font* font) {
  Font* previous = surface->font;
  surface->font = font == nullptr ? DefaultFont() : font;
  return previous;
}

TextMetrics GetTextMetrics(Surface* surface) {
  return {surface->font->cellHeight, surface->font->maxCharWidth};
}

FontDescription DescribeFont(Font* font) { return font->description; }

const QFont& QtFontOf(const Font* font) { return font->qfont; }

std::int32_t FitText(Surface* surface, const char16_t* text, std::int32_t count,
                     std::int32_t maxWidth) {
  AdvanceCache& advances = *surface->font->advances;
  qreal sum = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    sum += advances.Of(text[i]);
    // The run's width is the sum rounded up: above an integer width exactly
    // when the sum is.
    if (sum > maxWidth) return i;
  }
  return std::max(count, 0);
}

Size TextExtent(Surface* surface, const char16_t* text, std::int32_t count) {
  return {static_cast<std::int32_t>(std::ceil(RunAdvance(surface->font, text, count))),
          surface->font->cellHeight};
}

}  // namespace velmora::platform
