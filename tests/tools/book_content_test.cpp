// What goes into the records: letters as LetterCode bytes, text in display
// order, and the exact bytes of article streams and index entries.
#include "tools/mkbook/book_content.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tools/mkbook/letter_code.h"

namespace velmora::mkbook {
namespace {

using Bytes = std::vector<std::uint8_t>;

LetterText Text(const std::string& stored) { return LetterText(stored.begin(), stored.end()); }

TEST(LetterCodeFor, MapsTheBookCharactersOnly) {
  const struct {
    char32_t c;
    std::optional<std::uint8_t> code;
  } cases[] = {
      {U'\u05D0', 'a'},  // alef
      {U'\u05DA', 'k'},  // final kaf
      {U'\u05EA', '{'},  // tav
      {U'\u05CF', std::nullopt},
      {U'\u05EB', std::nullopt},
      {U'\u05B0', std::nullopt},  // a vowel point
      {U' ', ' '},
      {U'"', '"'},
      {U'\'', '\''},
      {U'(', '('},
      {U')', ')'},
      {U',', ','},
      {U'-', '-'},
      {U'.', '.'},
      {U':', ':'},
      {U'[', '['},
      {U']', ']'},
      {U'a', std::nullopt},
      {U'{', std::nullopt},
      {U'~', std::nullopt},
      {U'0', std::nullopt},
      {U'\t', std::nullopt},
      {U'\0', std::nullopt},
      {U'!', std::nullopt},
      {U'\u00E0', std::nullopt},
      {U'\u00A0', 0xA0},  // the no-break space after a verse label
      {U'\u2007', std::nullopt},
      {U'\u202F', std::nullopt},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(static_cast<unsigned>(row.c));
    EXPECT_EQ(LetterCodeFor(row.c), row.code);
  }
}

TEST(ToDisplayOrder, ReversesAndMirrorsBrackets) {
  const struct {
    const char* logical;
    const char* display;
  } cases[] = {
      {"", ""},
      {"a", "a"},
      {"abc de", "ed cba"},
      {"(a) b", "b (a)"},
      {"[ab] (c) d", "d (c) [ba]"},
      {"a(b", "b)a"},  // unbalanced brackets turn too
      {"e-f'g\" h.", ".h \"g'f-e"},
      {"{a}", "}a{"},  // '{' is the letter tav here, never mirrored
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.logical);
    EXPECT_EQ(ToDisplayOrder(Text(row.logical)), Text(row.display));
  }
}

SourceArticle Article(std::optional<LetterText> subheading) {
  SourceArticle article;
  article.entry = Text("ab");
  article.heading = Text("cd (e)");
  article.subheading = std::move(subheading);
  article.paragraphs = {Text("(a) bc"), Text("d")};
  return article;
}

TEST(BuildArticleStream, WritesHeadingsParagraphsAndEnd) {
  const Bytes expected = {
      0xD1, 0, '(', 'e', ')', ' ', 'd', 'c', 0,  // heading
      0xD2, 0, 'f', 'e', 0,                      // subheading
      0xB1, 0, 'c', 'b', ' ', '(', 'a', ')', 0,  // paragraphs
      0xB1, 0, 'd', 0,   0,   0,   0};           // end of stream, and two more zero bytes
  EXPECT_EQ(BuildArticleStream(Article(Text("ef"))), expected);
}

TEST(BuildArticleStream, LeavesOutAMissingSubheading) {
  const Bytes expected = {0xD1, 0,   '(', 'e', ')', ' ',  'd', 'c', 0, 0xB1, 0, 'c', 'b',
                          ' ',  '(', 'a', ')', 0,   0xB1, 0,   'd', 0, 0,    0, 0};
  EXPECT_EQ(BuildArticleStream(Article(std::nullopt)), expected);
}

TEST(BuildIndexRecord, WritesHeadingAndArticleEntries) {
  BookSource book;
  SourceArticle one;
  one.entry = Text("ab c");
  SourceArticle two;
  two.entry = Text("d");
  SourceArticle three;
  three.entry = Text("(e)");
  book.sections.push_back({1, Text("xy"), {one, two}});
  book.sections.push_back({9, Text("z"), {three}});

  // Heading numbers 16382 - position: 0x3FFE at entry 0, 0x3FFB at entry 3.
  const Bytes expected = {0xFE, 0xBF, 0x8C, 1, 'y', 'x', 0,            // section heading, entry 0
                          0x01, 0x40, 0x01, 2, 'c', ' ', 'b', 'a', 0,  // article 1
                          0x02, 0x40, 0x01, 2, 'd', 0,                 // article 2
                          0xFB, 0xBF, 0x8C, 1, 'z', 0,                 // section heading, entry 3
                          0x03, 0x40, 0x01, 2, '(', 'e', ')', 0,       // article 3
                          0,    0,    0,    0, 0};                     // end mark
  EXPECT_EQ(IndexEntryCount(book), 5u);
  EXPECT_EQ(BuildIndexRecord(book), expected);
}

}  // namespace
}  // namespace velmora::mkbook
