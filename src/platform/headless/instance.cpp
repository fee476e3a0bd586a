// The single-instance service, simulated: a running copy exists only when a
// test says so, and every call is recorded.
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/instance.h"

namespace velmora::platform {

struct RunningCopy {
  RunningCopyFront front = RunningCopyFront::kOtherProgram;
};

namespace {

RunningCopy running_copy;
bool simulated = false;
std::vector<headless::InstanceCall> calls;

void Record(headless::InstanceCallKind kind) { calls.push_back({kind, {}, {}, 0, nullptr}); }

}  // namespace

RunningCopy* FindRunningCopy(std::u16string_view className, std::u16string_view title) {
  calls.push_back({headless::InstanceCallKind::kFind, std::u16string(className),
                   std::u16string(title), 0, nullptr});
  return simulated ? &running_copy : nullptr;
}

void ForgetRunningCopy(RunningCopy* copy) {
  if (copy != nullptr) Record(headless::InstanceCallKind::kForget);
}

RunningCopyFront RunningCopyForeground(RunningCopy* copy) {
  return copy != nullptr ? copy->front : RunningCopyFront::kOtherProgram;
}

void SendCommandToRunningCopy(RunningCopy* copy, std::uint16_t command) {
  if (copy == nullptr) return;
  calls.push_back({headless::InstanceCallKind::kSendCommand, {}, {}, command, nullptr});
}

void BringRunningCopyToFront(RunningCopy* copy) {
  if (copy != nullptr) Record(headless::InstanceCallKind::kBringToFront);
}

void ListenAsRunningCopy(WindowHandle mainWindow, std::u16string_view className,
                         std::u16string_view title) {
  calls.push_back({headless::InstanceCallKind::kListen, std::u16string(className),
                   std::u16string(title), 0, mainWindow});
}

namespace headless {

void SimulateRunningCopy(RunningCopyFront front) {
  simulated = true;
  running_copy.front = front;
}

const std::vector<InstanceCall>& InstanceCalls() { return calls; }

void ResetInstance() {
  simulated = false;
  running_copy = {};
  calls.clear();
}

}  // namespace headless
}  // namespace velmora::platform
