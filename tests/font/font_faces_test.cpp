// The font families found: entries in blocks of 25 from the platform heap,
// kept in the order reported, all released at once.
#include "font/font_faces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

namespace velmora::font {
namespace {

namespace headless = platform::headless;

platform::FontFamily Family(const std::u16string& name, std::uint8_t characterSet) {
  platform::FontFamily family;
  name.copy(family.faceName, std::size(family.faceName) - 1);
  family.characterSet = characterSet;
  return family;
}

std::vector<std::u16string> Names(const FontFaceList& list) {
  std::vector<std::u16string> names;
  for (const FontFaceEntry* entry = list.first; entry != nullptr; entry = entry->next) {
    names.emplace_back(entry->faceName);
  }
  return names;
}

// `count` families named "F0", "F1", ... offered one by one while the
// visitor goes on; returns how many it took.
int Offer(FontFaceList& list, int count) {
  for (int i = 0; i < count; ++i) {
    const std::string name = "F" + std::to_string(i);
    if (AddFontFace(Family(std::u16string(name.begin(), name.end()), 0), &list) == 0) return i;
  }
  return count;
}

TEST(FontFaces, KeepsTheReportedOrderAndCharacterSets) {
  FontFaceList list;
  ASSERT_EQ(AddFontFace(Family(u"Tahoma", platform::kAnsiCharset), &list), 1);
  ASSERT_EQ(AddFontFace(Family(u"David", platform::kHebrewCharset), &list), 1);

  EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"Tahoma", u"David"}));
  EXPECT_EQ(list.first->next->characterSet, platform::kHebrewCharset);
  FreeFontFaces(list);
}

TEST(FontFaces, TakesBlocksOf25AndReleasesThemAll) {
  const long before = headless::LiveHeapBlocks();
  FontFaceList list;
  ASSERT_EQ(Offer(list, 51), 51);
  EXPECT_EQ(headless::LiveHeapBlocks() - before, 3);
  EXPECT_EQ(Names(list).size(), 51u);

  FreeFontFaces(list);
  EXPECT_EQ(headless::LiveHeapBlocks(), before);
  EXPECT_EQ(list.first, nullptr);
  // Emptied, the list fills again from its start.
  ASSERT_EQ(Offer(list, 1), 1);
  EXPECT_EQ(Names(list), std::vector<std::u16string>{u"F0"});
  FreeFontFaces(list);
}

TEST(FontFaces, AFailedBlockStopsTheEnumerationAndKeepsWhatWasFound) {
  const long before = headless::LiveHeapBlocks();
  FontFaceList list;
  headless::FailHeapAfter(1);
  EXPECT_EQ(Offer(list, 30), 25);
  EXPECT_EQ(Names(list).size(), 25u);
  headless::ResetHeapFaults();
  FreeFontFaces(list);
  EXPECT_EQ(headless::LiveHeapBlocks(), before);
}

TEST(FontFaces, ALongFaceNameIsCutToFit) {
  FontFaceList list;
  platform::FontFamily family;
  std::fill(std::begin(family.faceName), std::end(family.faceName), u'x');  // no terminator
  ASSERT_EQ(AddFontFace(family, &list), 1);
  EXPECT_EQ(std::u16string(list.first->faceName), std::u16string(31, u'x'));
  FreeFontFaces(list);
}

}  // namespace
}  // namespace velmora::font
