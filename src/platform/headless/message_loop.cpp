#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/message_loop.h"

namespace velmora::platform {
namespace {

std::optional<int> posted_quit;

}  // namespace

void PostQuitMessage(int exitCode) { posted_quit = exitCode; }

namespace headless {

std::optional<int> PostedQuit() { return posted_quit; }
void ResetMessageLoop() { posted_quit.reset(); }

}  // namespace headless
}  // namespace velmora::platform
