// mkbook: compiles the book into the records the program embeds.
//   mkbook --source FILE --out DIR    from a book source file
//   mkbook --records DIR --out DIR    from ready-made <resource id>.rec files
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "tools/mkbook/book_compiler.h"
#include "tools/mkbook/book_content.h"
#include "tools/mkbook/book_outputs.h"
#include "tools/mkbook/file_io.h"
#include "tools/mkbook/records_folder.h"
#include "tools/mkbook/source_parser.h"

namespace {

using namespace velmora::mkbook;

constexpr char kUsage[] =
    "usage: mkbook --source FILE --out DIR\n"
    "       mkbook --records DIR --out DIR\n";
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Options {
  std::optional<std::string> source;
  std::optional<std::string> records;
  std::optional<std::string> out;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view flag = argv[i];
    std::optional<std::string>* slot = nullptr;
    if (flag == "--source") slot = &options.source;
    if (flag == "--records") slot = &options.records;
    if (flag == "--out") slot = &options.out;
    if (slot == nullptr || slot->has_value()) return std::nullopt;
    *slot = argv[i + 1];
  }
  if (argc % 2 == 0 || !options.out || options.source.has_value() == options.records.has_value()) {
    return std::nullopt;
  }
  return options;
}

std::uint64_t TotalBytes(const CompiledBook& book) {
  std::uint64_t total = 0;
  for (const CompiledRecord& record : book.records) total += record.bytes.size();
  return total;
}

std::uint64_t TotalDecompressed(const CompiledBook& book) {
  std::uint64_t total = 0;
  for (const CompiledRecord& record : book.records) total += record.decompressedSize;
  return total;
}

Result<CompiledBook> CompileSourceFile(const std::string& file) {
  const Result<std::vector<std::uint8_t>> bytes = ReadFileBytes(file);
  if (!bytes.ok()) return Failure<CompiledBook>(bytes.error);
  const std::string_view text(reinterpret_cast<const char*>(bytes.value.data()),
                              bytes.value.size());
  const Result<BookSource> source = ParseBookSource(text, file);
  if (!source.ok()) return Failure<CompiledBook>(source.error);
  const Result<BookContent> content = BuildBookContent(source.value, file);
  if (!content.ok()) return Failure<CompiledBook>(content.error);
  std::printf("mkbook: %s: %zu sections, %zu index entries, index %zu bytes\n", file.c_str(),
              source.value.sections.size(), IndexEntryCount(source.value),
              content.value.index.size());
  return CompileBook(content.value);
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  const Result<CompiledBook> book =
      options->source ? CompileSourceFile(*options->source) : ReadRecordsFolder(*options->records);
  if (!book.ok()) {
    std::fprintf(stderr, "%s\n", book.error.c_str());
    return kExitFailure;
  }
  if (Status written = WriteBookOutputs(book.value, *options->out); !written.ok()) {
    std::fprintf(stderr, "%s\n", written.error.c_str());
    return kExitFailure;
  }
  const std::uint64_t stored = TotalBytes(book.value);
  const std::uint64_t decompressed = TotalDecompressed(book.value);
  std::printf("mkbook: %u articles; records %llu bytes for %llu bytes of content (%.1f %%)\n",
              static_cast<unsigned>(book.value.articleCount),
              static_cast<unsigned long long>(stored),
              static_cast<unsigned long long>(decompressed),
              100.0 * static_cast<double>(stored) / static_cast<double>(decompressed));
  return 0;
}
