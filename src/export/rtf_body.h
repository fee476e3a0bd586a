// The Rich Text body of a plain text: its characters as 8-bit Rich Text, a
// paragraph mark pair for each line end.
#pragma once

#include <cstddef>

#include "platform/memory.h"

namespace velmora::exporting {

// The units that replace a presentation form, up to three (0 ends early).
struct Decomposition {
  char16_t key = 0;
  char16_t units[3] = {};
};

// The entry of `unit` in the decomposition table; nullptr for units up to
// U+05EA and for units the table does not hold.
const Decomposition* FindDecomposition(char16_t unit);

// Renders the NUL-terminated `text` as a Rich Text body. With `out`, writes
// the body and its NUL and returns the bytes written, the NUL not counted.
// Without, returns an upper bound of the bytes needed, NUL included, never
// less than what is written. Written: a run of spaces as it stands (with one
// more after a \u escape, which that space ends); '\', '{' and '}' escaped;
// other printable ASCII as it stands, a space put between it and a \u escape
// before it when it is a letter or digit; each run of CR and LF as
// "\par\par" and CR LF; every other unit (or its decomposition) as \uN with
// N its unsigned value.
std::size_t RenderRtfBody(const char16_t* text, char* out);

// A NUL-terminated body and its length in bytes, the NUL not counted.
struct RtfBody {
  platform::HeapPtr<char[]> bytes;
  std::size_t size = 0;

  explicit operator bool() const { return bytes != nullptr; }
};

// The body of `text` in one allocation from AllocOrAbort, sized by
// RenderRtfBody first; empty when the heap ran dry (reported).
RtfBody MakeRtfBody(const char16_t* text);

}  // namespace velmora::exporting
