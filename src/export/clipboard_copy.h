// The clipboard writer: a plain text put on the clipboard, or added to what
// it holds, as UTF-16 text or as Rich Text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/clipboard.h"
#include "platform/memory.h"

namespace velmora::exporting {

// LetterBases up to this one go on the clipboard as UTF-16 text, greater
// ones (Unicode letters) as Rich Text.
inline constexpr int kMaxPlainTextLetterBase = 256;

// A copy of clipboard data, without terminator.
struct ClipboardCopy {
  platform::HeapPtr<std::uint8_t[]> data;
  std::size_t size = 0;
  // The heap ran dry for the copy (AllocOrAbort has reported): the caller
  // stops.
  bool outOfMemory = false;

  std::span<const std::uint8_t> bytes() const { return {data.get(), size}; }
};

// A copy of the clipboard's data of `format`: for CF_UNICODETEXT its whole
// units up to the first NUL unit, for any other format its bytes up to the
// first zero byte; never more than the clipboard holds. No copy (size 0)
// when the clipboard cannot be opened, holds no such data or the data is
// empty.
ClipboardCopy ReadClipboardData(platform::ClipboardFormat format);

// Puts the NUL-terminated `text` on the clipboard (append 0), or behind the
// text or document it holds (append 1): as Rich Text when LetterBase is
// above kMaxPlainTextLetterBase, else as UTF-16 text.
void CopyTextToClipboard(const char16_t* text, int append);

// The UTF-16 form: the clipboard then holds CF_UNICODETEXT only, the earlier
// text (append) followed at once by `text` and a NUL.
void CopyUnicodeTextToClipboard(const char16_t* text, int append);

// The Rich Text form: the clipboard then holds "Rich Text Format" only (for
// this program); other programs are offered the plain text too, the earlier
// one first when appending to a document.
void CopyRtfToClipboard(const char16_t* text, int append);

}  // namespace velmora::exporting
