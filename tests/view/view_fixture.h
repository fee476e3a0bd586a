// A view on a headless test surface, laid out from hand-made streams, and
// readers for what it drew.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/memory.h"
#include "tests/support/test_book.h"
#include "view/text_view.h"

namespace velmora::view {

using Items = std::vector<test::ItemSpec>;

// The stream of `items` as a heap block the view can adopt.
platform::HeapBuffer MakeStreamBuffer(std::span<const test::ItemSpec> items);
// The stream offset of the text of item `index`.
std::uint16_t TextOffsetOf(std::span<const test::ItemSpec> items, std::size_t index);
// The units a text call drew, as bytes (LetterBase 97 shows stored bytes as
// themselves).
std::string DrawnText(const platform::headless::DrawCall& call);

// Expected placement of one line; offsets relative to the text of the item.
struct LineSpec {
  std::uint16_t offset;
  std::uint16_t length;
  std::uint16_t x;
  std::uint16_t width;
};

class ViewTest : public ::testing::Test {
 protected:
  static constexpr std::int32_t kFontSize = 16;  // 8-pixel characters
  static constexpr std::int32_t kCharWidth = kFontSize / 2;

  void SetUp() override;
  void TearDown() override;

  // A view at `rect` with font size `fontSize` (replacing any view before).
  void MakeView(platform::Rect rect, std::int32_t fontSize = kFontSize);
  // Lays `items` out in the view, releasing the text before.
  int Layout(const Items& items);
  // The view's lines, terminator excluded.
  std::vector<ViewLine> Lines() const;
  const std::vector<platform::headless::DrawCall>& Calls() const;
  std::vector<platform::headless::DrawCall> Calls(platform::headless::DrawKind kind) const;
  void ClearCalls();
  // Grows the shared ConversionBuffer beyond any run of the test, so that a
  // layout's only allocations are the view's own.
  void WarmConversionBuffer();

  platform::Surface* surface_ = nullptr;
  TextView* view_ = nullptr;
};

}  // namespace velmora::view
