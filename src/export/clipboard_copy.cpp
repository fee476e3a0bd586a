#include "export/clipboard_copy.h"

#include <cstring>
#include <string>

#include "export/rtf_body.h"
#include "export/rtf_document.h"
#include "state/alloc_or_abort.h"
#include "state/app_state.h"

namespace velmora::exporting {
namespace {

std::size_t UnitCount(const char16_t* text) {
  std::size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

// The meaningful length of clipboard data: whole UTF-16 units before the
// first NUL unit (an odd last byte is dropped), or bytes before the first
// zero byte.
std::size_t DataLength(platform::ClipboardFormat format, std::span<const std::uint8_t> data) {
  if (format == platform::CF_UNICODETEXT) {
    std::size_t units = 0;
    for (; 2 * units + 1 < data.size(); ++units) {
      if (data[2 * units] == 0 && data[2 * units + 1] == 0) break;
    }
    return 2 * units;
  }
  if (data.empty()) return 0;
  const void* zero = std::memchr(data.data(), 0, data.size());
  return zero == nullptr
             ? data.size()
             : static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - data.data());
}

}  // namespace

ClipboardCopy ReadClipboardData(platform::ClipboardFormat format) {
  ClipboardCopy copy;
  if (!platform::OpenClipboard()) return copy;
  if (const auto data = platform::GetClipboardData(format)) {
    if (const std::size_t size = DataLength(format, *data); size > 0) {
      copy.data.reset(static_cast<std::uint8_t*>(settings::AllocOrAbort(size)));
      if (copy.data) {
        std::memcpy(copy.data.get(), data->data(), size);
        copy.size = size;
      } else {
        copy.outOfMemory = true;
      }
    }
  }
  platform::CloseClipboard();
  return copy;
}

void CopyTextToClipboard(const char16_t* text, int append) {
  if (appState.fontSettings.letterBase > kMaxPlainTextLetterBase) {
    CopyRtfToClipboard(text, append);
  } else {
    CopyUnicodeTextToClipboard(text, append);
  }
}

void CopyUnicodeTextToClipboard(const char16_t* text, int append) {
  ClipboardCopy earlier;
  if (append != 0) earlier = ReadClipboardData(platform::CF_UNICODETEXT);
  if (earlier.outOfMemory) return;

  const std::size_t units = UnitCount(text) + 1;
  platform::ClipboardBlock block =
      platform::AllocateClipboardBlock(earlier.size + units * sizeof(char16_t));
  if (block) {
    if (earlier.size > 0) std::memcpy(block.get(), earlier.data.get(), earlier.size);
    std::memcpy(block.get() + earlier.size, text, units * sizeof(char16_t));
  }
  earlier = {};

  if (!platform::OpenClipboard()) return;
  platform::EmptyClipboard();
  if (block) platform::SetClipboardData(platform::CF_UNICODETEXT, std::move(block));
  platform::CloseClipboard();
}

void CopyRtfToClipboard(const char16_t* text, int append) {
  const platform::ClipboardFormat richText =
      platform::RegisterClipboardFormat(platform::kRichTextFormatName);
  ClipboardCopy earlier;
  if (append != 0) earlier = ReadClipboardData(richText);
  if (earlier.outOfMemory) return;

  if (!platform::OpenClipboard()) return;
  // Other programs get the plain text of the same articles; what they took
  // as text so far comes first when the new body joins an earlier document.
  std::u16string offered;
  if (KeptRtfLength(earlier.bytes()) > 0) offered = platform::ClipboardTextForOthers();
  offered += text;
  platform::EmptyClipboard();

  const RtfBody body = MakeRtfBody(text);
  if (body) {
    platform::ClipboardBlock block = BuildRtfBlock(earlier.bytes(), body);
    if (block && platform::SetClipboardData(richText, std::move(block))) {
      platform::OfferClipboardText(offered);
    }
  }
  platform::CloseClipboard();
}

}  // namespace velmora::exporting
