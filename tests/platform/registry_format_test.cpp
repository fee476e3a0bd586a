// The settings file format on its own: bytes in, keys and values out, and
// back.
#include "platform/common/registry_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes AsBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Utf16Le(std::u16string_view text, bool bom) {
  Bytes out;
  if (bom) out = {0xFF, 0xFE};
  for (char16_t unit : text) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return out;
}

// REG_SZ data: the units and a terminator.
Bytes Sz(std::u16string_view text) {
  Bytes out = Utf16Le(text, false);
  out.insert(out.end(), {0, 0});
  return out;
}

RegistryModel Parse(const Bytes& bytes) {
  RegistryParseResult result = ParseRegistryFile(bytes);
  EXPECT_TRUE(result.model) << "line " << result.errorLine << ": " << result.error;
  return result.model.value_or(RegistryModel{});
}

const RegistryValue* Find(RegistryModel& model, std::string_view key, std::string_view name) {
  RegistryKey* k = FindRegistryKey(model, key);
  if (k == nullptr) return nullptr;
  RegistryEntry* entry = FindRegistryEntry(*k, name);
  return entry == nullptr ? nullptr : &entry->value;
}

constexpr std::string_view kVelmoraKey = "HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora";

TEST(RegistryFormat, WritesTheExportFormatThatItReadsBack) {
  RegistryModel model;
  SetRegistryValue(model, kVelmoraKey, "FontName", {kRegSz, Sz(u"Tahoma")});
  SetRegistryValue(model, kVelmoraKey, "Flags", {kRegDword, {0x40, 0x00, 0x14, 0xD1}});
  SetRegistryValue(model, kVelmoraKey, "Bookmarks", {kRegBinary, {5, 0, 0, 0}});
  EXPECT_EQ(SerializeRegistryFile(model),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\n"
            "\"FontName\"=\"Tahoma\"\n"
            "\"Flags\"=dword:d1140040\n"
            "\"Bookmarks\"=hex:05,00,00,00\n"
            "\n");
}

TEST(RegistryFormat, EveryKindOfValueSurvivesARoundTrip) {
  Bytes longBinary;
  for (int i = 0; i < 300; ++i) longBinary.push_back(static_cast<std::uint8_t>(i * 7));
  struct Case {
    const char* what;
    std::string name;
    RegistryValue value;
  } cases[] = {
      {"plain text", "FontName", {kRegSz, Sz(u"Tahoma")}},
      {"quote and backslash", "Path \"x\"\\y", {kRegSz, Sz(u"C:\\a \"b\"")}},
      {"Hebrew and a surrogate pair", "\xD7\xA9\xD7\x9D", {kRegSz, Sz(u"\u05D0\u05D1 \U0001F600")}},
      {"empty text", "Empty", {kRegSz, Sz(u"")}},
      {"text with a line break", "Lines", {kRegSz, Sz(u"a\r\nb")}},
      {"text without terminator", "Bare", {kRegSz, {0x41, 0x00}}},
      {"text with inner zero", "Zero", {kRegSz, {0x41, 0, 0, 0, 0x42, 0, 0, 0}}},
      {"odd-sized text", "Odd", {kRegSz, {0x41}}},
      {"dword", "Flags", {kRegDword, {0x78, 0x56, 0x34, 0x12}}},
      {"short dword", "Short", {kRegDword, {0x01, 0x02}}},
      {"binary", "Bookmarks", {kRegBinary, {5, 0, 7, 0, 0, 0}}},
      {"empty binary", "Nothing", {kRegBinary, {}}},
      {"long binary wraps", "Long", {kRegBinary, longBinary}},
      {"other type", "Multi", {7, {0x61, 0, 0, 0, 0, 0}}},
      {"large type number", "Odd type", {0x12345678, {1, 2, 3}}},
      {"unnamed value", "", {kRegSz, Sz(u"default")}},
  };
  RegistryModel model;
  for (const Case& c : cases) SetRegistryValue(model, kVelmoraKey, c.name, c.value);
  SetRegistryValue(model, "HKEY_CURRENT_USER\\software\\Quorvane", "FullScreen",
                   {kRegDword, {1, 0, 0, 0}});
  std::string text = SerializeRegistryFile(model);
  RegistryModel back = Parse(AsBytes(text));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RegistryValue* value = Find(back, kVelmoraKey, c.name);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, c.value.type);
    EXPECT_EQ(value->data, c.value.data);
  }
  EXPECT_EQ(back.keys.size(), 2u);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    EXPECT_LE(end - start, 80u) << "lines are wrapped as registry editors wrap them";
    start = end + 1;
  }
}

TEST(RegistryFormat, ReadsUtf16WithByteOrderMark) {
  RegistryModel model =
      Parse(Utf16Le(u"Windows Registry Editor Version 5.00\r\n\r\n"
                    u"[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\r\n"
                    u"\"FontName\"=\"\u05D3\u05D5\u05D3\"\r\n"
                    u"\"Lesson\"=dword:0000000c\r\n"
                    u"\"Bookmarks\"=hex:05,00,\\\r\n  0c,00,00,00\r\n",
                    true));
  EXPECT_EQ(Find(model, kVelmoraKey, "FontName")->data, Sz(u"\u05D3\u05D5\u05D3"));
  EXPECT_EQ(Find(model, kVelmoraKey, "Lesson")->data, (Bytes{12, 0, 0, 0}));
  EXPECT_EQ(Find(model, kVelmoraKey, "Bookmarks")->data, (Bytes{5, 0, 12, 0, 0, 0}));
}

TEST(RegistryFormat, ReadsEightBitUnderRegedit4) {
  RegistryModel model =
      Parse(AsBytes("REGEDIT4\r\n\r\n"
                    "[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\r\n"
                    "\"FontName\"=\"Caf\xE9\"\r\n"
                    "\"Flags\"=dword:d1140040\r\n"
                    "\"Lesson\"=hex(1):31,32,00\r\n"));
  EXPECT_EQ(Find(model, kVelmoraKey, "FontName")->data, Sz(u"Caf\u00E9"));
  EXPECT_EQ(Find(model, kVelmoraKey, "Flags")->data, (Bytes{0x40, 0x00, 0x14, 0xD1}));
  // 8-bit text values become the UTF-16 text the store keeps.
  EXPECT_EQ(Find(model, kVelmoraKey, "Lesson")->data, Sz(u"12"));
}

TEST(RegistryFormat, ReadsUtf8WithOrWithoutByteOrderMark) {
  std::string body =
      "Windows Registry Editor Version 5.00\n\n"
      "; a comment\n"
      "[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\n"
      "\"FontName\"=\"\xD7\x90\"\n";
  for (bool bom : {false, true}) {
    SCOPED_TRACE(bom);
    RegistryModel model = Parse(AsBytes((bom ? "\xEF\xBB\xBF" : "") + body));
    EXPECT_EQ(Find(model, kVelmoraKey, "FontName")->data, Sz(u"\u05D0"));
  }
}

TEST(RegistryFormat, KeysAndValueNamesMatchWithoutCaseAndKeepTheirFirstSpelling) {
  RegistryModel model =
      Parse(AsBytes("Windows Registry Editor Version 5.00\n\n"
                    "[HKEY_CURRENT_USER\\software\\Quorvane]\n"
                    "\"FullScreen\"=dword:00000001\n"
                    "[HKEY_CURRENT_USER\\Software\\QUORVANE]\n"
                    "\"fullscreen\"=dword:00000002\n"
                    "\"IgnoreActivate\"=dword:00000003\n"));
  ASSERT_EQ(model.keys.size(), 1u);
  EXPECT_EQ(model.keys[0].path, "HKEY_CURRENT_USER\\software\\Quorvane");
  ASSERT_EQ(model.keys[0].values.size(), 2u);
  EXPECT_EQ(model.keys[0].values[0].name, "FullScreen");
  EXPECT_EQ(model.keys[0].values[0].value.data, (Bytes{2, 0, 0, 0}));
}

TEST(RegistryFormat, AnEmptyFileIsAnEmptyStore) {
  const RegistryParseResult parsed = ParseRegistryFile({});
  ASSERT_TRUE(parsed.model.has_value());
  EXPECT_TRUE(parsed.model->keys.empty());
}

TEST(RegistryFormat, DamagedFilesAreRefusedWithTheirLine) {
  const std::string header = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n";
  struct Case {
    const char* what;
    Bytes bytes;
    int line;
  } cases[] = {
      {"no header", AsBytes("[HKEY_CURRENT_USER\\K]\n\"a\"=dword:1\n"), 1},
      {"UTF-16 without byte-order mark",
       Utf16Le(u"Windows Registry Editor Version 5.00\r\n", false), 1},
      {"REGEDIT4 in UTF-16", Utf16Le(u"REGEDIT4\r\n", true), 1},
      {"REGEDIT4 after a UTF-8 byte-order mark", AsBytes("\xEF\xBB\xBFREGEDIT4\n"), 1},
      {"odd UTF-16 byte count",
       [] {
         Bytes b = Utf16Le(u"Windows Registry Editor Version 5.00\r\n\r\n", true);
         b.push_back(0x41);
         return b;
       }(),
       3},
      {"unpaired surrogate", Utf16Le(u"Windows Registry Editor Version 5.00\r\n\"\xD800\"", true),
       2},
      {"bad UTF-8", AsBytes(header + "\"a\"=\"\xC3\x28\"\n"), 4},
      {"overlong UTF-8", AsBytes(header + "\"a\"=\"\xC0\xAF\"\n"), 4},
      {"NUL in text", AsBytes(header + std::string("\"a\"=\"\0\"\n", 8)), 4},
      {"value before any key",
       AsBytes("Windows Registry Editor Version 5.00\n\n\"a\"=dword:00000001\n"), 3},
      {"key without bracket", AsBytes(header + "[HKEY_CURRENT_USER\\L\n"), 4},
      {"empty key", AsBytes(header + "[]\n"), 4},
      {"key deletion", AsBytes(header + "[-HKEY_CURRENT_USER\\L]\n"), 4},
      {"value deletion", AsBytes(header + "\"a\"=-\n"), 4},
      {"unquoted name", AsBytes(header + "a=dword:00000001\n"), 4},
      {"unfinished name", AsBytes(header + "\"a=dword:00000001\n"), 4},
      {"missing equals", AsBytes(header + "\"a\" dword:00000001\n"), 4},
      {"unknown data", AsBytes(header + "\"a\"=qword:1\n"), 4},
      {"unfinished text", AsBytes(header + "\"a\"=\"abc\n"), 4},
      {"text after text", AsBytes(header + "\"a\"=\"abc\" x\n"), 4},
      {"unknown escape", AsBytes(header + "\"a\"=\"a\\nb\"\n"), 4},
      {"dword not hex", AsBytes(header + "\"a\"=dword:0000000g\n"), 4},
      {"dword too long", AsBytes(header + "\"a\"=dword:123456789\n"), 4},
      {"dword empty", AsBytes(header + "\"a\"=dword:\n"), 4},
      {"byte not hex", AsBytes(header + "\"a\"=hex:01,zz\n"), 4},
      {"byte too long", AsBytes(header + "\"a\"=hex:001\n"), 4},
      {"trailing comma", AsBytes(header + "\"a\"=hex:01,\n"), 4},
      {"empty byte", AsBytes(header + "\"a\"=hex:01,,02\n"), 4},
      {"continued past the end", AsBytes(header + "\"a\"=hex:01,\\\n"), 4},
      {"bad continuation", AsBytes(header + "\"a\"=hex:01,\\\n  [x]\n"), 5},
      {"bad type", AsBytes(header + "\"a\"=hex(z):01\n"), 4},
      {"unclosed type", AsBytes(header + "\"a\"=hex(2:01\n"), 4},
      {"hex without colon", AsBytes(header + "\"a\"=hex 01\n"), 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RegistryParseResult result = ParseRegistryFile(c.bytes);
    EXPECT_FALSE(result.model);
    EXPECT_EQ(result.errorLine, c.line) << result.error;
    EXPECT_FALSE(result.error.empty());
  }
}

TEST(RegistryFormat, StorableNamesAreOneLineUtf8) {
  EXPECT_TRUE(IsStorableRegistryName("Software\\Quorvane\\Velmora"));
  EXPECT_TRUE(IsStorableRegistryName("\xD7\x90 \"quoted\""));
  EXPECT_FALSE(IsStorableRegistryName("a\nb"));
  EXPECT_FALSE(IsStorableRegistryName(std::string_view("a\0b", 3)));
  EXPECT_FALSE(IsStorableRegistryName("\xFF"));
}

}  // namespace
}  // namespace velmora::platform
