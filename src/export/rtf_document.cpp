#include "export/rtf_document.h"

#include <cstring>

namespace velmora::exporting {
namespace {

bool IsTrailingSpace(std::uint8_t byte) {
  return byte == '\r' || byte == '\n' || byte == ' ' || byte == '\t';
}

std::uint8_t* Append(std::uint8_t* at, std::string_view text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

}  // namespace

std::size_t KeptRtfLength(std::span<const std::uint8_t> earlier) {
  std::size_t k = earlier.size();
  while (k > 0 && IsTrailingSpace(earlier[k - 1])) --k;
  if (k > 0 && earlier[k - 1] == '}') --k;
  return k;
}

platform::ClipboardBlock BuildRtfBlock(std::span<const std::uint8_t> earlier, const RtfBody& body) {
  const std::size_t kept = KeptRtfLength(earlier);
  const std::size_t lead = kept > 0 ? kept + kRtfSeparator.size() : kRtfHeader.size();
  platform::ClipboardBlock block =
      platform::AllocateClipboardBlock(lead + body.size + kRtfBlockSlack);
  if (!block) return block;
  std::uint8_t* at = block.get();
  if (kept > 0) {
    std::memcpy(at, earlier.data(), kept);
    at = Append(at + kept, kRtfSeparator);
  } else {
    at = Append(at, kRtfHeader);
  }
  at = Append(at, std::string_view(body.bytes.get(), body.size));
  at = Append(at, kRtfClosing);
  *at = 0;
  return block;
}

}  // namespace velmora::exporting
