// The single-instance service, simulated: a running copy exists only when a
// test says so, and every call is recorded.
#include "platform/instance.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace velmora::platform {

struct RunningCopy {
  RunningCopyFront front = RunningCopyFront::kOtherProgram;
};

namespace {

RunningCopy running_copy;
bool simulated = false;
bool listen_fails = false;
std::optional<RunningCopyFront> started_meanwhile;
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

bool ListenAsRunningCopy(std::u16string_view className, std::u16string_view title) {
  calls.push_back({headless::InstanceCallKind::kListen, std::u16string(className),
                   std::u16string(title), 0, nullptr});
  if (!listen_fails) return true;
  if (started_meanwhile) headless::SimulateRunningCopy(*started_meanwhile);
  return false;
}

void SetRunningCopyWindow(WindowHandle mainWindow) {
  calls.push_back({headless::InstanceCallKind::kSetWindow, {}, {}, 0, mainWindow});
}

namespace headless {

void SimulateRunningCopy(RunningCopyFront front) {
  simulated = true;
  running_copy.front = front;
}

void FailListen(std::optional<RunningCopyFront> startedMeanwhile) {
  listen_fails = true;
  started_meanwhile = startedMeanwhile;
}

const std::vector<InstanceCall>& InstanceCalls() { return calls; }

void ResetInstance() {
  simulated = false;
  listen_fails = false;
  started_meanwhile.reset();
  running_copy = {};
  calls.clear();
}

}  // namespace headless
}  // namespace velmora::platform
