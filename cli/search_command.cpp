// search PATTERN: every hit of the book, in the order repeated Search Again
// visits them, through the reader's own engine.
#include <cstdio>
#include <optional>
#include <string>

#include "book/book_format.h"
#include "book/paragraph_stream.h"
#include "book/record.h"
#include "commands.h"
#include "logical_text.h"
#include "resources/article_count.h"
#include "search/keyboard.h"
#include "search/search_engine.h"
#include "state/app_state.h"
#include "view/heading_box.h"

namespace velmora::cli {
namespace {

// Words of context printed on each side of a hit.
constexpr int kContextWords = 3;
constexpr long kMaxLimit = 1000000000;

struct SearchOptions {
  std::string_view pattern;
  long from = 1;
  bool countOnly = false;
  long limit = 0;  // 0: no limit
};

// The code points of UTF-8 `text` in the Basic Multilingual Plane; nothing
// for malformed text or a code point beyond it.
std::optional<std::u16string> DecodeUtf8(std::string_view text) {
  std::u16string units;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t point = 0;
    if (lead < 0x80) {
      point = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      point = lead & 0x0F;
    } else {
      return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size() && extra > 0) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      point = (point << 6) | (next & 0x3F);
    }
    const char32_t smallest = extra == 0 ? 0 : (extra == 1 ? 0x80 : 0x800);
    if (point < smallest || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
    units.push_back(static_cast<char16_t>(point));
    i += static_cast<std::size_t>(extra) + 1;
  }
  return units;
}

bool IsPatternUnit(char16_t unit) {
  const char16_t alef = book::kUnicodeAlef;
  return (unit >= alef && unit <= alef + (book::kLetterCodeLast - book::kLetterCodeFirst)) ||
         unit == u' ' || unit == search::kAnyByte || unit == search::kAnyRun;
}

// The SearchPattern that typing `typed` (reading order) key by key leaves:
// each character goes in to the left of the one before, and OK takes the
// box as it stands. Empty after printing why when the text is no pattern.
std::u16string BoxTextOf(std::string_view typed, std::string* problem) {
  std::optional<std::u16string> units = DecodeUtf8(typed);
  if (!units) {
    *problem = "the pattern is not UTF-8 text";
    return {};
  }
  std::u16string box;
  for (char16_t unit : *units) {
    const char16_t typedUnit = search::TypedUnit(unit);
    if (typedUnit == 0) continue;  // marks type nothing
    if (!IsPatternUnit(unit)) {
      *problem = "the pattern holds only Hebrew letters, spaces, '?' and '*'";
      return {};
    }
    box.insert(box.begin(), typedUnit);
  }
  if (box.size() > static_cast<std::size_t>(search::kSearchTextLimit)) {
    *problem =
        "the pattern is longer than " + std::to_string(search::kSearchTextLimit) + " characters";
    return {};
  }
  if (box.empty()) *problem = "the pattern is empty";
  return box;
}

bool ParseOptions(Args args, SearchOptions* options, std::string* problem) {
  bool havePattern = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--count") {
      options->countOnly = true;
    } else if (arg == "--from" || arg == "--limit") {
      if (i + 1 == args.size()) {
        *problem = std::string(arg) + " needs a number";
        return false;
      }
      const bool from = arg == "--from";
      if (!ParseNumber(args[++i], 1, from ? ArticleCount : kMaxLimit,
                       from ? &options->from : &options->limit)) {
        *problem = from ? "--from takes an article number 1 to " + std::to_string(ArticleCount)
                        : std::string("--limit takes a positive number");
        return false;
      }
    } else if (!havePattern && !arg.starts_with("--")) {
      options->pattern = arg;
      havePattern = true;
    } else {
      *problem = "unexpected argument '" + std::string(arg) + "'";
      return false;
    }
  }
  if (!havePattern) *problem = "search takes a pattern";
  return havePattern;
}

// The stored bytes [low, high] of the Paragraph `item` widened by a few
// words each way, in reading order, the hit in brackets.
std::string HitInContext(const book::StreamItem& item, std::size_t low, std::size_t high) {
  const bool displayOrder = (item.style & book::StyleReversed) != 0;
  std::size_t first = low;
  for (int words = 0; first > 0; --first) {
    if (item.text[first - 1] == ' ' && ++words > kContextWords) break;
  }
  std::size_t end = high + 1;
  for (int words = 0; end < item.length; ++end) {
    if (item.text[end] == ' ' && ++words > kContextWords) break;
  }
  auto part = [&](std::size_t from, std::size_t to) {
    return LogicalText(item.text + from, static_cast<std::uint16_t>(to - from), displayOrder);
  };
  // In display order the text read first stands at the high end.
  const std::string lowPart = part(first, low);
  const std::string highPart = part(high + 1, end);
  const std::string hit = part(low, high + 1);
  return displayOrder ? highPart + "[" + hit + "]" + lowPart : lowPart + "[" + hit + "]" + highPart;
}

std::string HeadingsOf(std::span<const std::uint8_t> stream) {
  view::HeadingRef title;
  view::HeadingRef heading;
  view::FindHeadings(stream, &title, &heading);
  struct Found {
    const view::HeadingRef* ref;
    std::uint8_t style;
  };
  std::string text;
  for (const Found& found :
       {Found{&title, book::TitleHeadingStyle}, Found{&heading, book::ArticleHeadingStyle}}) {
    if (found.ref->text == nullptr) continue;
    if (!text.empty()) text += ' ';
    text += LogicalText(found.ref->text, static_cast<std::uint16_t>(found.ref->count),
                        (found.style & book::StyleReversed) != 0);
  }
  return text;
}

void PrintHit(int article, std::span<const std::uint8_t> stream, std::uint16_t offset,
              std::uint16_t length) {
  const std::size_t low = static_cast<std::size_t>(offset) - length + 1;
  std::string context;
  book::WalkStream(stream, [&](const book::StreamItem& item) {
    const std::size_t textAt = item.offset + book::kItemHeaderSize;
    if (offset < textAt || offset >= textAt + item.length) return true;
    context = HitInContext(item, low - textAt, offset - textAt);
    return false;
  });
  std::printf("%d %u %u\t%s\t%s\n", article, offset, length, HeadingsOf(stream).c_str(),
              context.c_str());
}

}  // namespace

int SearchCommand(Args args) {
  SearchOptions options;
  std::string problem;
  if (!ParseOptions(args, &options, &problem)) return UsageError(problem);
  // Letters are typed as the Unicode font shows them.
  appState.fontSettings.letterBase = kLetterBaseUnicode;
  const std::u16string box = BoxTextOf(options.pattern, &problem);
  if (box.empty()) return UsageError(problem);
  search::PatternFromText(box);
  const std::span<const std::uint8_t> pattern = search::StoredPattern();

  long hits = 0;
  int article = static_cast<int>(options.from);
  do {
    platform::HeapBuffer record = book::LoadBookRecord(article, nullptr);
    if (record) {
      const std::span<const std::uint8_t> stream(record.get(), record.size);
      // The first search covers the article whole; each later one starts at
      // the byte read right after the hit before it.
      std::uint16_t start = 0;
      std::uint16_t length = 0;
      while (const std::uint16_t hit = search::FindInArticle(stream, start, pattern, &length)) {
        ++hits;
        if (!options.countOnly) PrintHit(article, stream, hit, length);
        if (options.limit != 0 && hits >= options.limit) break;
        start = static_cast<std::uint16_t>(hit - length);
      }
    }
    article = article % static_cast<int>(ArticleCount) + 1;
  } while (article != options.from && (options.limit == 0 || hits < options.limit));

  // No hit prints nothing, --count included.
  if (hits == 0) return kExitFailed;
  if (options.countOnly) std::printf("%ld\n", hits);
  return kExitOk;
}

}  // namespace velmora::cli
