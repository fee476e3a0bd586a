#include <cstdio>

#include "book/book_format.h"
#include "book/index_record.h"
#include "book/record.h"
#include "commands.h"
#include "logical_text.h"

namespace velmora::cli {

// Sections flush left, their articles indented under them with the number
// that `text N` takes.
int TocCommand(Args args) {
  if (!args.empty()) return UsageError("toc takes no arguments");
  platform::HeapBuffer index = book::LoadBookRecord(book::IndexRecordNumber, nullptr);
  if (!index) {
    std::fprintf(stderr, "velmora-cli: the book index cannot be loaded\n");
    return kExitFailed;
  }
  book::WalkIndex(std::span(index.get(), index.size), [](const book::IndexEntry& entry) {
    const std::string text = LogicalText(entry.text, entry.length, true);
    if (entry.id & book::kIdArticle) {
      std::printf("  %u %s\n", entry.id & book::kIdNumber, text.c_str());
    } else {
      std::printf("%s\n", text.c_str());
    }
    return true;
  });
  return kExitOk;
}

}  // namespace velmora::cli
