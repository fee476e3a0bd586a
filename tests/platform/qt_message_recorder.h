// Windows and dialogs of the Qt backend whose procedures record every
// message, for tests that check what the toolkit's events became.
#pragma once

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/dialog.h"
#include "platform/window.h"

namespace velmora::platform::qt_test {

struct Received {
  WindowHandle window;
  std::uint32_t message;
  WParam wParam;
  LParam lParam;
};

inline std::vector<Received>& Messages() {
  static std::vector<Received> messages;
  return messages;
}

// What the next recorded procedure call does besides recording; its answer
// replaces the default handling's.
inline std::function<std::optional<LResult>(const Received&)>& Reaction() {
  static std::function<std::optional<LResult>(const Received&)> reaction;
  return reaction;
}

inline LResult RecordingWindowProc(WindowHandle window, std::uint32_t message, WParam wParam,
                                   LParam lParam) {
  const Received received{window, message, wParam, lParam};
  Messages().push_back(received);
  if (Reaction()) {
    if (const auto answer = Reaction()(received)) return *answer;
  }
  return DefWindowProc(window, message, wParam, lParam);
}

inline std::intptr_t RecordingDialogProc(WindowHandle dialog, std::uint32_t message, WParam wParam,
                                         LParam lParam) {
  const Received received{dialog, message, wParam, lParam};
  Messages().push_back(received);
  if (Reaction()) {
    if (const auto answer = Reaction()(received)) return *answer;
  }
  return 0;
}

inline constexpr std::u16string_view kRecordingClass = u"RecordingWindow";

// A recording window of `style` with a client area of about `width` x
// `height` (the scroll bar, when asked for, comes out of that width).
inline WindowHandle MakeRecordingWindow(std::uint32_t style, std::int32_t width,
                                        std::int32_t height) {
  RegisterWindowClass({kRecordingClass, RecordingWindowProc, 0, 0});
  WindowCreation creation;
  creation.className = kRecordingClass;
  creation.title = u"Recording";
  creation.style = style;
  creation.x = 10;
  creation.y = 10;
  creation.width = width;
  creation.height = height;
  return CreateTopLevelWindow(creation);
}

// The messages of kind `message`, in order.
inline std::vector<Received> MessagesOf(std::uint32_t message) {
  std::vector<Received> found;
  std::copy_if(Messages().begin(), Messages().end(), std::back_inserter(found),
               [message](const Received& received) { return received.message == message; });
  return found;
}

// The message numbers received, in order.
inline std::vector<std::uint32_t> MessageNumbers() {
  std::vector<std::uint32_t> numbers;
  for (const Received& received : Messages()) numbers.push_back(received.message);
  return numbers;
}

// Runs what was posted, widgets deleted later included.
inline void ProcessPending() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void ResetRecording() {
  Messages().clear();
  Reaction() = nullptr;
}

}  // namespace velmora::platform::qt_test
