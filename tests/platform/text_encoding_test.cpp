// The one UTF-8 decoder that the settings file, the book compiler and the
// command-line tool share, the UTF-16 encoding beside it, and UTF-8 read
// back into UTF-16 (every byte that starts no well-formed sequence is one
// U+FFFD).
#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::platform {
namespace {

struct Utf8Case {
  const char* name;
  std::string_view bytes;
  std::optional<char32_t> expected;  // nothing: refused, position unchanged
  std::size_t length = 0;            // bytes consumed when decoded
};

class DecodeUtf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(DecodeUtf8Test, DecodesOneCharacterOrRefusesIt) {
  const Utf8Case& c = GetParam();
  // Text after the character must stay unread.
  const std::string text = std::string(c.bytes) + "z";
  std::size_t pos = 0;
  EXPECT_EQ(DecodeUtf8(text, &pos), c.expected);
  EXPECT_EQ(pos, c.expected ? c.length : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeUtf8Test,
    testing::Values(Utf8Case{"Nul", std::string_view("\0", 1), U'\0', 1},
                    Utf8Case{"Ascii", "A", U'A', 1}, Utf8Case{"LastOneByte", "\x7F", U'\x7F', 1},
                    Utf8Case{"FirstTwoByte", "\xC2\x80", U'\x80', 2},
                    Utf8Case{"Alef", "\xD7\x90", U'\u05D0', 2},
                    Utf8Case{"LastTwoByte", "\xDF\xBF", U'\u07FF', 2},
                    Utf8Case{"FirstThreeByte", "\xE0\xA0\x80", U'\u0800', 3},
                    Utf8Case{"BeforeSurrogates", "\xED\x9F\xBF", U'\uD7FF', 3},
                    Utf8Case{"AfterSurrogates", "\xEE\x80\x80", U'\uE000', 3},
                    Utf8Case{"ByteOrderMark", "\xEF\xBB\xBF", U'\uFEFF', 3},
                    Utf8Case{"FirstFourByte", "\xF0\x90\x80\x80", U'\U00010000', 4},
                    Utf8Case{"LastCodePoint", "\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4},
                    Utf8Case{"LoneContinuation", "\x80", std::nullopt},
                    Utf8Case{"OverlongNul", "\xC0\x80", std::nullopt},
                    Utf8Case{"OverlongTwoByte", "\xC1\xBF", std::nullopt},
                    Utf8Case{"OverlongThreeByte", "\xE0\x9F\xBF", std::nullopt},
                    Utf8Case{"OverlongFourByte", "\xF0\x8F\xBF\xBF", std::nullopt},
                    Utf8Case{"HighSurrogate", "\xED\xA0\x80", std::nullopt},
                    Utf8Case{"LowSurrogate", "\xED\xBF\xBF", std::nullopt},
                    Utf8Case{"AboveLastCodePoint", "\xF4\x90\x80\x80", std::nullopt},
                    Utf8Case{"FiveByteLead", "\xF8\x88\x80\x80\x80", std::nullopt},
                    Utf8Case{"ByteFF", "\xFF", std::nullopt},
                    Utf8Case{"ContinuationNotContinuing", "\xE0\xA0\x41", std::nullopt}),
    [](const testing::TestParamInfo<Utf8Case>& row) { return std::string(row.param.name); });

TEST(DecodeUtf8, RefusesASequenceCutShortByTheEndOfTheText) {
  for (std::string_view text : {"\xD7", "\xE0\xA0", "\xF0\x90\x80"}) {
    std::size_t pos = 0;
    EXPECT_EQ(DecodeUtf8(text, &pos), std::nullopt);
    EXPECT_EQ(pos, 0u);
  }
  // Decoding from the middle reads from that position on.
  std::size_t pos = 1;
  EXPECT_EQ(DecodeUtf8("a\xD7\x90", &pos), U'\u05D0');
  EXPECT_EQ(pos, 3u);
}

TEST(AppendUtf16, WritesOneUnitOrASurrogatePair) {
  std::u16string out;
  for (char32_t c : {U'A', U'\u05D0', U'\uFFFF', U'\U00010000', U'\U0010FFFF'}) {
    AppendUtf16(out, c);
  }
  EXPECT_EQ(out, std::u16string(u"A\u05D0\uFFFF\U00010000\U0010FFFF"));
  EXPECT_EQ(Utf16ToUtf8(out), std::string("A\xD7\x90\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"));
}

TEST(TextEncoding, Utf8ToUtf16) {
  const std::vector<std::pair<std::string, std::u16string>> cases{
      {"", u""},
      {"ab\r\n", u"ab\r\n"},
      {"\xD7\x90\xD7\x91", u"\u05D0\u05D1"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // a surrogate
      {"\xD7", u"\uFFFD"},                      // cut short
      {"a\x80z", u"a\uFFFDz"},
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}};  // above U+10FFFF
  for (const auto& [utf8, utf16] : cases) {
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8;
    if (utf16.find(u'\uFFFD') == std::u16string::npos) {
      EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
    }
  }
}

}  // namespace
}  // namespace velmora::platform
