// The Rich Text document on the clipboard: a header, the bodies of the
// articles copied, a separator line of stars between appended ones, and the
// closing brace.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "export/rtf_body.h"
#include "platform/clipboard.h"

namespace velmora::exporting {

// One font ("David", Hebrew character set, code page 1255), the colours
// black, white and red; right-to-left, right-aligned 10-point paragraphs; no
// substitute character after a \u escape.
inline constexpr std::string_view kRtfHeader =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset177\\cpg1255 David;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red255\\green0\\blue0;}"
    "\\rtldoc\\pard\\rtlpar\\qr\\lang1033\\f0\\fs20\\uc0\r\n";
static_assert(kRtfHeader.size() == 180);

// Five red bold 36-point stars, centred, then back to the body's paragraphs.
// It ends with \uc0 again: a document another program wrote may count a
// substitute character after each \u escape, which would swallow every
// second letter of the body appended behind it.
inline constexpr std::string_view kRtfSeparator =
    "\\qc\\cf2\\fs72\\b*  *  *  *  *\\b0\\par\\par\\qr\\fs20\\cf0\\uc0\r\n";
static_assert(kRtfSeparator.size() == 56);

inline constexpr std::string_view kRtfClosing = "}\r\n";

// Room for the closing, the NUL and two bytes to spare.
inline constexpr std::size_t kRtfBlockSlack = kRtfClosing.size() + 1 + 2;

// How much of an earlier document an appended body goes behind: its bytes
// less trailing CR, LF, space and TAB, then less one closing '}'. 0 when
// nothing else remains: the earlier document is then replaced by a new one.
std::size_t KeptRtfLength(std::span<const std::uint8_t> earlier);

// The clipboard block of the document: a new document (header, body,
// closing) when `earlier` keeps nothing (KeptRtfLength 0), else the kept
// part of `earlier`, the separator, the body and the closing; NUL-terminated.
// Sized from the known lengths before anything is written. Empty when the
// block cannot be had.
platform::ClipboardBlock BuildRtfBlock(std::span<const std::uint8_t> earlier, const RtfBody& body);

}  // namespace velmora::exporting
