#include "index_fixture.h"

#include <algorithm>

#include "resources/ids.h"
#include "state/app_state.h"

namespace velmora::index {

namespace headless = platform::headless;

test::EntrySpec Heading(std::uint16_t number, std::string text, std::uint8_t style) {
  return {static_cast<std::uint16_t>(book::kIdHeading | number), style, book::kSectionIndent,
          std::move(text)};
}

test::EntrySpec Article(std::uint16_t number, std::string text, std::uint8_t style) {
  return {static_cast<std::uint16_t>(book::kIdArticle | number), style, book::kArticleIndent,
          std::move(text)};
}

test::EntrySpec BookmarksHeading() { return {0x8877, 0xC1, book::kSectionIndent, "jiyu"}; }

test::EntrySpec BookmarkCopy(std::uint16_t number, std::string text) {
  return Article(number, std::move(text), 0x81);
}

platform::HeapBuffer MakeBuffer(std::span<const std::uint8_t> bytes) {
  platform::HeapBuffer buffer;
  buffer.data = platform::HeapAllocateArray<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  buffer.size = static_cast<std::uint32_t>(bytes.size());
  return buffer;
}

platform::HeapBuffer MakeIndexBuffer(std::span<const test::EntrySpec> entries) {
  return MakeBuffer(test::MakeIndexRecord(entries));
}

std::string DrawnText(const headless::DrawCall& call) {
  return std::string(call.text.begin(), call.text.end());
}

platform::LParam TapOnRow(const IndexView& view, std::uint16_t id) {
  std::int32_t y = view.top;
  std::int32_t passed = 0;
  for (std::int32_t index = 0; view.lines[index].flags != 0; ++index) {
    const IndexLine& row = view.lines[index];
    if ((row.flags & kRowVisible) == 0 || passed++ < view.topRow) continue;
    if (row.id == id) {
      return platform::MakeLParam(static_cast<std::uint16_t>(row.x + 1),
                                  static_cast<std::uint16_t>(y + 1));
    }
    y += row.rowHeight;
  }
  ADD_FAILURE() << "no visible row with id " << id;
  return 0;
}

void IndexTest::SetUp() {
  appState.fontSettings.letterBase = kLetterBaseStored;
  surface_ = headless::CreateTestSurface(400, 400);
}

void IndexTest::TearDown() {
  DestroyIndexView(view_, true);
  headless::DestroyTestSurface(surface_);
  for (platform::Bitmap*& glyph : appState.glyphs) {
    if (glyph != nullptr) platform::DeleteBitmap(glyph);
    glyph = nullptr;
  }
}

void IndexTest::MakeView(platform::Rect rect, std::uint16_t capacity) {
  DestroyIndexView(view_, true);
  FontSettings settings;
  settings.size = kFontSize;
  view_ = CreateIndexView(surface_, rect, settings, capacity);
  ASSERT_NE(view_, nullptr);
}

int IndexTest::Layout(const Entries& entries) {
  return LayoutIndex(view_, MakeIndexBuffer(entries), true);
}

std::vector<IndexLine> IndexTest::Rows() const {
  return {view_->lines.get(), view_->lines.get() + view_->lineCount};
}

std::string IndexTest::RowText(const IndexLine& row) const {
  const auto* text = reinterpret_cast<const char*>(view_->data.get() + row.textOffset);
  return {text, row.length};
}

std::vector<std::string> IndexTest::VisibleTexts() const {
  std::vector<std::string> texts;
  for (const IndexLine& row : Rows()) {
    if ((row.flags & kRowVisible) != 0) texts.push_back(RowText(row));
  }
  return texts;
}

std::int32_t IndexTest::RowOf(std::uint16_t id) const {
  for (std::int32_t index = 0; index < view_->lineCount; ++index) {
    if (view_->lines[index].id == id) return index;
  }
  ADD_FAILURE() << "no row with id " << id;
  return 0;
}

const std::vector<headless::DrawCall>& IndexTest::Calls() const {
  return headless::DrawCalls(surface_);
}

std::vector<headless::DrawCall> IndexTest::Calls(headless::DrawKind kind) const {
  std::vector<headless::DrawCall> found;
  for (const headless::DrawCall& call : Calls()) {
    if (call.kind == kind) found.push_back(call);
  }
  return found;
}

void IndexTest::ClearCalls() { headless::ClearDrawCalls(surface_); }

void IndexTest::LoadGlyphs() {
  appState.glyphs[0] = platform::LoadBitmap(resources::kBitmapGlyphCollapsed);
  appState.glyphs[1] = platform::LoadBitmap(resources::kBitmapGlyphExpanded);
  appState.glyphs[2] = platform::LoadBitmap(resources::kBitmapGlyphArticle);
}

}  // namespace velmora::index
