#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "commands.h"
#include "resources/book_data.h"

namespace velmora::cli {

// Writes every record exactly as embedded, so that a build can take them
// back as a folder of ready-made records.
int RecordsCommand(Args args) {
  if (args.size() != 2 || args[0] != "--dump") {
    return UsageError("records takes --dump DIR");
  }
  const std::filesystem::path dir(args[1]);
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) {
    std::fprintf(stderr, "velmora-cli: cannot create %s: %s\n", dir.c_str(),
                 error.message().c_str());
    return kExitFailed;
  }
  int written = 0;
  for (const platform::ResourceEntry& record : resources::BookResources()) {
    const std::filesystem::path file = dir / (std::to_string(record.id) + ".rec");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(record.data), record.size);
    out.close();
    if (!out) {
      std::fprintf(stderr, "velmora-cli: cannot write %s\n", file.c_str());
      return kExitFailed;
    }
    ++written;
  }
  std::printf("%d records written to %s\n", written, dir.c_str());
  return kExitOk;
}

}  // namespace velmora::cli
