#include "test_book.h"

#include <algorithm>

#include "book/book_format.h"
#include "book/palmdoc_format.h"
#include "book/record.h"
#include "platform/headless/headless.h"

namespace velmora::test {
namespace {

void AppendBigEndian16(std::vector<std::uint8_t>* out, std::uint32_t value) {
  out->push_back(static_cast<std::uint8_t>(value >> 8));
  out->push_back(static_cast<std::uint8_t>(value));
}

void AppendText(std::vector<std::uint8_t>* out, const std::string& text) {
  out->insert(out->end(), text.begin(), text.end());
  out->push_back(0);
}

}  // namespace

std::vector<std::uint8_t> MakeParagraphStream(std::span<const ItemSpec> items) {
  std::vector<std::uint8_t> stream;
  for (const ItemSpec& item : items) {
    stream.push_back(item.style);
    stream.push_back(item.measure);
    AppendText(&stream, item.text);
  }
  stream.insert(stream.end(), {0, 0, 0});
  return stream;
}

std::vector<std::uint8_t> MakeIndexRecord(std::span<const EntrySpec> entries) {
  std::vector<std::uint8_t> record;
  for (const EntrySpec& entry : entries) {
    record.push_back(static_cast<std::uint8_t>(entry.id));
    record.push_back(static_cast<std::uint8_t>(entry.id >> 8));
    record.push_back(entry.style);
    record.push_back(entry.indent);
    AppendText(&record, entry.text);
  }
  record.insert(record.end(), book::kEndMarkSize, 0);
  return record;
}

std::vector<std::uint8_t> LiteralTokens(std::span<const std::uint8_t> raw) {
  std::vector<std::uint8_t> tokens;
  for (std::size_t at = 0; at < raw.size(); at += book::kTokenRunLast) {
    const std::size_t run = std::min<std::size_t>(book::kTokenRunLast, raw.size() - at);
    tokens.push_back(static_cast<std::uint8_t>(run));
    tokens.insert(tokens.end(), raw.begin() + at, raw.begin() + at + run);
  }
  return tokens;
}

std::vector<std::uint8_t> MakeRecordBytes(std::span<const std::uint8_t> tokens,
                                          std::uint16_t decompressedSize) {
  std::vector<std::uint8_t> bytes;
  AppendBigEndian16(&bytes, book::kBlockHeaderSize + tokens.size() + book::kRecordTrailerSize);
  AppendBigEndian16(&bytes, 0);
  AppendBigEndian16(&bytes, 0);
  AppendBigEndian16(&bytes, static_cast<std::uint32_t>(tokens.size()));
  AppendBigEndian16(&bytes, decompressedSize);
  bytes.insert(bytes.end(), tokens.begin(), tokens.end());
  bytes.insert(bytes.end(), book::kRecordTrailerSize, 0);
  return bytes;
}

void AddContent(TestBook* book, int recordNumber, std::span<const std::uint8_t> content) {
  AddResource(book, book::RecordResourceId(recordNumber),
              MakeRecordBytes(LiteralTokens(content), static_cast<std::uint16_t>(content.size())));
}

void AddResource(TestBook* book, std::uint16_t id, std::vector<std::uint8_t> bytes) {
  const std::vector<std::uint8_t>& kept = book->resources.emplace_back(std::move(bytes));
  book->entries.push_back(
      {platform::ResourceType::kRawData, id, kept.data(), static_cast<std::uint32_t>(kept.size())});
}

void InstallBook(const TestBook& book) { platform::headless::InstallResources(book.entries); }

}  // namespace velmora::test
