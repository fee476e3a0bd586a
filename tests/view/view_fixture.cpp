#include "view_fixture.h"

#include <algorithm>

#include "book/book_format.h"
#include "state/app_state.h"

namespace velmora::view {

namespace headless = platform::headless;

platform::HeapBuffer MakeStreamBuffer(std::span<const test::ItemSpec> items) {
  const std::vector<std::uint8_t> bytes = test::MakeParagraphStream(items);
  platform::HeapBuffer buffer;
  buffer.data = platform::HeapAllocateArray<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  buffer.size = static_cast<std::uint32_t>(bytes.size());
  return buffer;
}

std::uint16_t TextOffsetOf(std::span<const test::ItemSpec> items, std::size_t index) {
  std::size_t offset = 0;
  for (std::size_t i = 0; i < index; ++i) {
    offset += book::kItemHeaderSize + items[i].text.size() + 1;
  }
  return static_cast<std::uint16_t>(offset + book::kItemHeaderSize);
}

std::string DrawnText(const headless::DrawCall& call) {
  return std::string(call.text.begin(), call.text.end());
}

void ViewTest::SetUp() {
  appState.fontSettings.letterBase = kLetterBaseStored;
  surface_ = headless::CreateTestSurface(400, 400);
}

void ViewTest::TearDown() {
  DestroyTextView(view_, true);
  headless::DestroyTestSurface(surface_);
}

void ViewTest::MakeView(platform::Rect rect, std::int32_t fontSize) {
  DestroyTextView(view_, true);
  FontSettings fonts;
  fonts.size = fontSize;
  view_ = CreateTextView(surface_, &rect, fonts, 100);
  ASSERT_NE(view_, nullptr);
}

int ViewTest::Layout(const Items& items) {
  return LayoutText(view_, MakeStreamBuffer(items), true);
}

std::vector<ViewLine> ViewTest::Lines() const {
  std::vector<ViewLine> lines;
  for (const ViewLine* line = view_->lines.get(); line->style != 0; ++line) {
    lines.push_back(*line);
  }
  return lines;
}

const std::vector<headless::DrawCall>& ViewTest::Calls() const {
  return headless::DrawCalls(surface_);
}

std::vector<headless::DrawCall> ViewTest::Calls(headless::DrawKind kind) const {
  std::vector<headless::DrawCall> calls;
  for (const headless::DrawCall& call : Calls()) {
    if (call.kind == kind) calls.push_back(call);
  }
  return calls;
}

void ViewTest::ClearCalls() { headless::ClearDrawCalls(surface_); }

void ViewTest::WarmConversionBuffer() {
  const std::string longText(1000, 'a');
  MeasureFit(surface_, reinterpret_cast<const std::uint8_t*>(longText.c_str()), 0,
             static_cast<std::int32_t>(longText.size()));
}

}  // namespace velmora::view
