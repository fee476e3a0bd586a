#include "index/bookmarks.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>
#include <span>

#include "book/index_record.h"
#include "index/index_view.h"
#include "platform/message_box.h"
#include "resources/messages.h"
#include "state/alloc_or_abort.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "state/settings_store.h"

namespace velmora::index {
namespace {

// The stored form is the list's memory image: 16-bit values, little-endian.
static_assert(std::endian::native == std::endian::little,
              "the stored bookmark list is the in-memory list");

constexpr std::uint32_t kValueBytes = sizeof(std::uint16_t);
// bookmarkCount is 16-bit.
constexpr std::uint32_t kMaxBookmarkCount = 0xFFFF;

std::span<const std::uint8_t> RecordBytes(const platform::HeapBuffer& buffer) {
  return buffer ? std::span<const std::uint8_t>(buffer.get(), buffer.size)
                : std::span<const std::uint8_t>();
}

std::span<std::uint16_t> ListValues() {
  if (!appState.bookmarkList) return {};
  return {appState.bookmarkList.get(), appState.bookmarkCount};
}

std::uint8_t* WriteEntryHeader(std::uint8_t* out, std::uint16_t id, std::uint8_t style,
                               std::uint8_t indent) {
  *out++ = static_cast<std::uint8_t>(id & 0xFF);
  *out++ = static_cast<std::uint8_t>(id >> 8);
  *out++ = style;
  *out++ = indent;
  return out;
}

std::uint8_t* WriteBytes(std::uint8_t* out, const void* bytes, std::uint32_t length) {
  std::memcpy(out, bytes, length);
  return out + length;
}

// A bookmarked article's index entry and the heading of the section above
// it, whose name the bookmark row shows first.
struct BookmarkedEntry {
  book::IndexEntry article;
  std::optional<book::IndexEntry> section;
};

// The first entry of `article`, with the nearest heading before it.
std::optional<BookmarkedEntry> FindBookmarkedEntry(std::span<const std::uint8_t> record,
                                                   std::uint16_t article) {
  std::optional<BookmarkedEntry> found;
  std::optional<book::IndexEntry> section;
  const std::uint16_t id = static_cast<std::uint16_t>(article | book::kIdArticle);
  book::WalkIndex(record, [&](const book::IndexEntry& entry) {
    if ((entry.id & book::kIdHeading) != 0) {
      section = entry;
    } else if (entry.id == id) {
      found = BookmarkedEntry{entry, section};
      return false;
    }
    return true;
  });
  return found;
}

// The bytes of a bookmark row's text: the article's name, and before it in
// reading order (after it in the stored display order) the separator and the
// section's name.
std::uint32_t BookmarkTextLength(const BookmarkedEntry& entry) {
  std::uint32_t length = entry.article.length;
  if (entry.section) length += kBookmarkSectionSeparatorLength + entry.section->length;
  return length;
}

}  // namespace

void LoadBookmarks() {
  FreeBookmarks();
  std::uint32_t bytes = 0;
  platform::HeapBuffer stored = settings::ReadSizedBinaryValue(settings::kBookmarks, {}, &bytes);
  // Whole values only; the last one is the terminator when it is 0.
  const std::uint32_t whole = bytes / kValueBytes;
  if (!stored || whole == 0) return;
  auto* values = reinterpret_cast<std::uint16_t*>(stored.get());
  std::uint32_t count = values[whole - 1] == 0 ? whole - 1 : whole;
  count = std::min(count, kMaxBookmarkCount);
  if (count < whole) {
    values[count] = 0;
    appState.bookmarkList.reset(reinterpret_cast<std::uint16_t*>(stored.data.release()));
  } else {
    // No room for the terminator inside the stored bytes.
    auto* list = static_cast<std::uint16_t*>(settings::AllocOrAbort((count + 1) * kValueBytes));
    if (list == nullptr) return;
    std::memcpy(list, values, count * kValueBytes);
    list[count] = 0;
    appState.bookmarkList.reset(list);
  }
  appState.bookmarkCount = static_cast<std::uint16_t>(count);
}

void SaveBookmarks() {
  constexpr std::uint16_t kNoList = 0;
  const std::uint16_t* list = appState.bookmarkList ? appState.bookmarkList.get() : &kNoList;
  const std::uint32_t count = appState.bookmarkList ? appState.bookmarkCount : 0;
  settings::WriteBinaryValue(settings::kBookmarks, list, (count + 1) * kValueBytes);
}

void FreeBookmarks() {
  appState.bookmarkList.reset();
  appState.bookmarkCount = 0;
}

bool IsBookmarked() {
  const std::span<std::uint16_t> values = ListValues();
  return std::find(values.begin(), values.end(), appState.currentArticle) != values.end();
}

void AddBookmark() {
  if (IsBookmarked()) return;
  const std::uint32_t count = appState.bookmarkList ? appState.bookmarkCount : 0;
  if (count >= kMaxBookmarkCount) return;
  platform::HeapPtr<std::uint16_t[]> list = platform::HeapAllocateArray<std::uint16_t>(count + 2);
  if (!list) return;
  if (count > 0) std::memcpy(list.get(), appState.bookmarkList.get(), count * kValueBytes);
  list[count] = appState.currentArticle;
  list[count + 1] = 0;
  appState.bookmarkList = std::move(list);
  appState.bookmarkCount = static_cast<std::uint16_t>(count + 1);
}

void RemoveBookmark() {
  if (!appState.bookmarkList) return;
  const std::span<std::uint16_t> values = ListValues();
  const auto kept = std::remove(values.begin(), values.end(), appState.currentArticle);
  const auto count = static_cast<std::uint16_t>(kept - values.begin());
  appState.bookmarkList[count] = 0;
  appState.bookmarkCount = count;
}

void ToggleBookmark(bool bookmarked) {
  if (!bookmarked) {
    AddBookmark();
    return;
  }
  if ((appState.bookmarkPromptFlags & kRemoveWithoutAsking) == 0) {
    const int answer =
        platform::ShowMessageBox(appState.mainWindow, resources::kMsgRemoveBookmark,
                                 resources::kCaptionBookmark, platform::kMbYesNoCancel);
    if (answer == platform::kIdCancel) {
      appState.bookmarkPromptFlags |= kRemoveWithoutAsking;
    } else if (answer != platform::kIdYes) {
      return;
    }
  }
  RemoveBookmark();
}

platform::HeapBuffer PrependBookmarks(platform::HeapBuffer index) {
  const std::span<std::uint16_t> values = ListValues();
  if (values.empty()) return index;
  const std::span<const std::uint8_t> record = RecordBytes(index);

  // Measure: the heading, the copies, the book's own entries and the end
  // mark, in 64 bits so that no stored list can make the sum wrap.
  std::uint64_t size = kBookmarksHeadingSize;
  for (std::uint16_t article : values) {
    if (std::optional<BookmarkedEntry> entry = FindBookmarkedEntry(record, article)) {
      size += book::kEntryHeaderSize + BookmarkTextLength(*entry) + 1;
    }
  }
  const std::uint32_t indexEntries = book::MeasureIndexEntries(record);
  size += indexEntries + book::kEndMarkSize;
  if (size > kMaxIndexBytes) return index;

  // One block takes the section and the index's entries: the same bytes as
  // building the section and then joining it to the index, without the
  // intermediate copy.
  platform::HeapBuffer joined;
  joined.data = platform::HeapAllocateArray<std::uint8_t>(size);
  if (!joined) return index;
  joined.size = static_cast<std::uint32_t>(size);

  std::uint8_t* out = joined.get();
  out = WriteEntryHeader(out, kBookmarksHeadingId, kBookmarksHeadingStyle, book::kSectionIndent);
  out = WriteBytes(out, kBookmarksHeadingText, sizeof kBookmarksHeadingText);  // with its NUL
  for (std::uint16_t article : values) {
    const std::optional<BookmarkedEntry> entry = FindBookmarkedEntry(record, article);
    if (!entry) continue;
    out = WriteEntryHeader(out, entry->article.id, kBookmarkEntryStyle, book::kArticleIndent);
    out = WriteBytes(out, entry->article.text, entry->article.length);
    if (entry->section) {
      out = WriteBytes(out, kBookmarkSectionSeparator, kBookmarkSectionSeparatorLength);
      out = WriteBytes(out, entry->section->text, entry->section->length);
    }
    *out++ = 0;
  }
  if (indexEntries > 0) std::memcpy(out, record.data(), indexEntries);
  std::memset(out + indexEntries, 0, book::kEndMarkSize);
  return joined;
}

}  // namespace velmora::index
