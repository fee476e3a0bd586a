#include "platform/text_encoding.h"

#include <cstdint>

namespace velmora::platform {
namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr int kSurrogateBits = 10;
constexpr char32_t kSurrogateMask = 0x3FF;

}  // namespace

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t* pos) {
  const std::size_t at = *pos;
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t c = 0;
  char32_t smallest = 0;
  if (lead < 0x80) {
    ++*pos;
    return lead;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
    smallest = kFirstSupplementary;
  } else {
    return std::nullopt;
  }
  if (text.size() - at < length) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < smallest || c > kMaxCodePoint || (c >= kFirstSurrogate && c <= kLastSurrogate)) {
    return std::nullopt;
  }
  *pos = at + length;
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < kFirstSupplementary) {
    out += static_cast<char16_t>(c);
    return;
  }
  out += static_cast<char16_t>(kFirstSurrogate + ((c - kFirstSupplementary) >> kSurrogateBits));
  out += static_cast<char16_t>(kFirstLowSurrogate + ((c - kFirstSupplementary) & kSurrogateMask));
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  constexpr char32_t kReplacement = 0xFFFD;
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (const std::optional<char32_t> c = DecodeUtf8(text, &i)) {
      AppendUtf16(out, *c);
    } else {
      out += static_cast<char16_t>(kReplacement);
      ++i;
    }
  }
  return out;
}

}  // namespace velmora::platform
