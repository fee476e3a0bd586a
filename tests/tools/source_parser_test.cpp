// The book source parser: what a well-formed source becomes, and where and
// how it points at the fault in a bad one.
#include "tools/mkbook/source_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/mkbook/source_text.h"

namespace velmora::mkbook {
namespace {

constexpr const char* kFile = "book.txt";

LetterText Text(const std::string& stored) { return LetterText(stored.begin(), stored.end()); }

// The letters alef to tet are stored as 'a' to 'i'.
TEST(ParseBookSource, BuildsSectionsAndArticles) {
  const std::string source =
      "\xEF\xBB\xBF@title any text at all: ~ 123 \xff\r\n"
      "@source https://example.org/ (any) text\n"
      "\n"
      "@section אב\n"
      "@article ג\n"
      "@heading אב  גד\n"
      "@subheading ה\r\n"
      "(א) בג, [ד]: ה-ו'ז\" ח.\n"
      "\n"
      "ט\n"
      "@article ד\n"
      "@heading ה\n"
      "ו\n"
      "@section ז\n"
      "@article ח\n"
      "@heading ט\n"
      "א";  // no line end at the very end
  const Result<BookSource> parsed = ParseBookSource(source, kFile);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  const BookSource& book = parsed.value;
  ASSERT_EQ(book.sections.size(), 2u);
  EXPECT_EQ(ArticleCountOf(book), 3u);
  EXPECT_EQ(book.sections[0].line, 4);
  EXPECT_EQ(book.sections[0].heading, Text("ab"));
  ASSERT_EQ(book.sections[0].articles.size(), 2u);

  const SourceArticle& first = book.sections[0].articles[0];
  EXPECT_EQ(first.line, 5);
  EXPECT_EQ(first.entry, Text("c"));
  EXPECT_EQ(first.heading, Text("ab cd"));  // the run of spaces folded
  ASSERT_TRUE(first.subheading.has_value());
  EXPECT_EQ(*first.subheading, Text("e"));
  ASSERT_EQ(first.paragraphs.size(), 2u);
  EXPECT_EQ(first.paragraphs[0], Text("(a) bc, [d]: e-f'g\" h."));
  EXPECT_EQ(first.paragraphs[1], Text("i"));

  const SourceArticle& second = book.sections[0].articles[1];
  EXPECT_FALSE(second.subheading.has_value());
  EXPECT_EQ(second.paragraphs, std::vector<LetterText>{Text("f")});
  EXPECT_EQ(book.sections[1].articles[0].paragraphs, std::vector<LetterText>{Text("a")});
}

TEST(ParseBookSource, EmptySourceIsAnEmptyBook) {
  const Result<BookSource> parsed = ParseBookSource("\n\n@title t\n", kFile);
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  EXPECT_TRUE(parsed.value.sections.empty());
}

TEST(ConvertSourceText, RefusesAnEmptyText) {
  EXPECT_EQ(ConvertSourceText("", {kFile, 3, 5}).error, "book.txt:3:5: empty text");
}

struct BadSource {
  const char* name;
  std::string source;
  std::string message;  // expected in full after "book.txt:"
};

// Lines 1 to 3 of a source that is fine so far.
const std::string kHead = "@section א\n@article ב\n@heading ג\n";

void PrintTo(const BadSource& row, std::ostream* out) { *out << row.name; }

class BadSources : public testing::TestWithParam<BadSource> {};

TEST_P(BadSources, AreRefusedAtTheFault) {
  const Result<BookSource> parsed = ParseBookSource(GetParam().source, kFile);
  ASSERT_FALSE(parsed.ok());
  EXPECT_EQ(parsed.error, std::string(kFile) + ":" + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Structure, BadSources,
    testing::Values(
        BadSource{"ArticleBeforeSection", "@article א\n",
                  "1:1: @article before the first @section"},
        BadSource{"LinesCountedAcrossCrLfAndEmptyLines", "\r\n\n@title t\r\n\r\n@article א\r\n",
                  "5:1: @article before the first @section"},
        BadSource{"ParagraphOutsideArticle", "@section א\nב\n",
                  "2:1: paragraph outside an article"},
        BadSource{"ParagraphBeforeHeading", "@section א\n@article ב\nג\n",
                  "3:1: paragraph before the article's @heading"},
        BadSource{"HeadingMissingAtEnd", "@section א\n@article ב\n",
                  "2:1: article has no @heading"},
        BadSource{"HeadingMissingBeforeNextArticle", "@section א\n@article ב\n@article ג\n",
                  "2:1: article has no @heading"},
        BadSource{"HeadingTwice", kHead + "@heading ד\n",
                  "4:1: @heading must come right after @article"},
        BadSource{"HeadingOutsideArticle", "@section א\n@heading ב\n",
                  "2:1: @heading must come right after @article"},
        BadSource{"SubheadingAfterParagraph", kHead + "ד\n@subheading ה\n",
                  "5:1: @subheading must come right after @heading"},
        BadSource{"SubheadingTwice", kHead + "@subheading ד\n@subheading ה\n",
                  "5:1: @subheading must come right after @heading"},
        BadSource{"ArticleWithoutParagraphs", kHead + "@article ד\n@heading ה\nו\n",
                  "2:1: article has no paragraphs"},
        BadSource{"LastArticleWithoutParagraphs", kHead + "@subheading ד\n",
                  "2:1: article has no paragraphs"},
        BadSource{"SectionWithoutArticles", "@section א\n" + kHead + "ד\n",
                  "1:1: section has no articles"},
        BadSource{"LastSectionWithoutArticles", kHead + "ד\n@section ה\n",
                  "5:1: section has no articles"},
        BadSource{"UnknownDirective", kHead + "@chapter ד\n", "4:1: unknown directive '@chapter'"},
        BadSource{"DirectiveNameRunOn", "@sectionא\n", "1:1: unknown directive '@sectionא'"},
        BadSource{"DirectiveWithoutText", "@section\n", "1:9: @section needs a text"},
        BadSource{"DirectiveWithEmptyText", kHead + "ד\n@article \n", "5:9: @article needs a text"},
        BadSource{"TitleAfterSection", kHead + "ד\n@title t\n",
                  "5:1: @title must come before the first @section"},
        BadSource{"SourceAfterSection", kHead + "ד\n@source s\n",
                  "5:1: @source must come before the first @section"},
        BadSource{"TitleTwice", "@title a\n@title b\n", "2:1: @title given twice"}),
    [](const testing::TestParamInfo<BadSource>& row) { return row.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Text, BadSources,
    testing::Values(
        // Columns count characters: the Hebrew letters take two bytes each.
        BadSource{"LatinLetter", kHead + "אב C\n",
                  "4:4: character U+0043 'C' is not allowed in book text"},
        BadSource{"Digit", kHead + "א1\n", "4:2: character U+0031 '1' is not allowed in book text"},
        BadSource{"Tilde", kHead + "~\n", "4:1: character U+007E '~' is not allowed in book text"},
        BadSource{"VowelPoint", kHead + "בְ\n",
                  "4:2: character U+05B0 'ְ' is not allowed in book text"},
        BadSource{"Tab", kHead + "א\tב\n", "4:2: character U+0009 is not allowed in book text"},
        BadSource{"StrayCarriageReturn", kHead + "א\rב\n",
                  "4:2: character U+000D is not allowed in book text"},
        BadSource{"RightToLeftMark", kHead + "א\u200F\n",
                  "4:2: character U+200F is not allowed in book text"},
        BadSource{"InDirectiveText", "@section אB\n",
                  "1:11: character U+0042 'B' is not allowed in book text"},
        BadSource{"InvalidUtf8", kHead + "א\xff\n", "4:2: invalid UTF-8 byte 0xFF"},
        BadSource{"TruncatedUtf8", kHead + "\xd7\n", "4:1: invalid UTF-8 byte 0xD7"},
        BadSource{"OverlongUtf8", kHead + "\xc0\xa0\n", "4:1: invalid UTF-8 byte 0xC0"},
        BadSource{"EncodedSurrogate", kHead + "\xed\xa0\x80\n", "4:1: invalid UTF-8 byte 0xED"},
        BadSource{"LeadingSpace", kHead + " א\n", "4:1: text begins with a space"},
        BadSource{"OnlySpaces", kHead + "   \n", "4:1: text begins with a space"},
        BadSource{"TrailingSpacesFolded", kHead + "א ב   \n", "4:4: text ends with a space"},
        BadSource{"DirectiveTextLeadingSpace", "@section  א\n", "1:10: text begins with a space"}),
    [](const testing::TestParamInfo<BadSource>& row) { return row.param.name; });

}  // namespace
}  // namespace velmora::mkbook
