// Conversions between the program's UTF-16 text and the UTF-8 of files and
// terminals.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// Decodes the UTF-8 character at `text[*pos]` (*pos < text.size()) and
// advances *pos past it. Nothing, and *pos unchanged, for an invalid,
// overlong or truncated sequence, a surrogate or a value above U+10FFFF.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t* pos);

// Appends code point `c` as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

// Appends code point `c` as UTF-16: one unit, or a surrogate pair above
// U+FFFF.
void AppendUtf16(std::u16string& out, char32_t c);

// `text` as UTF-8; a surrogate pair becomes one code point, a lone surrogate
// is written as it stands.
std::string Utf16ToUtf8(std::u16string_view text);

// `text` (UTF-8) as UTF-16; a byte that starts no well-formed sequence
// becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace velmora::platform
