// Where the article view lies in the main window: the bar's strip and the
// SurroundingGutter left free, at creation and after size changes.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/shell.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;

struct ViewPlace {
  std::int32_t x, y, width, height;
  bool operator==(const ViewPlace&) const = default;
};

void PrintTo(const ViewPlace& p, std::ostream* out) {
  *out << "(" << p.x << ", " << p.y << ", " << p.width << " x " << p.height << ")";
}

class GeometryTest : public ProgramTest {
 protected:
  ViewPlace Place() { return {View().x, View().y, View().width, View().height}; }
  void Resize(std::uint16_t width, std::uint16_t height) {
    Send(platform::WM_SIZE, 0, platform::MakeLParam(width, height));
  }
};

// The client area is 240 x 268 and a bar 26 pixels high.
TEST_F(GeometryTest, ViewLeavesTheBarAndTheGuttersFree) {
  const struct {
    const char* name;
    std::uint32_t gutter;
    std::uint32_t menuBarOnBottom;
    ViewPlace place;
  } cases[] = {
      {"CommandBarAtTheTop", 5, 0, {5, 31, 230, 232}},
      {"MenuBarAtTheBottom", 5, 1, {5, 5, 230, 232}},
      {"NoGutter", 0, 0, {0, 26, 240, 242}},
      // Sides no wider than two gutters keep their whole size.
      {"GutterWiderThanHalfTheClient", 200, 0, {0, 26, 240, 242}},
      {"GutterOnlyAboveAndBelow", 120, 0, {0, 146, 240, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StoreDeviceOption(settings::kSurroundingGutter, c.gutter);
    StoreDeviceOption(settings::kMenuBarOnBottom, c.menuBarOnBottom);
    Start();
    EXPECT_EQ(Place(), c.place) << "at creation";
    Resize(300, 300);
    Resize(240, 268);
    EXPECT_EQ(Place(), c.place) << "after a resize back";
  }
}

TEST_F(GeometryTest, ResizeKeepsThePlaceAndLaysOutAgain) {
  StoreDeviceOption(settings::kSurroundingGutter, 5);
  Start();
  Resize(300, 200);
  EXPECT_EQ(Place(), (ViewPlace{5, 31, 290, 164}));
  EXPECT_EQ(View().lineCount, kArticleRows);
  // 164 pixels show ten 16-pixel rows: the last page starts at row 30.
  EXPECT_EQ(View().lastTopRow, kArticleRows - 10);
  EXPECT_EQ(headless::ScrollBarOf(window_)->maximum, kArticleRows - 10);
}

TEST_F(GeometryTest, ResizeToTheSameSizeLaysNothingOut) {
  StoreDeviceOption(settings::kSurroundingGutter, 5);
  Start();
  const long sets = headless::ScrollBarSets(window_);
  Resize(240, 268);
  EXPECT_EQ(headless::ScrollBarSets(window_), sets);
}

}  // namespace
}  // namespace velmora::test
