#include <cstdio>

#include "book/book_format.h"
#include "book/paragraph_stream.h"
#include "book/record.h"
#include "commands.h"
#include "logical_text.h"
#include "resources/article_count.h"

namespace velmora::cli {

// One line per item of the article's stream, headings first.
int TextCommand(Args args) {
  long article = 0;
  if (args.size() != 1) return UsageError("text takes one article number");
  if (!ParseNumber(args[0], 1, ArticleCount, &article)) {
    return UsageError("the article number must be 1 to " + std::to_string(ArticleCount));
  }
  int reason = 0;
  platform::HeapBuffer stream = book::LoadBookRecord(static_cast<int>(article), &reason);
  if (!stream) {
    std::fprintf(stderr, "velmora-cli: article %ld cannot be loaded (reason %d)\n", article,
                 reason);
    return kExitFailed;
  }
  book::WalkStream(std::span(stream.get(), stream.size), [](const book::StreamItem& item) {
    const bool displayOrder = (item.style & book::StyleReversed) != 0;
    std::printf("%s\n", LogicalText(item.text, item.length, displayOrder).c_str());
    return true;
  });
  return kExitOk;
}

}  // namespace velmora::cli
