// Typed reads and writes of single values.
#include "state/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "platform/headless/headless.h"
#include "platform/message_box.h"
#include "resources/messages.h"
#include "state/settings_names.h"
#include "tests/support/stored_values.h"

namespace velmora::settings {
namespace {

using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegSz;
using test::Bytes;

constexpr std::string_view kValue = "Value";

TEST(ReadDwordValue, ReadsNumbersAndTextsUnitByUnit) {
  struct Case {
    const char* what;
    std::optional<platform::RegistryValue> stored;
    std::int32_t expected;
  } cases[] = {
      {"absent", std::nullopt, 77},
      {"dword", test::DwordValue(0x12345678), 0x12345678},
      {"dword with the top bit", test::DwordValue(0xFFFFFFFE), -2},
      {"short dword fills the low bytes", platform::RegistryValue{kRegDword, {0x34, 0x12}}, 0x1234},
      {"long dword cannot be read", platform::RegistryValue{kRegDword, Bytes(8, 1)}, 77},
      {"text 123", platform::RegistryValue{kRegSz, test::Utf16(u"123")}, 123},
      {"empty text", platform::RegistryValue{kRegSz, test::Utf16(u"")}, 0},
      {"no data at all", platform::RegistryValue{kRegSz, {}}, 0},
      {"text 1a: units are not required to be digits",
       platform::RegistryValue{kRegSz, test::Utf16(u"1a")}, 59},
      {"text stops at its first zero unit",
       platform::RegistryValue{kRegSz, test::Utf16(std::u16string(u"12\0"
                                                                  u"34",
                                                                  5))},
       12},
      {"text without terminator", platform::RegistryValue{kRegSz, test::Utf16(u"42", false)}, 42},
      {"odd last byte is no unit", platform::RegistryValue{kRegSz, {'4', 0, '2'}}, 4},
      {"binary read as text", platform::RegistryValue{kRegBinary, {'7', 0, 0, 0}}, 7},
      {"text wraps in 32 bits", platform::RegistryValue{kRegSz, test::Utf16(u"4294967297")}, 1},
  };
  long liveBefore = platform::headless::LiveHeapBlocks();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.stored) test::Store(ProgramKey, kValue, c.stored->type, c.stored->data);
    EXPECT_EQ(ReadDwordValue(ProgramKey, kValue, 77), c.expected);
    EXPECT_EQ(platform::headless::LiveHeapBlocks(), liveBefore);
  }
  EXPECT_EQ(ReadDwordValue(DeviceOptionsKey, kValue, -5), -5) << "key absent";
}

TEST(ReadDwordValue, ATextReadWithTheHeapDryReportsAndGivesTheDefault) {
  test::Store(ProgramKey, "Number", kRegDword, test::Dword(3));
  test::Store(ProgramKey, "Text", kRegSz, test::Utf16(u"8"));
  platform::headless::FailHeapAfter(0);
  EXPECT_EQ(ReadDwordValue(ProgramKey, "Number", 1), 3) << "a dword needs no block";
  EXPECT_TRUE(platform::headless::MessageBoxCalls().empty());
  EXPECT_EQ(ReadDwordValue(ProgramKey, "Text", 1), 1);
  ASSERT_EQ(platform::headless::MessageBoxCalls().size(), 1u);
  EXPECT_EQ(platform::headless::MessageBoxCalls()[0].text, resources::kMsgNotEnoughMemory);
}

TEST(ReadByteStringValue, CopiesAtMostCapacityLessOneBytes) {
  const std::string untouched(33, 'z');
  struct Case {
    const char* what;
    std::optional<Bytes> stored;
    std::string expected;
  } cases[] = {
      {"absent", std::nullopt, untouched},
      {"no bytes", Bytes{}, untouched},
      {"first byte zero", Bytes{0, 'a', 0}, untouched},
      {"zero-terminated", test::Bytes8(std::string_view("abc\0", 4)), "abc"},
      {"without zero byte", test::Bytes8("abc"), "abc"},
      {"stops at the first zero", test::Bytes8(std::string_view("ab\0cd", 5)), "ab"},
      {"33 bytes fit", Bytes(33, 'q'), std::string(33, 'q')},
      {"50 bytes give the first 33", Bytes(50, 'q'), std::string(33, 'q')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.stored) test::Store(ProgramKey, kValue, kRegBinary, *c.stored);
    std::uint8_t buffer[34];
    std::memcpy(buffer, untouched.c_str(), untouched.size() + 1);
    ReadByteStringValue(kValue, buffer, sizeof buffer);
    EXPECT_EQ(reinterpret_cast<const char*>(buffer), c.expected);
  }
}

TEST(SettingsStoreWrites, StoreTheTypesAndByteCountsOfEachKind) {
  const std::uint8_t pattern[] = {'a', 'b', 'c', 0, 'x'};
  const std::uint8_t bookmarks[] = {5, 0, 0, 0};
  EXPECT_TRUE(WriteDwordValue("Dword", 0xD1140040));
  EXPECT_TRUE(WriteStringValue("Text", u"Tahoma"));
  EXPECT_TRUE(WriteStringValue("Empty text", u""));
  EXPECT_TRUE(WriteByteStringValue("Pattern", pattern));
  EXPECT_TRUE(WriteBinaryValue("Bytes", bookmarks, sizeof bookmarks));
  EXPECT_TRUE(WriteBinaryValue("No bytes", nullptr, 0));
  test::StoredKey expected = {
      {"Dword", test::DwordValue(0xD1140040)},
      {"Text", {kRegSz, test::Utf16(u"Tahoma")}},  // 14 bytes
      {"Empty text", {kRegSz, {0, 0}}},
      {"Pattern", {kRegBinary, {'a', 'b', 'c', 0}}},
      {"Bytes", {kRegBinary, {5, 0, 0, 0}}},
      {"No bytes", {kRegBinary, {}}},
  };
  EXPECT_EQ(test::ReadStoredKey(ProgramKey), expected);
}

TEST(SettingsStoreReads, GiveFreshBlocksOfTheStoredBytes) {
  long liveBefore = platform::headless::LiveHeapBlocks();
  test::Store(ProgramKey, "Text", kRegSz, test::Utf16(u"ab"));
  test::Store(ProgramKey, "Bytes", kRegBinary, {1, 2, 3});
  {
    platform::HeapBuffer text = ReadStringValue("Text");
    ASSERT_TRUE(text);
    EXPECT_EQ(Bytes(text.get(), text.get() + text.size), test::Utf16(u"ab"));
    platform::HeapBuffer bytes = ReadBinaryValue("bytes");
    ASSERT_TRUE(bytes) << "value names match without case";
    EXPECT_EQ(Bytes(bytes.get(), bytes.get() + bytes.size), (Bytes{1, 2, 3}));
    EXPECT_FALSE(ReadStringValue("Missing"));
    EXPECT_FALSE(ReadBinaryValue("Missing"));

    std::uint32_t count = 99;
    platform::HeapBuffer sized = ReadSizedBinaryValue("Bytes", {}, &count);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(sized.size, 3u);

    platform::HeapBuffer fallback{platform::HeapAllocateArray<std::uint8_t>(1), 1};
    std::uint8_t* fallbackBlock = fallback.get();
    platform::HeapBuffer none = ReadSizedBinaryValue("Missing", std::move(fallback), &count);
    EXPECT_EQ(none.get(), fallbackBlock);
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(ReadSizedBinaryValue("Missing", {}, nullptr));
  }
  EXPECT_EQ(platform::headless::LiveHeapBlocks(), liveBefore);
}

}  // namespace
}  // namespace velmora::settings
