// The headless window table: the messages a top-level window receives as it
// is made, painted, moved, closed and destroyed.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

struct Seen {
  std::uint32_t message;
  WParam wParam;
  LParam lParam;
  bool operator==(const Seen&) const = default;
};

std::vector<Seen> seen;
LResult create_answer = 0;

std::vector<std::uint32_t> Messages() {
  std::vector<std::uint32_t> messages;
  for (const Seen& s : seen) messages.push_back(s.message);
  return messages;
}

LResult RecordingProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
  seen.push_back({message, wParam, lParam});
  if (message == WM_CREATE) return create_answer;
  return DefWindowProc(window, message, wParam, lParam);
}

class HeadlessWindows : public ::testing::Test {
 protected:
  HeadlessWindows() {
    seen.clear();
    create_answer = 0;
    RegisterWindowClass({u"Test", RecordingProc, CS_HREDRAW | CS_VREDRAW, 101});
  }

  WindowHandle Create(std::uint32_t style = WS_VISIBLE) {
    WindowCreation creation;
    creation.className = u"Test";
    creation.title = u"Title";
    creation.style = style;
    return CreateTopLevelWindow(creation);
  }
};

TEST_F(HeadlessWindows, CreationSizesPaintsAndDestroysInOrder) {
  headless::SetDefaultClientSize(200, 300);
  headless::SetDefaultWindowOrigin(0, 26);
  WindowHandle window = Create(WS_VISIBLE | WS_VSCROLL);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(seen, (std::vector<Seen>{{WM_CREATE, 0, 0}, {WM_SIZE, 0, MakeLParam(200, 300)}}));
  const Rect client = GetClientRect(window);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 300);
  const Rect place = GetWindowRect(window);
  EXPECT_EQ(place.top, 26);
  EXPECT_EQ(place.right, 200 + GetSystemMetric(SM_CXVSCROLL));
  EXPECT_EQ(headless::DescribeWindow(window)->style, WS_VISIBLE | WS_VSCROLL);
  EXPECT_TRUE(IsWindowVisible(window));

  seen.clear();
  UpdateWindow(window);  // a new window waits for painting, erase first
  UpdateWindow(window);  // painted: nothing more
  EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{WM_ERASEBKGND, WM_PAINT}));

  seen.clear();
  DestroyWindow(window);
  DestroyWindow(window);
  EXPECT_EQ(SendMessage(window, WM_PAINT, 0, 0), 0);
  EXPECT_EQ(Messages(), std::vector<std::uint32_t>{WM_DESTROY});
  EXPECT_FALSE(headless::IsLiveWindow(window));
  EXPECT_EQ(GetWindowSurface(window), nullptr);
  EXPECT_TRUE(headless::TopLevelWindows().empty());
}

TEST_F(HeadlessWindows, CreationFails) {
  EXPECT_FALSE(RegisterWindowClass({u"Test", RecordingProc, 0, 0}));  // registered already

  WindowCreation unknown;
  unknown.className = u"Unknown";
  EXPECT_EQ(CreateTopLevelWindow(unknown), nullptr);

  headless::FailWindowCreation(true);
  EXPECT_EQ(Create(), nullptr);
  EXPECT_TRUE(seen.empty());
  headless::FailWindowCreation(false);

  create_answer = -1;
  EXPECT_EQ(Create(), nullptr);
  EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{WM_CREATE, WM_DESTROY}));
  EXPECT_TRUE(headless::TopLevelWindows().empty());
}

TEST_F(HeadlessWindows, CloseByDefaultDestroys) {
  WindowHandle window = Create();
  seen.clear();
  SendMessage(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(Messages(), (std::vector<std::uint32_t>{WM_CLOSE, WM_DESTROY}));
  EXPECT_FALSE(headless::IsLiveWindow(window));
}

TEST_F(HeadlessWindows, MoveSendsSizeOnlyWhenTheClientSizeChanges) {
  WindowHandle window = Create();
  Surface* surface = GetWindowSurface(window);
  UpdateWindow(window);
  seen.clear();

  MoveWindow(window, 10, 0, 240, 320, false);  // moved, same size
  EXPECT_TRUE(seen.empty());
  MoveWindow(window, 0, 0, 240, 294, false);
  EXPECT_EQ(seen, (std::vector<Seen>{{WM_SIZE, 0, MakeLParam(240, 294)}}));
  EXPECT_EQ(GetWindowSurface(window), surface);
  EXPECT_EQ(GetClientRect(window).bottom, 294);
  EXPECT_TRUE(headless::NeedsPaint(window));  // the class redraws on resizing
  EXPECT_EQ(headless::HeldSurfaces(window), 2);
}

TEST_F(HeadlessWindows, InvalidationsAreRecordedAndPaintedOnce) {
  WindowHandle window = Create();
  UpdateWindow(window);
  const Rect part{0, 10, 20, 30};
  InvalidateRect(window, &part, false);
  ASSERT_EQ(headless::Invalidations(window).size(), 2u);
  EXPECT_EQ(headless::Invalidations(window)[1].rect.bottom, 30);
  EXPECT_FALSE(headless::Invalidations(window)[1].erase);

  seen.clear();
  EXPECT_TRUE(headless::DeliverPaint(window));
  EXPECT_FALSE(headless::DeliverPaint(window));
  EXPECT_EQ(Messages(), std::vector<std::uint32_t>{WM_PAINT});
}

TEST_F(HeadlessWindows, TestWindowsAnswerGeometryAndSurviveReset) {
  WindowHandle window = headless::CreateTestWindow({0, 0, 100, 50});
  SetVerticalScrollBar(window, {0, 9, 3, 2}, true);
  SetFocus(window);
  EXPECT_EQ(headless::FocusedWindow(), window);
  EXPECT_EQ(GetClientRect(window).right, 100);
  EXPECT_EQ(SendMessage(window, WM_PAINT, 0, 0), 0);  // no procedure

  headless::ResetAll();
  EXPECT_TRUE(headless::IsLiveWindow(window));
  EXPECT_FALSE(headless::ScrollBarOf(window).has_value());
  EXPECT_EQ(headless::FocusedWindow(), nullptr);
  headless::DestroyTestWindow(window);
  EXPECT_FALSE(headless::DescribeWindow(window).has_value());
}

}  // namespace
}  // namespace velmora::platform
