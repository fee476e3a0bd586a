#include <deque>

#include "platform/common/control_rules.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/message_box.h"

namespace velmora::platform {
namespace {

std::vector<headless::MessageBoxCall> calls;
std::deque<int> answers;

}  // namespace

int ShowMessageBox(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                   std::uint32_t style) {
  calls.push_back({owner, std::u16string(text),
                   std::u16string(caption.empty() ? kDefaultCaption : caption), style});
  if (answers.empty()) return rules::FirstButton(style);
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

namespace headless {

const std::vector<MessageBoxCall>& MessageBoxCalls() { return calls; }

void ScriptMessageBoxAnswers(std::vector<int> scripted) {
  answers.assign(scripted.begin(), scripted.end());
}

void ResetMessageBoxes() {
  calls.clear();
  answers.clear();
}

}  // namespace headless
}  // namespace velmora::platform
