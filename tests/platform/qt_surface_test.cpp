// The Qt surface: cell heights as asked, measuring and drawing with the same
// advances, runs drawn in the order given, opaque cells, exclusive outlines.
#include <QFontMetricsF>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/image_surface.h"
#include "platform/qt/qt_handles.h"
#include "platform/qt/surface_objects.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

// "Bereshit bara elohim et hashamayim" in Hebrew letters, as stored.
constexpr char16_t kHebrew[] =
    u"\u05D1\u05E8\u05D0\u05E9\u05D9\u05EA \u05D1\u05E8\u05D0 \u05D0\u05DC\u05D4\u05D9\u05DD "
    u"\u05D0\u05EA \u05D4\u05E9\u05DE\u05D9\u05DD";
constexpr std::int32_t kHebrewUnits = std::size(kHebrew) - 1;

struct FontDeleter {
  void operator()(Font* font) const { DeleteFont(font); }
};
using FontPtr = std::unique_ptr<Font, FontDeleter>;

struct SurfaceDeleter {
  void operator()(Surface* surface) const { DestroyImageSurface(surface); }
};
using SurfacePtr = std::unique_ptr<Surface, SurfaceDeleter>;

FontPtr MakeFont(std::int32_t height, std::u16string face = u"",
                 std::int32_t weight = kWeightNormal) {
  FontDescription description;
  description.height = height;
  description.weight = weight;
  face.copy(description.faceName, std::size(description.faceName) - 1);
  return FontPtr(CreateFont(description));
}

Colour PixelAt(Surface* surface, int x, int y) {
  const QImage& image = SurfaceImage(surface);
  const qreal ratio = image.devicePixelRatio();
  const QColor colour = image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
  return static_cast<Colour>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

// Dark pixels in the columns [left, right) of rows [top, bottom).
int InkIn(Surface* surface, int left, int right, int top, int bottom) {
  int ink = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (QColor::fromRgb(SurfaceImage(surface).pixel(x, y)).lightness() < 128) ++ink;
    }
  }
  return ink;
}

TEST(QtSurface, CellHeightIsTheRequestedHeight) {
  SurfacePtr surface(CreateImageSurface(100, 100, 1.0));
  for (const std::u16string face : {u"", u"DejaVu Sans"}) {
    for (const std::int32_t weight : {kWeightNormal, kWeightBold, kWeightExtraBold}) {
      for (const std::int32_t height : {9, 12, 14, 16, 19, 20, 24, 31, 40, 60}) {
        SCOPED_TRACE(testing::Message() << "face '" << QString::fromStdU16String(face).toStdString()
                                        << "' weight " << weight << " height " << height);
        FontPtr font = MakeFont(height, face, weight);
        ASSERT_NE(font, nullptr);
        SelectFont(surface.get(), font.get());
        const TextMetrics metrics = GetTextMetrics(surface.get());
        EXPECT_NEAR(metrics.height, height, 1);
        EXPECT_GT(metrics.maxCharWidth, 0);
        EXPECT_EQ(TextExtent(surface.get(), kHebrew, 3).height, metrics.height);
        SelectFont(surface.get(), nullptr);
      }
    }
  }
}

TEST(QtSurface, DefaultAndEmHeights) {
  SurfacePtr surface(CreateImageSurface(100, 100, 1.0));
  EXPECT_NEAR(GetTextMetrics(surface.get()).height, 16, 1);
  FontPtr byDefault = MakeFont(0);
  SelectFont(surface.get(), byDefault.get());
  EXPECT_NEAR(GetTextMetrics(surface.get()).height, 16, 1);
  // A negative height is the em size, which is smaller than the cell.
  FontPtr byEm = MakeFont(-20);
  SelectFont(surface.get(), byEm.get());
  EXPECT_GT(GetTextMetrics(surface.get()).height, 20);
  EXPECT_EQ(DescribeFont(byEm.get()).height, -20);
}

TEST(QtSurface, FitAndExtentAgreeAtEveryWidth) {
  SurfacePtr surface(CreateImageSurface(100, 100, 1.0));
  FontPtr font = MakeFont(20);
  SelectFont(surface.get(), font.get());
  const std::int32_t whole = TextExtent(surface.get(), kHebrew, kHebrewUnits).width;
  for (std::int32_t maxWidth = 0; maxWidth <= whole + 2; ++maxWidth) {
    SCOPED_TRACE(maxWidth);
    const std::int32_t fits = FitText(surface.get(), kHebrew, kHebrewUnits, maxWidth);
    EXPECT_LE(TextExtent(surface.get(), kHebrew, fits).width, maxWidth);
    if (fits < kHebrewUnits) {
      EXPECT_GT(TextExtent(surface.get(), kHebrew, fits + 1).width, maxWidth);
    } else {
      EXPECT_GE(maxWidth, whole);
    }
  }
}

TEST(QtSurface, ExtentIsTheWidthTheRunIsLaidOutWith) {
  SurfacePtr surface(CreateImageSurface(100, 100, 1.0));
  for (const std::int32_t height : {12, 20, 33}) {
    SCOPED_TRACE(height);
    FontPtr font = MakeFont(height);
    SelectFont(surface.get(), font.get());
    const QString run = QChar(0x202D) + QString::fromUtf16(kHebrew, kHebrewUnits) + QChar(0x202C);
    EXPECT_NEAR(TextExtent(surface.get(), kHebrew, kHebrewUnits).width,
                QFontMetricsF(font->qfont).horizontalAdvance(run), 1.0);
    SelectFont(surface.get(), nullptr);
  }
}

// A run shows its units left to right as given, even Hebrew ones: the first
// letter's cell holds the same ink as the letter drawn alone there.
TEST(QtSurface, RunsAreDrawnInTheOrderOfTheirUnits) {
  constexpr char16_t kAlefBet[] = u"\u05D0\u05D1";
  constexpr char16_t kBetAlef[] = u"\u05D1\u05D0";
  FontPtr font = MakeFont(40);
  auto draw = [&](const char16_t* text, std::int32_t count) {
    SurfacePtr surface(CreateImageSurface(200, 60, 1.0));
    SelectFont(surface.get(), font.get());
    const std::int32_t width = TextExtent(surface.get(), text, count).width;
    DrawTextInBox(surface.get(), text, count, {10, 10, 10 + width, 50});
    return surface;
  };
  SurfacePtr alone = draw(kAlefBet, 1);
  SurfacePtr inOrder = draw(kAlefBet, 2);
  SurfacePtr reversed = draw(kBetAlef, 2);
  const int cellRight = 10 + static_cast<int>(font->advances->Of(u'\u05D0'));
  const QImage first = SurfaceImage(alone.get()).copy(10, 10, cellRight - 10 - 1, 40);
  const auto differing = [&](Surface* surface) {
    const QImage cell = SurfaceImage(surface).copy(10, 10, cellRight - 10 - 1, 40);
    int count = 0;
    for (int y = 0; y < cell.height(); ++y) {
      for (int x = 0; x < cell.width(); ++x) count += cell.pixel(x, y) != first.pixel(x, y);
    }
    return count;
  };
  ASSERT_GT(InkIn(alone.get(), 10, cellRight, 10, 50), 20);
  EXPECT_LT(differing(inOrder.get()), 10);
  EXPECT_GT(differing(reversed.get()), 50);
}

TEST(QtSurface, OpaqueRunsFillTheirCellsWithTheBackgroundColour) {
  FontPtr font = MakeFont(20);
  for (const BackgroundMode mode : {BackgroundMode::kOpaque, BackgroundMode::kTransparent}) {
    SCOPED_TRACE(static_cast<int>(mode));
    SurfacePtr surface(CreateImageSurface(200, 40, 1.0));
    SelectFont(surface.get(), font.get());
    SetBackgroundMode(surface.get(), mode);
    SetBackgroundColour(surface.get(), kColourYellow);
    SetTextColour(surface.get(), kColourBlue);
    const std::int32_t width = TextExtent(surface.get(), kHebrew, 5).width;
    // The box is higher than the cell: the cell is centred in it.
    DrawTextInBox(surface.get(), kHebrew, 5, {10, 0, 10 + width, 30});
    const Colour expected = mode == BackgroundMode::kOpaque ? kColourYellow : kColourWhite;
    EXPECT_EQ(PixelAt(surface.get(), 10, 5), expected);               // cell's top left
    EXPECT_EQ(PixelAt(surface.get(), 10 + width - 1, 24), expected);  // bottom right
    EXPECT_EQ(PixelAt(surface.get(), 10, 4), kColourWhite);           // above the cell
    EXPECT_EQ(PixelAt(surface.get(), 10 + width, 10), kColourWhite);  // right of it
  }
}

TEST(QtSurface, TextStaysInsideItsBoxOrClip) {
  FontPtr font = MakeFont(30);
  SurfacePtr surface(CreateImageSurface(300, 40, 1.0));
  SelectFont(surface.get(), font.get());
  const std::int32_t width = TextExtent(surface.get(), kHebrew, kHebrewUnits).width;
  DrawTextClipped(surface.get(), 0, 0, {0, 0, width / 2, 40}, kHebrew, kHebrewUnits);
  EXPECT_GT(InkIn(surface.get(), 0, width / 2, 0, 40), 0);
  EXPECT_EQ(InkIn(surface.get(), width / 2, 300, 0, 40), 0);
}

TEST(QtSurface, RectangleOutlineAndFillExcludeRightAndBottom) {
  for (const double ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    SurfacePtr surface(CreateImageSurface(40, 30, ratio));
    EXPECT_EQ(SurfaceImage(surface.get()).width(), static_cast<int>(40 * ratio));
    Brush* yellow = CreateSolidBrush(kColourYellow);
    Pen* red = CreatePen(kColourRed);
    Brush* oldBrush = SelectBrush(surface.get(), yellow);
    Pen* oldPen = SelectPen(surface.get(), red);
    DrawRectangle(surface.get(), {10, 10, 20, 15});
    EXPECT_EQ(PixelAt(surface.get(), 10, 10), kColourRed);
    EXPECT_EQ(PixelAt(surface.get(), 19, 14), kColourRed);
    EXPECT_EQ(PixelAt(surface.get(), 15, 14), kColourRed);
    EXPECT_EQ(PixelAt(surface.get(), 15, 12), kColourYellow);
    EXPECT_EQ(PixelAt(surface.get(), 20, 12), kColourWhite);
    EXPECT_EQ(PixelAt(surface.get(), 15, 15), kColourWhite);
    // A one-pixel-high rectangle is one row of outline: the rule of a view.
    SelectBrush(surface.get(), GetStockBrush(StockBrush::kBlack));
    SelectPen(surface.get(), oldPen);
    DrawRectangle(surface.get(), {0, 20, 40, 21});
    EXPECT_EQ(PixelAt(surface.get(), 39, 20), kColourBlack);
    EXPECT_EQ(PixelAt(surface.get(), 0, 21), kColourWhite);
    FillRect(surface.get(), {30, 0, 32, 2}, yellow);
    EXPECT_EQ(PixelAt(surface.get(), 31, 1), kColourYellow);
    EXPECT_EQ(PixelAt(surface.get(), 32, 1), kColourWhite);
    SelectBrush(surface.get(), oldBrush);
    DeleteBrush(yellow);
    DeletePen(red);
  }
}

TEST(QtSurface, ImageSurfacesRefuseEmptySizesAndSaveAsPng) {
  EXPECT_EQ(CreateImageSurface(0, 10, 1.0), nullptr);
  EXPECT_EQ(CreateImageSurface(10, 10, 0.0), nullptr);
  SurfacePtr surface(CreateImageSurface(30, 20, 2.0));
  FillRect(surface.get(), {0, 0, 5, 5}, GetStockBrush(StockBrush::kBlack));
  QTemporaryDir dir;
  const std::string path = dir.filePath("out.png").toStdString();
  ASSERT_TRUE(SaveSurfacePng(surface.get(), path));
  const QImage saved(QString::fromStdString(path));
  EXPECT_EQ(saved.width(), 60);
  EXPECT_EQ(saved.height(), 40);
  EXPECT_EQ(saved.pixelColor(9, 9), QColor(Qt::black));
  EXPECT_EQ(saved.pixelColor(10, 10), QColor(Qt::white));
  EXPECT_FALSE(SaveSurfacePng(surface.get(), dir.filePath("no/such/dir.png").toStdString()));
}

TEST(QtWindow, ScrollBarShowsRangePageAndPosition) {
  QScrollBar bar;
  int moves = 0;
  QObject::connect(&bar, &QScrollBar::valueChanged, [&moves] { ++moves; });
  Window window{nullptr, nullptr, &bar};
  SetVerticalScrollBar(&window, {0, 40, 0, 7}, true);
  EXPECT_EQ(bar.minimum(), 0);
  EXPECT_EQ(bar.maximum(), 40);
  EXPECT_EQ(bar.value(), 7);
  // A page of 10 rows leaves the last 9 positions to the thumb.
  SetVerticalScrollBar(&window, {0, 40, 10, 35}, true);
  EXPECT_EQ(bar.maximum(), 31);
  EXPECT_EQ(bar.pageStep(), 10);
  EXPECT_EQ(bar.value(), 31);
  EXPECT_EQ(moves, 0);
  EXPECT_EQ(GetWindowSurface(&window), nullptr);
  EXPECT_EQ(GetWindowSurface(nullptr), nullptr);
}

}  // namespace
}  // namespace velmora::platform
