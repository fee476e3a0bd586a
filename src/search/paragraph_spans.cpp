#include <new>

#include "book/paragraph_stream.h"
#include "search/search_engine.h"
#include "state/alloc_or_abort.h"

namespace velmora::search {

ParagraphSpan* BuildParagraphSpans(std::span<const std::uint8_t> stream, bool* outOfMemory) {
  *outOfMemory = false;
  ParagraphSpan* first = nullptr;
  ParagraphSpan** link = &first;
  bool complete = true;
  book::WalkStream(stream, [&](const book::StreamItem& item) {
    void* block = settings::AllocOrAbort(sizeof(ParagraphSpan));
    if (block == nullptr) {
      complete = false;
      return false;
    }
    *link =
        new (block) ParagraphSpan{nullptr, stream.data() + item.offset, item.text + item.length};
    link = &(*link)->next;
    return true;
  });
  if (!complete) {
    FreeParagraphSpans(first);
    *outOfMemory = true;
    return nullptr;
  }
  return first;
}

void FreeParagraphSpans(ParagraphSpan* spans) {
  while (spans != nullptr) {
    ParagraphSpan* next = spans->next;
    platform::HeapRelease(spans);
    spans = next;
  }
}

}  // namespace velmora::search
