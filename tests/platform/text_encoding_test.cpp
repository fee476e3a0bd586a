// UTF-8 read back into UTF-16: well-formed text round-trips, every byte that
// starts no well-formed sequence is one U+FFFD.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_encoding.h"

namespace velmora::platform {
namespace {

TEST(TextEncoding, Utf8ToUtf16) {
  const std::vector<std::pair<std::string, std::u16string>> cases{
      {"", u""},
      {"ab\r\n", u"ab\r\n"},
      {"\xD7\x90\xD7\x91", u"\u05D0\u05D1"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},          // overlong
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
