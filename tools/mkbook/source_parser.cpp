#include "tools/mkbook/source_parser.h"

#include <string>
#include <utility>

#include "tools/mkbook/source_text.h"

namespace velmora::mkbook {
namespace {

// Editors may put one at the very start of a UTF-8 file; it is not text.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kDirectiveMark = '@';
constexpr char kCarriageReturn = '\r';

constexpr std::string_view kTitle = "@title";
constexpr std::string_view kSource = "@source";
constexpr std::string_view kSection = "@section";
constexpr std::string_view kArticle = "@article";
constexpr std::string_view kHeading = "@heading";
constexpr std::string_view kSubheading = "@subheading";

// How far the article in progress has got.
enum class Stage {
  kNoArticle,        // before the first article of a section
  kAfterArticle,     // @article seen, @heading due
  kAfterHeading,     // @subheading or a paragraph may follow
  kAfterSubheading,  // a paragraph is due
  kInBody,           // paragraphs
};

struct ParserState {
  std::string_view file;
  BookSource book;
  Stage stage = Stage::kNoArticle;
  bool titleSeen = false;
};

Status Fail(const ParserState& state, int line, int column, std::string_view message) {
  return {SourceMessage({state.file, line, column}, message)};
}

SourceArticle& CurrentArticle(ParserState& state) {
  return state.book.sections.back().articles.back();
}

// The article in progress must be whole before another begins or the source
// ends; a fault is reported at its @article line.
Status FinishArticle(ParserState& state) {
  if (state.stage == Stage::kNoArticle) return {};
  const SourceArticle& article = CurrentArticle(state);
  if (state.stage == Stage::kAfterArticle) {
    return Fail(state, article.line, 1, "article has no @heading");
  }
  if (article.paragraphs.empty()) {
    return Fail(state, article.line, 1, "article has no paragraphs");
  }
  state.stage = Stage::kNoArticle;
  return {};
}

// A section must hold at least one article; reported at its @section line.
Status FinishSection(const ParserState& state) {
  if (!state.book.sections.empty() && state.book.sections.back().articles.empty()) {
    return Fail(state, state.book.sections.back().line, 1, "section has no articles");
  }
  return {};
}

Status ParseMetadata(ParserState& state, std::string_view name, int line) {
  if (!state.book.sections.empty()) {
    return Fail(state, line, 1, std::string(name) + " must come before the first @section");
  }
  if (name == kTitle) {
    if (state.titleSeen) return Fail(state, line, 1, "@title given twice");
    state.titleSeen = true;
  }
  return {};
}

Status ParseSection(ParserState& state, LetterText text, int line) {
  if (Status done = FinishArticle(state); !done.ok()) return done;
  if (Status done = FinishSection(state); !done.ok()) return done;
  state.book.sections.push_back({line, std::move(text), {}});
  return {};
}

Status ParseArticle(ParserState& state, LetterText text, int line) {
  if (state.book.sections.empty()) {
    return Fail(state, line, 1, "@article before the first @section");
  }
  if (Status done = FinishArticle(state); !done.ok()) return done;
  SourceArticle article;
  article.line = line;
  article.entry = std::move(text);
  state.book.sections.back().articles.push_back(std::move(article));
  state.stage = Stage::kAfterArticle;
  return {};
}

Status ParseHeading(ParserState& state, LetterText text, int line) {
  if (state.stage != Stage::kAfterArticle) {
    return Fail(state, line, 1, "@heading must come right after @article");
  }
  CurrentArticle(state).heading = std::move(text);
  state.stage = Stage::kAfterHeading;
  return {};
}

Status ParseSubheading(ParserState& state, LetterText text, int line) {
  if (state.stage != Stage::kAfterHeading) {
    return Fail(state, line, 1, "@subheading must come right after @heading");
  }
  CurrentArticle(state).subheading = std::move(text);
  state.stage = Stage::kAfterSubheading;
  return {};
}

Status ParseParagraph(ParserState& state, std::string_view line, int lineNumber) {
  if (state.stage == Stage::kNoArticle) {
    return Fail(state, lineNumber, 1, "paragraph outside an article");
  }
  if (state.stage == Stage::kAfterArticle) {
    return Fail(state, lineNumber, 1, "paragraph before the article's @heading");
  }
  Result<LetterText> text = ConvertSourceText(line, {state.file, lineNumber, 1});
  if (!text.ok()) return {std::move(text.error)};
  CurrentArticle(state).paragraphs.push_back(std::move(text.value));
  state.stage = Stage::kInBody;
  return {};
}

Status ParseDirective(ParserState& state, std::string_view line, int lineNumber) {
  const std::string_view name = line.substr(0, line.find(' '));
  if (name == kTitle || name == kSource) {
    return ParseMetadata(state, name, lineNumber);
  }
  using Handler = Status (*)(ParserState&, LetterText, int);
  Handler handler = nullptr;
  if (name == kSection) handler = ParseSection;
  if (name == kArticle) handler = ParseArticle;
  if (name == kHeading) handler = ParseHeading;
  if (name == kSubheading) handler = ParseSubheading;
  if (handler == nullptr) {
    return Fail(state, lineNumber, 1, "unknown directive '" + std::string(name) + "'");
  }
  // Directive names are ASCII: the text starts one column after the space.
  const int textColumn = static_cast<int>(name.size()) + 2;
  if (name.size() + 1 >= line.size()) {
    return Fail(state, lineNumber, textColumn - 1, std::string(name) + " needs a text");
  }
  Result<LetterText> text =
      ConvertSourceText(line.substr(name.size() + 1), {state.file, lineNumber, textColumn});
  if (!text.ok()) return {std::move(text.error)};
  return handler(state, std::move(text.value), lineNumber);
}

}  // namespace

Result<BookSource> ParseBookSource(std::string_view text, std::string_view fileName) {
  ParserState state;
  state.file = fileName;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (line.ends_with(kCarriageReturn)) line.remove_suffix(1);
    if (line.empty()) continue;
    const Status status = line.front() == kDirectiveMark ? ParseDirective(state, line, lineNumber)
                                                         : ParseParagraph(state, line, lineNumber);
    if (!status.ok()) return Failure<BookSource>(status.error);
  }
  if (Status done = FinishArticle(state); !done.ok()) {
    return Failure<BookSource>(done.error);
  }
  if (Status done = FinishSection(state); !done.ok()) {
    return Failure<BookSource>(done.error);
  }
  return {std::move(state.book), {}};
}

}  // namespace velmora::mkbook
