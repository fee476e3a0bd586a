// The system clipboard: one block of data per format, numbered formats, and
// a whole replacement of its contents whenever a block is set after emptying
// it. Open it, work on it and close it within one command; nothing stays
// open across messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/memory.h"

namespace velmora::platform {

using ClipboardFormat = std::uint32_t;

// UTF-16 text, normally NUL-terminated (other programs may leave it off).
inline constexpr ClipboardFormat CF_UNICODETEXT = 13;
// The registered name of Rich Text: 8-bit text, normally NUL-terminated.
inline constexpr std::u16string_view kRichTextFormatName = u"Rich Text Format";

// Registered formats are numbered from here up, in the order their names
// were first registered, apart from the platform's own numbers.
inline constexpr ClipboardFormat kFirstRegisteredFormat = 0xC000;

// The number of the format registered under `name`: the same number for the
// same name (compared without regard to case) on every call in the process;
// 0 for an empty name.
ClipboardFormat RegisterClipboardFormat(std::u16string_view name);

// Takes the clipboard for this program; false when it cannot be had (another
// user holds it, or there is no desktop). Each successful open is ended with
// CloseClipboard.
bool OpenClipboard();

// Removes every block from the open clipboard. False when it is not open.
bool EmptyClipboard();

// The block of `format` on the open clipboard, exactly as many bytes as it
// holds (no terminator is promised). Valid until CloseClipboard. Nothing when
// the clipboard is not open or holds no data of the format.
std::optional<std::span<const std::uint8_t>> GetClipboardData(ClipboardFormat format);

// A block for SetClipboardData, `size` bytes, uninitialised.
struct ClipboardBlock {
  HeapPtr<std::uint8_t[]> data;
  std::size_t size = 0;

  explicit operator bool() const { return data != nullptr; }
  std::uint8_t* get() const { return data.get(); }
};

// A new block of `bytes` bytes; empty when memory is short.
ClipboardBlock AllocateClipboardBlock(std::size_t bytes);

// Sets `block` as the data of `format` on the clipboard this program opened
// and emptied; the clipboard takes the block. False when the clipboard is
// not open or was not emptied (the block is then released).
bool SetClipboardData(ClipboardFormat format, ClipboardBlock block);

// Beside the blocks set since EmptyClipboard, other programs that take only
// text are offered `text` (UTF-16, lines ended by CR LF), until the clipboard
// is emptied again. The program's own GetClipboardData never sees it: the
// clipboard holds, for the program, exactly the blocks it set. Ignored when
// the clipboard is not open and emptied.
void OfferClipboardText(std::u16string_view text);

// The text other programs take from the open clipboard: the text offered
// with OfferClipboardText, else the CF_UNICODETEXT block up to its first NUL;
// whatever text another program put there; empty when there is none.
std::u16string ClipboardTextForOthers();

// Ends the work on the clipboard; what was set becomes its contents, for this
// program and for others. Does nothing when the clipboard is not open.
void CloseClipboard();

}  // namespace velmora::platform
