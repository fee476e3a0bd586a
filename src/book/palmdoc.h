// The PalmDoc token decoder on its own: no allocation, no reporting, so that
// the book compiler can check its records with the very decoder the program
// uses.
#pragma once

#include <cstdint>
#include <span>

namespace velmora::book {

struct DecodeResult {
  std::uint32_t written = 0;   // output bytes produced
  std::uint32_t consumed = 0;  // input bytes read
  // True when the output was filled exactly before the input ran out, with
  // every token well formed (no reference before the output's start, no run
  // or reference past the input's end).
  bool filled = false;
};

// Decodes `input` into `output` until `output` is full or the input ends.
// A run or reference cut short by the full output needs only the bytes it
// still writes. Never reads or writes outside the two spans; output bytes
// past `written` may have been scribbled on.
DecodeResult DecodePalmDoc(std::span<const std::uint8_t> input, std::span<std::uint8_t> output);

}  // namespace velmora::book
