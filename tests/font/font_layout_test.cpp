// Where the font dialog's controls go for a client size.
#include "font/font_layout.h"

#include <gtest/gtest.h>

#include "resources/control_ids.h"

namespace velmora::font {
namespace {

using namespace resources;

TEST(FontDialogLayout, SplitsTheClientIntoThirds) {
  struct Case {
    std::int32_t width, height;
    std::array<ControlPlace, kFontDialogControls> places;
  };
  const Case cases[] = {
      // W 226, H 306: X 150, Y 204.
      {240,
       320,
       {{{kIdcFaceList, 7, 7, 143, 197},
         {kIdcSizeList, 157, 59, 76, 145},
         {kIdcPreview, 7, 204, 226, 102},
         {kIdcBase97, 157, 7, 76, 10},
         {kIdcBase224, 157, 24, 76, 10},
         {kIdcBase1488, 157, 41, 76, 10}}}},
      // W 87, H 86: 174 / 3 = 58, 172 / 3 = 57 (thirds round down).
      {101,
       100,
       {{{kIdcFaceList, 7, 7, 51, 50},
         {kIdcSizeList, 65, 59, 29, -2},
         {kIdcPreview, 7, 57, 87, 29},
         {kIdcBase97, 65, 7, 29, 10},
         {kIdcBase224, 65, 24, 29, 10},
         {kIdcBase1488, 65, 41, 29, 10}}}},
      // W -4, H -5: -8 / 3 = -2, -10 / 3 = -3 (toward zero, not down).
      {10,
       9,
       {{{kIdcFaceList, 7, 7, -9, -10},
         {kIdcSizeList, 5, 59, -2, -62},
         {kIdcPreview, 7, -3, -4, -2},
         {kIdcBase97, 5, 7, -2, 10},
         {kIdcBase224, 5, 24, -2, 10},
         {kIdcBase1488, 5, 41, -2, 10}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const auto places = FontDialogLayout(c.width, c.height);
    for (std::size_t i = 0; i < places.size(); ++i) {
      SCOPED_TRACE(places[i].id);
      EXPECT_EQ(places[i].id, c.places[i].id);
      EXPECT_EQ(places[i].x, c.places[i].x);
      EXPECT_EQ(places[i].y, c.places[i].y);
      EXPECT_EQ(places[i].width, c.places[i].width);
      EXPECT_EQ(places[i].height, c.places[i].height);
    }
  }
}

}  // namespace
}  // namespace velmora::font
