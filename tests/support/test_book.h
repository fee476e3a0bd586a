// Small test books built by hand: paragraph streams and index records from
// readable specs, book records around them, and a resource table for the
// headless platform.
#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "platform/resources.h"

namespace velmora::test {

// One paragraph item: style, measure, stored text (LetterCode bytes).
struct ItemSpec {
  std::uint8_t style = 0;
  std::uint8_t measure = 0;
  std::string text;
};

// The stream of `items`, ended as the book ends its articles: a zero style
// byte and two more zero bytes.
std::vector<std::uint8_t> MakeParagraphStream(std::span<const ItemSpec> items);

// One index entry: id word, style, indent, stored text.
struct EntrySpec {
  std::uint16_t id = 0;
  std::uint8_t style = 0;
  std::uint8_t indent = 0;
  std::string text;
};

// The index record of `entries`, ended by the five-byte end mark.
std::vector<std::uint8_t> MakeIndexRecord(std::span<const EntrySpec> entries);

// A token stream that decodes to exactly `raw`: literal runs only.
std::vector<std::uint8_t> LiteralTokens(std::span<const std::uint8_t> raw);

// The resource bytes of a record: header, block header declaring
// `decompressedSize`, `tokens`, zero trailer.
std::vector<std::uint8_t> MakeRecordBytes(std::span<const std::uint8_t> tokens,
                                          std::uint16_t decompressedSize);

// A book of raw-data resources. Install it once it is complete; it must
// outlive its use (the platform keeps pointers into it).
struct TestBook {
  std::deque<std::vector<std::uint8_t>> resources;
  std::vector<platform::ResourceEntry> entries;
};

// Adds record `recordNumber` holding `content` (1..65535 bytes).
void AddContent(TestBook* book, int recordNumber, std::span<const std::uint8_t> content);

// Adds raw-data resource `id` with exactly `bytes`.
void AddResource(TestBook* book, std::uint16_t id, std::vector<std::uint8_t> bytes);

// Makes `book` the program's resources (until the next test starts).
void InstallBook(const TestBook& book);

}  // namespace velmora::test
