// One table of list-box behaviour that both platform realisations must give:
// the sorted place of each item and the prefix a selection finds. Run from
// the headless and the Qt dialog tests on a sorted list box.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "platform/dialog.h"

namespace velmora::platform::test {

inline void CheckSortedListBoxRules(WindowHandle sorted) {
  ListBoxReset(sorted);
  // Letters A-Z compare as a-z; every other unit by its value, so that face
  // lists read the same on every backend.
  for (std::u16string_view item :
       {u"delta", u"Bravo", u"\u00e9cu", u"alpha", u"Charlie", u"bravo", u"\u00c9mile"}) {
    ListBoxAddString(sorted, item);
  }
  const std::vector<std::u16string_view> expected = {
      u"alpha", u"Bravo", u"bravo", u"Charlie", u"delta", u"\u00c9mile", u"\u00e9cu"};
  ASSERT_EQ(ListBoxCount(sorted), static_cast<int>(expected.size()));
  for (int i = 0; i < ListBoxCount(sorted); ++i) {
    EXPECT_EQ(ListBoxText(sorted, i), expected[i]) << "row " << i << " (an equal item goes after)";
  }
  const struct {
    std::u16string_view prefix;
    int found;
  } kPrefixes[] = {{u"CH", 3},           {u"b", 1}, {u"Delta", 4}, {u"\u00e9", 6}, {u"\u00c9", 5},
                   {u"x", kNoSelection}, {u"", 0}};
  for (const auto& entry : kPrefixes) {
    EXPECT_EQ(ListBoxSelectString(sorted, entry.prefix), entry.found)
        << std::string(entry.prefix.begin(), entry.prefix.end());
  }
  EXPECT_EQ(ListBoxCurrentSelection(sorted), 0)
      << "a prefix that finds nothing keeps the selection";
}

}  // namespace velmora::platform::test
