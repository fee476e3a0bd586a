#include "platform/common/registry_format.h"

#include <algorithm>
#include <cstdio>

#include "platform/text_encoding.h"

namespace velmora::platform {
namespace {

constexpr std::uint8_t kUtf16Bom[] = {0xFF, 0xFE};
constexpr std::uint8_t kUtf8Bom[] = {0xEF, 0xBB, 0xBF};
constexpr std::string_view kDwordPrefix = "dword:";
constexpr std::string_view kHexPrefix = "hex";
constexpr int kDwordDigits = 8;
constexpr int kTypeDigits = 8;
// Byte lists are wrapped as registry editors wrap them: past this column the
// line ends with a backslash and goes on indented.
constexpr std::size_t kWrapColumn = 76;
constexpr std::string_view kContinuationIndent = "  ";

struct Failure {
  int line;
  std::string reason;
};

bool StartsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

int LineOf(std::string_view text, std::size_t pos) {
  int line = 1;
  for (std::size_t i = 0; i < pos && i < text.size(); ++i) line += text[i] == '\n';
  return line;
}

// Checks that `text` is UTF-8 without NUL; the failure names the line.
std::optional<Failure> CheckUtf8(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t start = pos;
    std::optional<char32_t> c = DecodeUtf8(text, &pos);
    if (!c || *c == 0) return Failure{LineOf(text, start), "not UTF-8 text"};
  }
  return std::nullopt;
}

// UTF-16LE (after the byte-order mark) to UTF-8, refusing unpaired
// surrogates and NUL.
std::optional<Failure> DecodeUtf16(std::span<const std::uint8_t> bytes, std::string& out) {
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t unit = bytes[i] | (bytes[i + 1] << 8);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
      char32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (unit == 0 || (unit >= 0xD800 && unit <= 0xDFFF)) {
      return Failure{LineOf(out, out.size()), "not UTF-16 text"};
    }
    AppendUtf8(out, unit);
  }
  if (bytes.size() % 2 != 0) return Failure{LineOf(out, out.size()), "odd byte count for UTF-16"};
  return std::nullopt;
}

std::string_view FirstLine(std::string_view text) {
  std::string_view line = text.substr(0, text.find('\n'));
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  return line;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 1 to `maxDigits` hex digits, nothing else.
std::optional<std::uint32_t> ParseHexNumber(std::string_view s, int maxDigits) {
  if (s.empty() || s.size() > static_cast<std::size_t>(maxDigits)) return std::nullopt;
  std::uint32_t n = 0;
  for (char c : s) {
    int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    n = (n << 4) | static_cast<std::uint32_t>(d);
  }
  return n;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && SameRegistryName(s.substr(0, prefix.size()), prefix);
}

std::vector<std::uint8_t> Utf8ToUtf16Bytes(std::string_view text) {
  std::u16string units;
  std::size_t pos = 0;
  while (pos < text.size()) {
    // The file was checked as UTF-8 when read; a byte that is not stands
    // alone for U+FFFD.
    std::optional<char32_t> c = DecodeUtf8(text, &pos);
    if (!c) ++pos;
    AppendUtf16(units, c.value_or(0xFFFD));
  }
  std::vector<std::uint8_t> out;
  out.reserve(2 * units.size());
  for (char16_t unit : units) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return out;
}

// Text values of an 8-bit file are 8-bit too; the store keeps UTF-16.
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegMultiSz = 7;
bool IsTextType(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

std::vector<std::uint8_t> WidenBytes(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint8_t> out;
  out.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) {
    out.push_back(b);
    out.push_back(0);
  }
  return out;
}

// Sets a value of `key`; the first spelling of its name is kept.
void PutValue(RegistryKey& key, std::string_view name, RegistryValue value) {
  if (RegistryEntry* entry = FindRegistryEntry(key, name)) {
    entry->value = std::move(value);
  } else {
    key.values.push_back({std::string(name), std::move(value)});
  }
}

class Parser {
 public:
  Parser(std::string_view text, bool eightBit) : eightBit_(eightBit) {
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      lines_.push_back(text.substr(start, end - start));
      start = end + 1;
    }
    // The final line break ends the last line; no empty line follows it.
    if (lines_.size() > 1 && lines_.back().empty()) lines_.pop_back();
  }

  RegistryParseResult Run() {
    RegistryParseResult result;
    RegistryModel model;
    std::optional<std::size_t> key;  // index into model.keys
    for (index_ = 1; index_ < lines_.size(); ++index_) {
      std::string_view line = Trim(lines_[index_]);
      if (line.empty() || line.front() == ';') continue;
      std::optional<Failure> failure;
      if (line.front() == '[') {
        failure = ParseKeyLine(line, model, key);
      } else if (!key) {
        failure = Fail("value outside a key");
      } else {
        failure = ParseValueLine(line, model.keys[*key]);
      }
      if (failure) {
        result.errorLine = failure->line;
        result.error = failure->reason;
        return result;
      }
    }
    result.model = std::move(model);
    return result;
  }

 private:
  Failure Fail(std::string reason) const {
    return {static_cast<int>(index_) + 1, std::move(reason)};
  }

  std::optional<Failure> ParseKeyLine(std::string_view line, RegistryModel& model,
                                      std::optional<std::size_t>& key) {
    if (line.back() != ']') return Fail("key line without ']'");
    std::string_view path = line.substr(1, line.size() - 2);
    if (path.empty()) return Fail("empty key path");
    if (path.front() == '-') return Fail("key deletion is not a stored value");
    if (RegistryKey* existing = FindRegistryKey(model, path)) {
      key = static_cast<std::size_t>(existing - model.keys.data());
    } else {
      key = model.keys.size();
      model.keys.push_back({std::string(path), {}});
    }
    return std::nullopt;
  }

  // A quoted string at s[pos] ('"'), with \\ and \" as its only escapes.
  std::optional<std::string> ParseQuoted(std::string_view s, std::size_t& pos) const {
    std::string out;
    for (++pos; pos < s.size(); ++pos) {
      char c = s[pos];
      if (c == '"') {
        ++pos;
        return out;
      }
      if (c == '\\') {
        if (pos + 1 >= s.size() || (s[pos + 1] != '\\' && s[pos + 1] != '"')) return std::nullopt;
        c = s[++pos];
      }
      out += c;
    }
    return std::nullopt;
  }

  std::optional<Failure> ParseValueLine(std::string_view line, RegistryKey& key) {
    std::size_t pos = 0;
    std::string name;
    if (line.front() == '@') {
      pos = 1;
    } else if (line.front() == '"') {
      std::optional<std::string> quoted = ParseQuoted(line, pos);
      if (!quoted) return Fail("unfinished value name");
      name = std::move(*quoted);
    } else {
      return Fail("expected a value name or a key");
    }
    std::string_view rest = Trim(line.substr(pos));
    if (rest.empty() || rest.front() != '=') return Fail("expected '=' after the value name");
    rest = Trim(rest.substr(1));
    std::optional<RegistryValue> value;
    std::optional<Failure> failure = ParseData(rest, value);
    if (failure) return failure;
    PutValue(key, name, std::move(*value));
    return std::nullopt;
  }

  std::optional<Failure> ParseData(std::string_view data, std::optional<RegistryValue>& value) {
    if (!data.empty() && data.front() == '"') {
      std::size_t pos = 0;
      std::optional<std::string> text = ParseQuoted(data, pos);
      if (!text || !Trim(data.substr(pos)).empty()) return Fail("malformed text value");
      std::vector<std::uint8_t> bytes = Utf8ToUtf16Bytes(*text);
      bytes.push_back(0);
      bytes.push_back(0);
      value = RegistryValue{kRegSz, std::move(bytes)};
      return std::nullopt;
    }
    if (StartsWithNoCase(data, kDwordPrefix)) {
      std::optional<std::uint32_t> n =
          ParseHexNumber(data.substr(kDwordPrefix.size()), kDwordDigits);
      if (!n) return Fail("malformed dword value");
      value =
          RegistryValue{kRegDword,
                        {static_cast<std::uint8_t>(*n), static_cast<std::uint8_t>(*n >> 8),
                         static_cast<std::uint8_t>(*n >> 16), static_cast<std::uint8_t>(*n >> 24)}};
      return std::nullopt;
    }
    if (StartsWithNoCase(data, kHexPrefix))
      return ParseHexData(data.substr(kHexPrefix.size()), value);
    if (data == "-") return Fail("value deletion is not a stored value");
    return Fail("unknown value data");
  }

  // After "hex": ":" or "(N):", then the byte list, possibly over several lines.
  std::optional<Failure> ParseHexData(std::string_view s, std::optional<RegistryValue>& value) {
    std::uint32_t type = kRegBinary;
    if (!s.empty() && s.front() == '(') {
      std::size_t close = s.find(')');
      if (close == std::string_view::npos) return Fail("malformed value type");
      std::optional<std::uint32_t> n = ParseHexNumber(s.substr(1, close - 1), kTypeDigits);
      if (!n) return Fail("malformed value type");
      type = *n;
      s = s.substr(close + 1);
    }
    if (s.empty() || s.front() != ':') return Fail("expected ':' after hex");
    std::string list(Trim(s.substr(1)));
    while (!list.empty() && list.back() == '\\') {
      list.pop_back();
      if (index_ + 1 >= lines_.size()) return Fail("byte list goes on past the end");
      list += Trim(lines_[++index_]);
    }
    std::vector<std::uint8_t> bytes;
    std::string_view rest = list;
    while (!Trim(rest).empty() || !bytes.empty()) {
      std::size_t comma = rest.find(',');
      std::optional<std::uint32_t> b = ParseHexNumber(Trim(rest.substr(0, comma)), 2);
      if (!b) return Fail("malformed byte list");
      bytes.push_back(static_cast<std::uint8_t>(*b));
      if (comma == std::string_view::npos) break;
      rest = rest.substr(comma + 1);
    }
    if (eightBit_ && IsTextType(type)) bytes = WidenBytes(bytes);
    value = RegistryValue{type, std::move(bytes)};
    return std::nullopt;
  }

  bool eightBit_;
  std::vector<std::string_view> lines_;
  std::size_t index_ = 0;
};

// Decodes the file to UTF-8 and checks its first line.
std::optional<Failure> DecodeFile(std::span<const std::uint8_t> bytes, std::string& text,
                                  bool& eightBit) {
  eightBit = false;
  bool bom = false;
  if (StartsWith(bytes, kUtf16Bom)) {
    if (std::optional<Failure> f = DecodeUtf16(bytes.subspan(sizeof kUtf16Bom), text)) return f;
    bom = true;
  } else {
    std::span<const std::uint8_t> body = bytes;
    if (StartsWith(bytes, kUtf8Bom)) {
      body = bytes.subspan(sizeof kUtf8Bom);
      bom = true;
    }
    text.assign(body.begin(), body.end());
    if (!bom && FirstLine(text) == kRegistryHeader4) {
      eightBit = true;
      if (std::size_t nul = text.find('\0'); nul != std::string::npos) {
        return Failure{LineOf(text, nul), "NUL in 8-bit text"};
      }
      std::string wide;
      for (char c : text) AppendUtf8(wide, static_cast<std::uint8_t>(c));
      text = std::move(wide);
      return std::nullopt;
    }
    if (std::optional<Failure> f = CheckUtf8(text)) return f;
  }
  if (FirstLine(text) != kRegistryHeader5) {
    return Failure{1, bom ? "byte-order mark without the 5.00 first line"
                          : "first line is not a registry editor header"};
  }
  return std::nullopt;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

// The UTF-8 form of REG_SZ data that can be written quoted: whole UTF-16
// units, one terminator at the end and no other, no line breaks.
std::optional<std::string> QuotableText(const std::vector<std::uint8_t>& data) {
  if (data.size() < 2 || data.size() % 2 != 0) return std::nullopt;
  if (data[data.size() - 1] != 0 || data[data.size() - 2] != 0) return std::nullopt;
  std::string text;
  std::span<const std::uint8_t> units(data.data(), data.size() - 2);
  if (DecodeUtf16(units, text)) return std::nullopt;
  if (text.find_first_of("\r\n") != std::string::npos) return std::nullopt;
  return text;
}

void AppendData(std::string& out, const RegistryValue& value) {
  if (value.type == kRegSz) {
    if (std::optional<std::string> text = QuotableText(value.data)) {
      AppendQuoted(out, *text);
      return;
    }
  }
  char buffer[32];
  if (value.type == kRegDword && value.data.size() == 4) {
    std::uint32_t n = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                      (static_cast<std::uint32_t>(value.data[3]) << 24);
    std::snprintf(buffer, sizeof buffer, "dword:%08x", n);
    out += buffer;
    return;
  }
  if (value.type == kRegBinary) {
    out += "hex:";
  } else {
    std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
    out += buffer;
  }
  std::size_t column = out.size() - out.rfind('\n') - 1;
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    std::snprintf(buffer, sizeof buffer, "%02x", value.data[i]);
    out += buffer;
    column += 2;
    if (i + 1 == value.data.size()) break;
    out += ',';
    ++column;
    if (column > kWrapColumn) {
      out += "\\\n";
      out += kContinuationIndent;
      column = kContinuationIndent.size();
    }
  }
}

}  // namespace

bool SameRegistryName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool IsStorableRegistryName(std::string_view text) {
  if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  return !CheckUtf8(text);
}

RegistryKey* FindRegistryKey(RegistryModel& model, std::string_view path) {
  for (RegistryKey& key : model.keys) {
    if (SameRegistryName(key.path, path)) return &key;
  }
  return nullptr;
}

RegistryEntry* FindRegistryEntry(RegistryKey& key, std::string_view name) {
  for (RegistryEntry& entry : key.values) {
    if (SameRegistryName(entry.name, name)) return &entry;
  }
  return nullptr;
}

void SetRegistryValue(RegistryModel& model, std::string_view path, std::string_view name,
                      RegistryValue value) {
  RegistryKey* key = FindRegistryKey(model, path);
  if (key == nullptr) key = &model.keys.emplace_back(RegistryKey{std::string(path), {}});
  PutValue(*key, name, std::move(value));
}

RegistryParseResult ParseRegistryFile(std::span<const std::uint8_t> bytes) {
  // An empty file (made with touch, say) is an empty store, not a damaged one.
  if (bytes.empty()) return RegistryParseResult{RegistryModel{}, 0, {}};
  std::string text;
  bool eightBit = false;
  if (std::optional<Failure> failure = DecodeFile(bytes, text, eightBit)) {
    RegistryParseResult result;
    result.errorLine = failure->line;
    result.error = failure->reason;
    return result;
  }
  return Parser(text, eightBit).Run();
}

std::string SerializeRegistryFile(const RegistryModel& model) {
  std::string out(kRegistryHeader5);
  out += "\n\n";
  for (const RegistryKey& key : model.keys) {
    out += '[';
    out += key.path;
    out += "]\n";
    for (const RegistryEntry& entry : key.values) {
      if (entry.name.empty()) {
        out += '@';
      } else {
        AppendQuoted(out, entry.name);
      }
      out += '=';
      AppendData(out, entry.value);
      out += '\n';
    }
    out += '\n';
  }
  return out;
}

}  // namespace velmora::platform
