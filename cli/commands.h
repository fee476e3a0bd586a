// The commands of velmora-cli. Each takes the arguments after its name and
// returns the process exit status: 0 done, 1 failed, 2 bad arguments (after
// printing why).
#pragma once

#include <span>
#include <string_view>

namespace velmora::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

using Args = std::span<const std::string_view>;

int TocCommand(Args args);
int TextCommand(Args args);
int StatsCommand(Args args);
int RecordsCommand(Args args);
int SettingsCommand(Args args);
int RenderCommand(Args args);
int SearchCommand(Args args);
int ExportCommand(Args args);

// Prints `problem` and the usage text to standard error; returns kExitUsage.
int UsageError(std::string_view problem);

// Prints the usage text to standard output, as asked for; returns kExitOk.
int PrintUsage();

// Parses a whole decimal number in [low, high]; false for anything else.
bool ParseNumber(std::string_view text, long low, long high, long* value);

}  // namespace velmora::cli
