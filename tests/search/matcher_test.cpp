// The matcher over one Paragraph, one article's search from a start offset,
// and the Paragraph spans.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless.h"
#include "resources/messages.h"
#include "search/search_engine.h"
#include "tests/support/test_book.h"

namespace velmora::search {
namespace {

namespace headless = platform::headless;
using test::ItemSpec;

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct Match {
  std::size_t highest;  // index of the highest matched byte in the text
  std::uint16_t length;
  bool operator==(const Match&) const = default;
};

void PrintTo(const Match& match, std::ostream* out) {
  *out << "at " << match.highest << " length " << match.length;
}

std::optional<Match> MatchIn(std::string_view text, std::string_view pattern,
                             std::optional<std::size_t> from = std::nullopt) {
  const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
  std::uint16_t length = 0;
  const std::uint8_t* hit =
      MatchBackward(first, Bytes(pattern), first + from.value_or(text.size() - 1), &length);
  if (hit == nullptr) return std::nullopt;
  return Match{static_cast<std::size_t>(hit - first), length};
}

// Text and pattern in stored order: the pattern's first byte meets the
// lowest offset of a match.
TEST(MatchBackwardTest, FindsTheHighestOccurrenceByItsRules) {
  struct Case {
    const char* name;
    std::string_view text;
    std::string_view pattern;
    std::optional<std::size_t> from;
    std::optional<Match> expected;
  };
  const Case cases[] = {
      {"one byte", "xaxx", "a", {}, Match{1, 1}},
      {"literal", "xxabcxx", "abc", {}, Match{4, 3}},
      {"the highest of two", "abcxabc", "abc", {}, Match{6, 3}},
      {"below the start only", "abcxabc", "abc", 5, Match{2, 3}},
      {"a match reaching above the start", "xabc", "abc", 2, std::nullopt},
      {"'?' any one byte", "xazcx", "a?c", {}, Match{3, 3}},
      {"'?' needs a byte", "bc", "?bc", {}, std::nullopt},
      {"'*' takes the nearest candidate below", "a1a2a3b", "a*b", {}, Match{6, 3}},
      {"'*' the empty run", "xab", "a*b", {}, Match{2, 2}},
      {"'*' over several bytes", "axyzb", "a*b", {}, Match{4, 5}},
      {"two '*'", "aXbYc", "a*b*c", {}, Match{4, 5}},
      {"'*' without a prefix below", "xbab", "c*b", {}, std::nullopt},
      {"'*' last is a plain byte", "abc", "ab*", {}, std::nullopt},
      {"'*' last matches itself", "ab*", "ab*", {}, Match{2, 3}},
      {"'?' last is a plain byte", "abc", "ab?", {}, std::nullopt},
      {"leading '*'", "xab", "*ab", {}, std::nullopt},
      {"'**'", "axxb", "a**b", {}, std::nullopt},
      {"'*' after '?'", "axxb", "a?*b", {}, std::nullopt},
      {"longer than the text", "ab", "xab", {}, std::nullopt},
      {"empty pattern", "ab", "", {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MatchIn(c.text, c.pattern, c.from), c.expected);
  }
}

// The matcher cuts nothing it is given: the pattern reads the same after.
TEST(MatchBackwardTest, LeavesThePatternAsItWas) {
  std::string pattern = "a*b*c";
  MatchIn("aXbYc", pattern);
  EXPECT_EQ(pattern, "a*b*c");
}

constexpr std::uint8_t kBody = 0xB1;

std::vector<std::uint8_t> Stream(const std::vector<ItemSpec>& items) {
  return test::MakeParagraphStream(items);
}

struct Hit {
  std::uint16_t offset;
  std::uint16_t length;
  bool operator==(const Hit&) const = default;
};

void PrintTo(const Hit& hit, std::ostream* out) {
  *out << "offset " << hit.offset << " length " << hit.length;
}

std::optional<Hit> Find(const std::vector<std::uint8_t>& stream, std::uint16_t start,
                        std::string_view pattern) {
  std::uint16_t length = 0;
  const std::uint16_t offset = FindInArticle(stream, start, Bytes(pattern), &length);
  if (offset == 0) return std::nullopt;
  return Hit{offset, length};
}

// Paragraph texts start at offset 2 (first) and 2 + 5 + 1 + 2 = 10 (second).
TEST(FindInArticleTest, ScansTheStartParagraphDownThenLaterOnesWhole) {
  const auto stream = Stream({{kBody, 0, "abxab"}, {kBody, 0, "zab"}});
  EXPECT_EQ(Find(stream, 0, "ab"), (Hit{6, 2}));        // the first hit in reading order
  EXPECT_EQ(Find(stream, 5, "ab"), (Hit{3, 2}));        // from inside the first Paragraph
  EXPECT_EQ(Find(stream, 2, "ab"), (Hit{12, 2}));       // a hit reaching above P is passed over
  EXPECT_EQ(Find(stream, 8, "ab"), (Hit{12, 2}));       // the second Paragraph's style byte
  EXPECT_EQ(Find(stream, 11, "ab"), std::nullopt);      // below its only hit
  EXPECT_EQ(Find(stream, 0xFFFF, "ab"), std::nullopt);  // beyond the article
  EXPECT_EQ(Find(stream, 0, "zz"), std::nullopt);
}

// The byte read after a hit at a Paragraph's first text byte is its measure
// byte: the Paragraph is finished and the scan goes on with the next one,
// instead of returning to the Paragraph's first hit for ever.
TEST(FindInArticleTest, SearchAgainLeavesAParagraphWhoseLastHitEndsAtItsFirstByte) {
  const auto stream = Stream({{kBody, 0, "abxab"}, {kBody, 0, "zab"}});
  std::vector<Hit> visited;
  std::uint16_t start = 0;
  while (const std::optional<Hit> hit = Find(stream, start, "ab")) {
    visited.push_back(*hit);
    ASSERT_LE(visited.size(), 3u);
    start = static_cast<std::uint16_t>(hit->offset - hit->length);  // highlightStart - 1
  }
  EXPECT_EQ(visited, (std::vector<Hit>{{6, 2}, {3, 2}, {12, 2}}));
}

TEST(FindInArticleTest, RulesAndEmptyStreamsHoldNoHit) {
  constexpr std::uint8_t kRule = 0x01;
  EXPECT_EQ(Find(Stream({{kRule, 4, ""}, {kBody, 0, "a"}}), 0, "a"), (Hit{5, 1}));
  EXPECT_EQ(Find(Stream({}), 0, "a"), std::nullopt);
  // A stream whose last item has no NUL inside it ends before that item.
  const std::vector<std::uint8_t> cut = {kBody, 0, 'a', 0, kBody, 0, 'a', 'a'};
  EXPECT_EQ(Find(cut, 0, "aa"), std::nullopt);
}

TEST(ParagraphSpansTest, OneSpanPerItemInStreamOrder) {
  const auto stream = Stream({{kBody, 0, "ab"}, {0x01, 4, ""}, {kBody, 0, "c"}});
  bool dry = true;
  ParagraphSpan* spans = BuildParagraphSpans(stream, &dry);
  EXPECT_FALSE(dry);
  std::vector<std::pair<long, long>> seen;
  for (const ParagraphSpan* span = spans; span != nullptr; span = span->next) {
    seen.emplace_back(span->style - stream.data(), span->nul - stream.data());
  }
  FreeParagraphSpans(spans);
  EXPECT_EQ(seen, (std::vector<std::pair<long, long>>{{0, 4}, {5, 7}, {8, 11}}));
}

// The second span cannot be made: the first is released, the search is
// abandoned, and the program is told to end.
TEST(ParagraphSpansTest, OutOfMemoryAbandonsTheSearch) {
  const auto stream = Stream({{kBody, 0, "ab"}, {kBody, 0, "ab"}});
  const long live = headless::LiveHeapBlocks();
  headless::FailHeapAfter(1);
  std::uint16_t length = 0;
  bool dry = false;
  EXPECT_EQ(FindInArticle(stream, 0, Bytes("ab"), &length, &dry), 0);
  headless::ResetHeapFaults();
  EXPECT_TRUE(dry);
  EXPECT_EQ(headless::LiveHeapBlocks(), live);
  ASSERT_FALSE(headless::MessageBoxCalls().empty());
  EXPECT_EQ(headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
  EXPECT_TRUE(headless::PostedQuit().has_value());
}

}  // namespace
}  // namespace velmora::search
