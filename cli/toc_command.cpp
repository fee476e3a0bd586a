#include <cstdio>
#include <string_view>

#include "book/book_format.h"
#include "book/index_record.h"
#include "book/record.h"
#include "commands.h"
#include "index/bookmarks.h"
#include "logical_text.h"

namespace velmora::cli {
namespace {

constexpr std::string_view kBookmarksOption = "--bookmarks";

}  // namespace

// Sections flush left, their articles indented under them with the number
// that `text N` takes. With --bookmarks the Bookmarks section comes first, as
// the Choose Article dialog builds it from the stored list (read as start-up
// reads it; nothing is written).
int TocCommand(Args args) {
  const bool withBookmarks = args.size() == 1 && args[0] == kBookmarksOption;
  if (!args.empty() && !withBookmarks) return UsageError("toc takes only --bookmarks");
  platform::HeapBuffer index = book::LoadBookRecord(book::IndexRecordNumber, nullptr);
  if (!index) {
    std::fprintf(stderr, "velmora-cli: the book index cannot be loaded\n");
    return kExitFailed;
  }
  if (withBookmarks) {
    index::LoadBookmarks();
    index = index::PrependBookmarks(std::move(index));
    index::FreeBookmarks();
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
