// An IndexView on a headless test surface, laid out from hand-made index
// entries, and readers for its rows and what it drew.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "book/book_format.h"
#include "index/index_view.h"
#include "platform/headless/headless.h"
#include "platform/memory.h"
#include "platform/messages.h"
#include "tests/support/test_book.h"

namespace velmora::index {

using Entries = std::vector<test::EntrySpec>;

// Font size of the tests: the plain font's rows are 10 pixels high with
// 5-pixel characters, the larger font's 12 with 6-pixel characters.
inline constexpr std::int32_t kFontSize = 10;
inline constexpr std::int32_t kPlainHeight = 10;
inline constexpr std::int32_t kPlainChar = 5;
inline constexpr std::int32_t kLargerHeight = 12;
inline constexpr std::int32_t kLargerChar = 6;

// Entries as the book index stores them: headings visible, articles hidden.
test::EntrySpec Heading(std::uint16_t number, std::string text,
                        std::uint8_t style = book::kSectionHeadingStyle);
test::EntrySpec Article(std::uint16_t number, std::string text,
                        std::uint8_t style = book::kArticleEntryStyle);
// The Bookmarks section's heading and a copied entry.
test::EntrySpec BookmarksHeading();
test::EntrySpec BookmarkCopy(std::uint16_t number, std::string text);

// `bytes` as a heap block a view can adopt, its size the byte count.
platform::HeapBuffer MakeBuffer(std::span<const std::uint8_t> bytes);
platform::HeapBuffer MakeIndexBuffer(std::span<const test::EntrySpec> entries);
// The units a text call drew, as bytes (LetterBase 97 shows stored bytes as
// themselves).
std::string DrawnText(const platform::headless::DrawCall& call);

// A point on the text of the first visible row with id word `id`, as a
// WM_LBUTTONDOWN lParam, on the list as painted from topRow.
platform::LParam TapOnRow(const IndexView& view, std::uint16_t id);

class IndexTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A view at `rect` (replacing any view before), with room for `capacity` rows.
  void MakeView(platform::Rect rect, std::uint16_t capacity = 100);
  // Lays `entries` out in the view.
  int Layout(const Entries& entries);
  // The view's rows, end row excluded.
  std::vector<IndexLine> Rows() const;
  // The stored bytes a row covers.
  std::string RowText(const IndexLine& row) const;
  // The texts of the visible rows, in order.
  std::vector<std::string> VisibleTexts() const;
  // The index of the first row whose id word is `id`.
  std::int32_t RowOf(std::uint16_t id) const;

  const std::vector<platform::headless::DrawCall>& Calls() const;
  std::vector<platform::headless::DrawCall> Calls(platform::headless::DrawKind kind) const;
  void ClearCalls();
  // The three glyph bitmaps, as the settings load them.
  void LoadGlyphs();

  platform::Surface* surface_ = nullptr;
  IndexView* view_ = nullptr;
};

}  // namespace velmora::index
