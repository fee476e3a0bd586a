// velmora-cli: look into the embedded book and the settings without a
// display.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"

namespace velmora::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: velmora-cli COMMAND [ARGS]\n"
    "  help, --help, -h        this text\n"
    "  toc [--bookmarks]       the table of contents, one entry a line; with\n"
    "                          --bookmarks headed by the stored bookmarks\n"
    "  text N                  article N, one paragraph a line\n"
    "  stats                   record sizes, compression ratio, exact-fill check\n"
    "  records --dump DIR      write every record as DIR/<resource id>.rec\n"
    "  settings                the stored settings as the reader loads them\n"
    "  render N --out FILE.png article N as the reader's view draws it, options:\n"
    "      --width W --height H      view size in pixels (240 x 320)\n"
    "      --font FACE --size PX     face (default face) and cell height (0: default)\n"
    "      --letterbase 97|224|1488  code of the first letter (1488: Unicode)\n"
    "      --reverse                 with the Reverse option on\n"
    "      --top ROW                 first row shown\n"
    "      --highlight START:END     the stored bytes [START, END) highlighted\n"
    "      --heading-box             the heading box over the bottom of the view\n"
    "      --scale R                 R device pixels per pixel, 1 to 4 (1)\n"
    "  search PATTERN          every hit of PATTERN (reading order: Hebrew letters,\n"
    "                          spaces, '?' any letter, '*' any run) in the order\n"
    "                          Search Again visits them, a line each:\n"
    "                          ARTICLE OFFSET LENGTH <tab> heading <tab> context;\n"
    "                          exit status 1 when nothing is found. Options:\n"
    "      --from N                  start in article N (1)\n"
    "      --count                   print only the number of hits\n"
    "      --limit K                 stop after K hits\n"
    "  export N                what Copy puts on the clipboard for article N, options:\n"
    "      --format text|rtf         the plain form (UTF-8) or the Rich Text document\n"
    "                                (default: as Copy chooses by the letter base)\n"
    "      --letterbase 97|224|1488  code of the first letter (default: stored)\n"
    "      --reverse                 with the Reverse option on (default: stored)\n"
    "      --append-to FILE          appended to FILE, saved earlier, as Append does\n";

// What asks for the usage text rather than for a command.
constexpr std::string_view kHelpWords[] = {"--help", "-h", "help"};

struct Command {
  std::string_view name;
  int (*run)(Args);
};

constexpr Command kCommands[] = {
    {"toc", TocCommand},         {"text", TextCommand},         {"stats", StatsCommand},
    {"records", RecordsCommand}, {"settings", SettingsCommand}, {"render", RenderCommand},
    {"search", SearchCommand},   {"export", ExportCommand},
};

}  // namespace

int UsageError(std::string_view problem) {
  std::fprintf(stderr, "velmora-cli: %.*s\n%.*s", static_cast<int>(problem.size()), problem.data(),
               static_cast<int>(kUsage.size()), kUsage.data());
  return kExitUsage;
}

int PrintUsage() {
  std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
  return kExitOk;
}

bool ParseNumber(std::string_view text, long low, long high, long* value) {
  long parsed = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, parsed);
  if (error != std::errc() || stop != end || parsed < low || parsed > high) return false;
  *value = parsed;
  return true;
}

}  // namespace velmora::cli

int main(int argc, char** argv) {
  using namespace velmora::cli;
  if (argc < 2) return UsageError("no command given");
  const std::vector<std::string_view> args(argv + 2, argv + argc);
  const std::string_view name = argv[1];
  for (std::string_view help : kHelpWords) {
    if (name == help) return PrintUsage();
  }
  for (const Command& command : kCommands) {
    if (command.name == name) return command.run(args);
  }
  return UsageError("unknown command '" + std::string(name) + "'");
}
