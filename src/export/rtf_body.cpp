#include "export/rtf_body.h"

#include <string_view>

#include "state/alloc_or_abort.h"

namespace velmora::exporting {
namespace {

constexpr std::string_view kLineEnd = "\\par\\par\r\n";
constexpr char kEscape = '\\';

// Sizing: the closing line end and the NUL, with room to spare, then per
// unit as RenderRtfBody says.
constexpr std::size_t kClosingBound = 13;
constexpr std::size_t kLineEndBound = 12;
constexpr std::size_t kSmallEscapeBound = 5;  // \u and up to 3 digits
constexpr std::size_t kTableUnitBound = 6;    // \u and 4 digits
constexpr std::size_t kEscapeBound = 6;       // \u and 4 digits
constexpr std::size_t kLargeEscapeBound = 7;  // \u and 5 digits

bool IsLineEnd(char16_t unit) { return unit == u'\r' || unit == u'\n'; }
bool IsPrintable(char16_t unit) { return unit >= 0x21 && unit <= 0x7E; }
bool IsSpecial(char16_t unit) { return unit == u'\\' || unit == u'{' || unit == u'}'; }
// Characters that a reader would take as part of a \u escape before them.
bool ExtendsEscape(char16_t unit) {
  return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'z') ||
         (unit >= u'A' && unit <= u'Z');
}

std::size_t EscapeBound(char16_t unit) {
  if (unit < 1000) return kSmallEscapeBound;
  return unit < 10000 ? kEscapeBound : kLargeEscapeBound;
}

// Writes into `out`, or only counts when it is null.
class Sink {
 public:
  explicit Sink(char* out) : out_(out) {}

  void Put(char c) {
    if (out_ != nullptr) out_[size_] = c;
    ++size_;
  }
  void Put(std::string_view text) {
    for (char c : text) Put(c);
  }
  // "\u" and the unit's unsigned decimal value, digits written by hand: a
  // formatted print per letter would be most of the body's time.
  void PutEscape(char16_t unit) {
    char digits[5];
    std::size_t n = 0;
    unsigned value = unit;
    do {
      digits[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    Put(kEscape);
    Put('u');
    while (n > 0) Put(digits[--n]);
  }
  std::size_t size() const { return size_; }

 private:
  char* out_;
  std::size_t size_ = 0;
};

}  // namespace

std::size_t RenderRtfBody(const char16_t* text, char* out) {
  Sink sink(out);
  std::size_t bound = kClosingBound;
  bool afterEscape = false;
  for (const char16_t* p = text; *p != 0;) {
    const char16_t unit = *p;
    if (unit == u' ') {
      std::size_t run = 0;
      for (; *p == u' '; ++p) ++run;
      // After a \u escape the first space only ends the escape.
      for (std::size_t i = 0; i < run + (afterEscape ? 1 : 0); ++i) sink.Put(' ');
      bound += run + 1;
      afterEscape = false;
    } else if (IsLineEnd(unit)) {
      while (IsLineEnd(*p)) ++p;
      sink.Put(kLineEnd);
      bound += kLineEndBound;
      afterEscape = false;
    } else if (IsPrintable(unit)) {
      if (IsSpecial(unit)) {
        sink.Put(kEscape);
        ++bound;
      } else if (afterEscape && ExtendsEscape(unit)) {
        sink.Put(' ');
        ++bound;
      }
      sink.Put(static_cast<char>(unit));
      ++bound;
      ++p;
      afterEscape = false;
    } else {
      if (const Decomposition* entry = FindDecomposition(unit)) {
        for (char16_t part : entry->units) {
          if (part == 0) break;
          sink.PutEscape(part);
          bound += kTableUnitBound;
        }
      } else {
        sink.PutEscape(unit);
        bound += EscapeBound(unit);
      }
      ++p;
      afterEscape = true;
    }
  }
  sink.Put(kLineEnd);
  if (out == nullptr) return bound;
  const std::size_t written = sink.size();
  out[written] = 0;
  return written;
}

RtfBody MakeRtfBody(const char16_t* text) {
  const std::size_t bound = RenderRtfBody(text, nullptr);
  RtfBody body;
  body.bytes.reset(static_cast<char*>(settings::AllocOrAbort(bound + 1)));
  if (body.bytes) body.size = RenderRtfBody(text, body.bytes.get());
  return body;
}

}  // namespace velmora::exporting
