// The message loop over a queue that tests fill: messages are sent in order
// until the quit message, and a loop that runs dry says so.
#include <deque>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/headless/window_objects.h"
#include "platform/message_loop.h"
#include "platform/shell.h"

namespace velmora::platform {
namespace {

constexpr int kStarvedCode = -1;
constexpr std::uint8_t kNoModifiers = 0;

struct QueuedMessage {
  WindowHandle window;
  std::uint32_t message;
  WParam wParam;
  LParam lParam;
};

std::optional<int> posted_quit;
std::deque<QueuedMessage> queue;
bool starved = false;

}  // namespace

void PostQuitMessage(int exitCode) { posted_quit = exitCode; }

int RunMessageLoop() {
  while (!posted_quit) {
    if (queue.empty()) {
      starved = true;
      return kStarvedCode;
    }
    const QueuedMessage next = queue.front();
    queue.pop_front();
    if (next.message == WM_KEYDOWN &&
        headless::TranslateAccelerator(next.window, kNoModifiers,
                                       static_cast<std::uint32_t>(next.wParam))) {
      continue;
    }
    headless::Deliver(next.window, next.message, next.wParam, next.lParam);
  }
  return *posted_quit;
}

namespace headless {

std::optional<int> PostedQuit() { return posted_quit; }

void QueueMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  queue.push_back({window, message, wParam, lParam});
}

std::size_t QueuedMessages() { return queue.size(); }

bool MessageLoopStarved() { return starved; }

void ResetMessageLoop() {
  posted_quit.reset();
  queue.clear();
  starved = false;
}

}  // namespace headless
}  // namespace velmora::platform
