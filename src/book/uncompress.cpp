#include <span>

#include "book/book_format.h"
#include "book/palmdoc.h"
#include "book/record.h"
#include "platform/message_box.h"
#include "resources/messages.h"

namespace velmora::book {
namespace {

// The output block holds the decompressed bytes and two zero bytes: the
// first ends the content as a string, the second keeps every walk that steps
// over a final NUL inside the block.
constexpr std::uint32_t kOutputSlack = 2;

}  // namespace

platform::HeapBuffer UnCompress(BlockDescriptor* descriptor, int* reasonOut) {
  if (descriptor == nullptr || descriptor->source == nullptr || descriptor->decompressedSize == 0 ||
      descriptor->decompressedSize > kMaxDecompressedSize) {
    if (reasonOut != nullptr) *reasonOut = BadArguments;
    return {};
  }
  const std::uint32_t size = descriptor->decompressedSize;
  platform::HeapBuffer output;
  output.data = platform::HeapAllocateArray<std::uint8_t>(size + kOutputSlack);
  if (!output) {
    if (reasonOut != nullptr) *reasonOut = RecordUnreadable;
    return {};
  }
  descriptor->reserved = 0;

  const DecodeResult decoded =
      DecodePalmDoc(std::span<const std::uint8_t>(descriptor->source, descriptor->compressedSize),
                    std::span<std::uint8_t>(output.get(), size));
  if (!decoded.filled) {
    output.data.reset();
    platform::ShowMessageBox(nullptr, resources::kMsgUnCompressBufferError, {}, platform::kMbOk);
    if (reasonOut != nullptr) *reasonOut = BufferError;
    return {};
  }
  output.get()[size] = 0;
  output.get()[size + 1] = 0;
  output.size = size;
  return output;
}

}  // namespace velmora::book
