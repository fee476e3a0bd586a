#include "tests/search/search_fixture.h"

#include <cstring>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/support/test_book.h"

namespace velmora::test {
namespace {

constexpr std::uint8_t kPlain = 0x01;

std::vector<ItemSpec> SearchArticle(std::uint16_t article) {
  std::vector<ItemSpec> items;
  items.push_back({book::ArticleHeadingStyle, 0, std::string(SearchHeadingOf(article))});
  for (int i = 0; i < kArticleRows; ++i) items.push_back({kPlain, 0, "ab"});
  if (article != kNoQq) items.push_back({kPlain, 0, "qq"});
  return items;
}

}  // namespace

void SearchTest::SetUp() {
  ProgramTest::SetUp();
  for (std::uint16_t article : {kFirstQq, kNoQq, kSecondQq}) {
    const std::vector<ItemSpec> items = SearchArticle(article);
    AddContent(&book_, article, MakeParagraphStream(items));
  }
  Prepare();
  StoreProgramValue(settings::kFontAsciiBase, kLetterBaseStored);
}

void SearchTest::SetPattern(std::string_view pattern) {
  std::memset(appState.searchPattern, 0, sizeof appState.searchPattern);
  std::memcpy(appState.searchPattern, pattern.data(), pattern.size());
}

std::uint16_t SearchTest::QqOffset() {
  // Heading (2 + 5 + 1), forty lines of "ab" (2 + 2 + 1 each), then "qq".
  return static_cast<std::uint16_t>(8 + kArticleRows * 5 + 2 + 1);
}

std::string_view SearchHeadingOf(std::uint16_t article) {
  switch (article) {
    case kFirstQq:
      return "hdfiv";
    case kNoQq:
      return "hdsix";
    default:
      return "hdsev";
  }
}

}  // namespace velmora::test
