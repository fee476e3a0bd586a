// Writes a few records of the embedded book into a folder, as the seed
// corpus of fuzz_book_record: the first, a middle and the last article, and
// the index. Usage: fuzz_book_record_seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "book/book_format.h"
#include "book/record.h"
#include "platform/resources.h"
#include "resources/article_count.h"

namespace {

bool WriteRecord(const std::filesystem::path& folder, std::uint16_t resourceId) {
  auto bytes =
      velmora::platform::FindResource(velmora::platform::ResourceType::kRawData, resourceId);
  if (!bytes) return false;
  std::ofstream out(folder / (std::to_string(resourceId) + ".rec"), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes->data()),
            static_cast<std::streamsize>(bytes->size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const int articles[] = {1, velmora::ArticleCount / 2, velmora::ArticleCount};
  bool ok = WriteRecord(folder, velmora::book::kIndexResourceId);
  for (int article : articles) {
    ok = WriteRecord(folder, velmora::book::RecordResourceId(article)) && ok;
  }
  if (!ok) std::fprintf(stderr, "some records were not found\n");
  return ok ? 0 : 1;
}
