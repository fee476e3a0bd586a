// Fuzzes what the clipboard writer takes from outside: clipboard data left
// by other programs (Rich Text or UTF-16 text, any size, any bytes, no
// terminator) under Append, and arbitrary text under RenderRtfBody. The
// block left on the clipboard must be whole: the earlier part as read, the
// new text or document behind it, terminated inside the block.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "export/clipboard_copy.h"
#include "export/export_article.h"
#include "export/rtf_body.h"
#include "export/rtf_document.h"
#include "platform/clipboard.h"
#include "platform/headless/headless.h"
#include "platform/memory.h"
#include "state/app_state.h"

namespace {

namespace headless = velmora::platform::headless;
namespace exporting = velmora::exporting;
using velmora::platform::CF_UNICODETEXT;

void Check(bool condition) {
  if (!condition) std::abort();
}

// UTF-16 units from bytes, NUL-terminated (a NUL inside ends the text early).
std::u16string TextOf(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  }
  return text;
}

// The body into a block of exactly the bound: the sanitizer sees any byte
// written past it.
void FuzzBody(const std::u16string& text) {
  const std::size_t bound = exporting::RenderRtfBody(text.c_str(), nullptr);
  velmora::platform::HeapPtr<char[]> out(
      static_cast<char*>(velmora::platform::HeapAllocate(bound)));
  const std::size_t written = exporting::RenderRtfBody(text.c_str(), out.get());
  Check(written + 1 <= bound && out[written] == 0 && std::strlen(out.get()) == written);
}

void FuzzRtfAppend(const std::uint8_t* earlier, std::size_t size, const std::u16string& text) {
  const auto richText =
      velmora::platform::RegisterClipboardFormat(velmora::platform::kRichTextFormatName);
  headless::ReplaceClipboardContents(
      {{richText, std::vector<std::uint8_t>(earlier, earlier + size)}});
  exporting::CopyRtfToClipboard(text.c_str(), exporting::kAppendToClipboard);
  const auto block = headless::ClipboardContent(richText);
  Check(block.has_value());
  const auto* nul = static_cast<const std::uint8_t*>(std::memchr(block->data(), 0, block->size()));
  Check(nul != nullptr);
  const std::string document(block->data(), nul);
  Check(document.ends_with(exporting::kRtfClosing));
  const std::size_t kept = exporting::KeptRtfLength(
      {earlier, static_cast<std::size_t>(std::find(earlier, earlier + size, 0) - earlier)});
  Check(kept == 0 ? document.starts_with(exporting::kRtfHeader)
                  : std::memcmp(document.data(), earlier, kept) == 0);
}

void FuzzTextAppend(const std::uint8_t* earlier, std::size_t size, const std::u16string& text) {
  headless::ReplaceClipboardContents(
      {{CF_UNICODETEXT, std::vector<std::uint8_t>(earlier, earlier + size)}});
  exporting::CopyUnicodeTextToClipboard(text.c_str(), exporting::kAppendToClipboard);
  const auto block = headless::ClipboardContent(CF_UNICODETEXT);
  Check(block.has_value() && block->size() % 2 == 0 && block->size() >= 2);
  const std::u16string held = TextOf(block->data(), block->size());
  Check(held.back() == 0);
  const std::u16string before = TextOf(earlier, size);
  const std::u16string wanted =
      before.substr(0, before.find(u'\0')) + text.substr(0, text.find(u'\0'));
  Check(held.substr(0, held.size() - 1) == wanted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The headless clipboard records every call: start each input afresh.
  headless::ResetAll();
  const std::uint8_t mode = data[0];
  ++data;
  --size;
  // The first half is the clipboard's, the rest the new text.
  const std::size_t split = size / 2;
  const std::u16string text = TextOf(data + split, size - split);
  switch (mode % 3) {
    case 0:
      FuzzBody(TextOf(data, size));
      break;
    case 1:
      FuzzRtfAppend(data, split, text);
      break;
    default:
      FuzzTextAppend(data, split, text);
      break;
  }
  return 0;
}
