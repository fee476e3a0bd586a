// The book record format and the content formats inside it, written down
// once for the reader (src/book) and the compiler (tools/mkbook).
// Stored values: do not renumber.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace velmora::book {

// --- Record numbers and resource ids ---------------------------------------

// Record n lives in raw-data resource n + kRecordIdBase (in 16 bits).
inline constexpr std::uint16_t kRecordIdBase = 1000;
// The book index (table of contents) is record 31767, resource 32767.
inline constexpr int IndexRecordNumber = 31767;
inline constexpr std::uint16_t kIndexResourceId = 32767;

// --- BookRecord layout (all integers 16-bit big-endian) --------------------
//   header:        payload length, first number, last number   (2 + 2 + 2)
//   block header:  compressed size, decompressed size           (2 + 2)
//   compressed bytes (book/palmdoc_format.h), then a trailer of four zero
//   bytes.
inline constexpr std::uint32_t kRecordHeaderSize = 2 + 2 + 2;
inline constexpr std::uint32_t kBlockHeaderSize = 2 + 2;
inline constexpr std::uint32_t kRecordTrailerSize = 4;
// The smallest payload the loader accepts: block header and one byte.
inline constexpr std::uint32_t kMinPayloadLength = kBlockHeaderSize + 1;
// Sizes are 16-bit: a record decompresses to at most this many bytes.
inline constexpr std::uint32_t kMaxDecompressedSize = 0xFFFF;
// The payload length is 16-bit as well: block header, compressed bytes and
// trailer together fit in this many bytes.
inline constexpr std::uint32_t kMaxPayloadLength = 0xFFFF;
// First and last numbers of the index record (carried, never read).
inline constexpr std::uint16_t kIndexFirstNumber = 1;
inline constexpr std::uint16_t kIndexLastNumber = 255;

// The two headers as their fields read.
struct RecordHeader {
  std::uint16_t payloadLength = 0;  // the bytes after this header
  std::uint16_t firstNumber = 0;
  std::uint16_t lastNumber = 0;
};
struct BlockHeader {
  std::uint16_t compressedSize = 0;
  std::uint16_t decompressedSize = 0;
};

constexpr std::uint16_t ReadBigEndian16(std::span<const std::uint8_t, 2> bytes) {
  return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}
constexpr void WriteBigEndian16(std::uint16_t value, std::span<std::uint8_t, 2> bytes) {
  bytes[0] = static_cast<std::uint8_t>(value >> 8);
  bytes[1] = static_cast<std::uint8_t>(value & 0xFF);
}

// The record header at the start of a record's resource bytes.
constexpr RecordHeader ReadRecordHeader(std::span<const std::uint8_t, kRecordHeaderSize> bytes) {
  return {ReadBigEndian16(bytes.subspan<0, 2>()), ReadBigEndian16(bytes.subspan<2, 2>()),
          ReadBigEndian16(bytes.subspan<4, 2>())};
}
constexpr std::array<std::uint8_t, kRecordHeaderSize> WriteRecordHeader(
    const RecordHeader& header) {
  std::array<std::uint8_t, kRecordHeaderSize> bytes{};
  const std::span<std::uint8_t, kRecordHeaderSize> out(bytes);
  WriteBigEndian16(header.payloadLength, out.subspan<0, 2>());
  WriteBigEndian16(header.firstNumber, out.subspan<2, 2>());
  WriteBigEndian16(header.lastNumber, out.subspan<4, 2>());
  return bytes;
}

// The block header at the start of the payload.
constexpr BlockHeader ReadBlockHeader(std::span<const std::uint8_t, kBlockHeaderSize> bytes) {
  return {ReadBigEndian16(bytes.subspan<0, 2>()), ReadBigEndian16(bytes.subspan<2, 2>())};
}
constexpr std::array<std::uint8_t, kBlockHeaderSize> WriteBlockHeader(const BlockHeader& header) {
  std::array<std::uint8_t, kBlockHeaderSize> bytes{};
  const std::span<std::uint8_t, kBlockHeaderSize> out(bytes);
  WriteBigEndian16(header.compressedSize, out.subspan<0, 2>());
  WriteBigEndian16(header.decompressedSize, out.subspan<2, 2>());
  return bytes;
}

// --- Letter encoding --------------------------------------------------------
// The 27 Hebrew letters (U+05D0..U+05EA) are stored as 'a'..'{'.
inline constexpr std::uint8_t kLetterCodeFirst = 0x61;
inline constexpr std::uint8_t kLetterCodeLast = 0x7B;
inline constexpr std::uint8_t kStoredTilde = 0x7E;  // shown as '{'
inline constexpr char16_t kUnicodeAlef = 0x05D0;

// --- ParagraphStream --------------------------------------------------------
// Item: style byte, measure byte, text bytes, NUL. A zero style byte ends it.
inline constexpr std::uint32_t kItemHeaderSize = 2;
// The book's streams end with the zero style byte and two more zero bytes.
inline constexpr std::uint32_t kStreamEndSize = 1 + 2;

inline constexpr std::uint8_t StyleFontKey = 0x1F;
inline constexpr std::uint8_t StyleSmaller = 0x02;
inline constexpr std::uint8_t StyleLarger = 0x04;
inline constexpr std::uint8_t StyleBold = 0x08;
inline constexpr std::uint8_t StyleReversed = 0x10;
inline constexpr std::uint8_t StyleAlignment = 0x60;
inline constexpr std::uint8_t StyleAlignLeft = 0x00;
inline constexpr std::uint8_t StyleAlignRight = 0x20;
inline constexpr std::uint8_t StyleAlignCentre = 0x40;
inline constexpr std::uint8_t StyleBlankRowAfter = 0x80;
inline constexpr std::uint8_t RuleItem = 0x07;  // style & 7 == 7

inline constexpr std::uint8_t MeasureIndent = 0x3F;
inline constexpr std::uint8_t MeasureLabelCode = 0xC0;
inline constexpr int kMeasureLabelShift = 6;

// Styles the book uses.
inline constexpr std::uint8_t ArticleHeadingStyle = 0xD1;
inline constexpr std::uint8_t ArticleSubheadingStyle = 0xD2;
inline constexpr std::uint8_t BodyStyle = 0xB1;
inline constexpr std::uint8_t TitleHeadingStyle = 0xDC;

// --- Index record -----------------------------------------------------------
// Entry: id word (16-bit little-endian), style, indent, text, NUL.
// A zero style byte ends the list; stored lists end with five zero bytes.
inline constexpr std::uint32_t kEntryHeaderSize = 2 + 1 + 1;
inline constexpr std::uint32_t kEndMarkSize = 5;

inline constexpr std::uint16_t kIdHeading = 0x8000;
inline constexpr std::uint16_t kIdArticle = 0x4000;
inline constexpr std::uint16_t kIdNumber = 0x3FFF;
// Stored headings are numbered by position p in the record: 16382 - p.
inline constexpr std::uint16_t kFirstHeadingNumber = 16382;

inline constexpr std::uint8_t kIndexStyleExpanded = 0x40;
inline constexpr std::uint8_t kIndexStyleVisible = 0x80;
inline constexpr std::uint8_t kSectionHeadingStyle = 0x8C;
inline constexpr std::uint8_t kArticleEntryStyle = 0x01;
inline constexpr std::uint8_t kSectionIndent = 1;
inline constexpr std::uint8_t kArticleIndent = 2;

}  // namespace velmora::book
