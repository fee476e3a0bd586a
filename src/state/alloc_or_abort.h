// The allocation whose failure ends the program.
#pragma once

#include <cstddef>

namespace velmora::settings {

// What ends the program in order when the heap is dry: the shell installs
// its exit (save what can be saved, post the quit). Until then, and after
// SetOutOfMemoryHandler(nullptr), the quit message is posted with nothing
// saved.
using OutOfMemoryHandler = void (*)();
// The exit code of the quit that ends the program in order.
inline constexpr int kOrderlyExitCode = 0;
void SetOutOfMemoryHandler(OutOfMemoryHandler handler);

// Returns an uninitialised heap block, or, when the heap is dry, shows "There
// is not enough memory, aborting", runs the out-of-memory handler and returns
// nullptr. The caller never uses a missing block. A failure while settings
// load marks the load cut short, so that nothing is written back.
void* AllocOrAbort(std::size_t bytes);

}  // namespace velmora::settings
