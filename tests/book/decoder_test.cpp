// The PalmDoc decoder through UnCompress: one table of token streams, each
// decoding to its expected bytes or ending as a buffer error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "book/palmdoc.h"
#include "book/record.h"
#include "platform/headless/headless.h"
#include "platform/message_box.h"
#include "resources/messages.h"

namespace velmora::book {
namespace {

namespace headless = platform::headless;
using Bytes = std::vector<std::uint8_t>;

// The two bytes of a back reference.
Bytes Ref(std::uint32_t distance, std::uint32_t length) {
  const std::uint32_t word = 0x8000 | (distance << 3) | (length - 3);
  return {static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)};
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Twenty literal tokens: enough to keep a token before them away from the
// ends of input and output, where the decoder takes its fast path.
const Bytes kPadding = Text("klmnopqrstuvwxyzklmn");

struct DecodeCase {
  const char* name;
  Bytes tokens;
  std::uint32_t dsize;
  Bytes expected;  // empty: a buffer error
};

// The token stream lives in a block of exactly its own size, so a sanitizer
// build catches any read past it.
platform::HeapBuffer Decode(const Bytes& tokens, std::uint32_t dsize, int* reason) {
  std::vector<std::uint8_t> exact(tokens);
  BlockDescriptor descriptor{exact.data(), static_cast<std::uint32_t>(exact.size()), 7, dsize};
  platform::HeapBuffer out = UnCompress(&descriptor, reason);
  EXPECT_EQ(descriptor.reserved, 0u);
  return out;
}

const DecodeCase kCases[] = {
    {"LiteralBytes", {'a', 'b', 0x00, 0x09, 0x7F}, 5, {'a', 'b', 0x00, 0x09, 0x7F}},
    {"LiteralRun", {0x03, 0x01, 0x80, 0xFF, 'z'}, 4, {0x01, 0x80, 0xFF, 'z'}},
    {"RunOfEight", {0x08, 1, 2, 3, 4, 5, 6, 7, 8}, 8, {1, 2, 3, 4, 5, 6, 7, 8}},
    {"RefDistance1Length10", Cat({Text("x"), Ref(1, 10)}), 11, Text("xxxxxxxxxxx")},
    {"RefReachesFirstByte", Cat({Text("abc"), Ref(3, 3)}), 6, Text("abcabc")},
    {"RefOverlapsItsOwnOutput", Cat({Text("ab"), Ref(2, 5)}), 7, Text("abababa")},
    {"SpacePair", {0xE1, 0xC0}, 4, Text(" a @")},
    {"SpacePairMeetsLastByte", {'a', 0xE2}, 2, Text("a ")},
    {"OverfillLiteralsCut", Text("abcd"), 2, Text("ab")},
    {"OverfillRunCutNeedsOnlyWrittenBytes", {0x05, 'a', 'b'}, 2, Text("ab")},
    {"OverfillRefCut", Cat({Text("x"), Ref(1, 10)}), 4, Text("xxxx")},
    {"Underfill", Text("a"), 2, {}},
    {"RefDistanceZero", Cat({Text("ab"), Ref(0, 3)}), 5, {}},
    {"RefBeforeStart", Cat({Text("a"), Ref(2, 3)}), 4, {}},
    {"RefAtVeryStart", Ref(1, 3), 3, {}},
    {"RunPastInput", {0x05, 'a', 'b'}, 5, {}},
    {"RefByteMissing", {'a', 0x80}, 5, {}},
    // The same tokens far from both ends.
    {"FarRefDistance1Length10", Cat({Text("x"), Ref(1, 10), kPadding}), 31,
     Cat({Text("xxxxxxxxxxx"), kPadding})},
    {"FarRefDistance7Overlaps", Cat({Text("abcdefg"), Ref(7, 10), kPadding}), 37,
     Cat({Text("abcdefgabcdefgabc"), kPadding})},
    {"FarRefDistance8", Cat({Text("abcdefgh"), Ref(8, 10), kPadding}), 38,
     Cat({Text("abcdefghabcdefghab"), kPadding})},
    {"FarRefDistance11", Cat({Text("abcdefghijk"), Ref(11, 4), kPadding}), 35,
     Cat({Text("abcdefghijkabcd"), kPadding})},
    {"FarRunsAndSpacePairs",
     Cat({{0x02, 0x90, 0x91, 0xE1, 0x08, 1, 2, 3, 4, 5, 6, 7, 8}, kPadding}), 32,
     Cat({{0x90, 0x91, ' ', 'a', 1, 2, 3, 4, 5, 6, 7, 8}, kPadding})},
    {"FarRefDistanceZero", Cat({Text("ab"), Ref(0, 3), kPadding}), 40, {}},
    {"FarRefBeforeStart", Cat({Text("a"), Ref(2, 3), kPadding}), 40, {}},
};

class DecoderTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecoderTable, DecodesOrFailsAsBufferError) {
  const DecodeCase& c = GetParam();
  const long liveBefore = headless::LiveHeapBlocks();
  int reason = 0;
  platform::HeapBuffer out = Decode(c.tokens, c.dsize, &reason);

  if (!c.expected.empty()) {
    ASSERT_TRUE(out);
    EXPECT_EQ(reason, 0);
    ASSERT_EQ(out.size, c.dsize);
    EXPECT_EQ(Bytes(out.get(), out.get() + out.size), c.expected);
    EXPECT_EQ(out.get()[c.dsize], 0);
    EXPECT_EQ(out.get()[c.dsize + 1], 0);
    EXPECT_TRUE(headless::MessageBoxCalls().empty());
    return;
  }
  EXPECT_FALSE(out);
  EXPECT_EQ(reason, BufferError);
  EXPECT_EQ(headless::LiveHeapBlocks(), liveBefore);
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  const headless::MessageBoxCall& box = headless::MessageBoxCalls()[0];
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_EQ(box.text, resources::kMsgUnCompressBufferError);
  EXPECT_EQ(box.caption, platform::kDefaultCaption);
  EXPECT_EQ(box.style, platform::kMbOk);
}

INSTANTIATE_TEST_SUITE_P(Tokens, DecoderTable, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(DecodePalmDoc, ReportsWhatItReadAndWrote) {
  const Bytes input = Cat({Text("ab"), Ref(2, 4), Text("zz")});
  Bytes output(6);
  DecodeResult full = DecodePalmDoc(input, output);
  EXPECT_TRUE(full.filled);
  EXPECT_EQ(full.written, 6u);
  EXPECT_EQ(full.consumed, 4u);  // the trailing "zz" is left over

  Bytes big(10);
  DecodeResult partial = DecodePalmDoc(input, big);
  EXPECT_FALSE(partial.filled);
  EXPECT_EQ(partial.written, 8u);
  EXPECT_EQ(partial.consumed, input.size());

  DecodeResult bad = DecodePalmDoc(Cat({Text("a"), Ref(5, 3)}), big);
  EXPECT_FALSE(bad.filled);
  EXPECT_EQ(bad.written, 1u);
}

// The decoder as the format describes it, one byte at a time: the oracle for
// streams of every shape.
DecodeResult ReferenceDecode(const Bytes& in, std::size_t capacity, Bytes* out) {
  std::size_t at = 0;
  auto result = [&](bool good) {
    return DecodeResult{static_cast<std::uint32_t>(out->size()), static_cast<std::uint32_t>(at),
                        good && out->size() == capacity};
  };
  while (at < in.size() && out->size() < capacity) {
    const std::uint8_t t = in[at++];
    const std::size_t room = capacity - out->size();
    if (t >= 1 && t <= 8) {
      const std::size_t wanted = std::min<std::size_t>(t, room);
      if (in.size() - at < wanted) return result(false);
      out->insert(out->end(), in.begin() + at, in.begin() + at + wanted);
      at += wanted;
    } else if (t >= 0xC0) {
      out->push_back(' ');
      if (room > 1) out->push_back(t ^ 0x80);
    } else if (t >= 0x80) {
      if (at == in.size()) return result(false);
      const std::uint32_t word = (std::uint32_t{t} << 8) | in[at++];
      const std::size_t distance = (word >> 3) & 0x7FF;
      if (distance == 0 || distance > out->size()) return result(false);
      const std::size_t length = std::min<std::size_t>((word & 7) + 3, room);
      for (std::size_t i = 0; i < length; ++i) out->push_back((*out)[out->size() - distance]);
    } else {
      out->push_back(t);
    }
  }
  return result(true);
}

TEST(DecodePalmDoc, AgreesWithTheByteByByteDecoderOnRandomStreams) {
  std::mt19937 random(1234);
  int filled = 0;
  for (int round = 0; round < 2000; ++round) {
    // Mostly valid tokens with short distances, so that streams get long.
    Bytes in;
    std::uint32_t produced = 0;
    const int tokens = static_cast<int>(random() % 200);
    for (int i = 0; i < tokens; ++i) {
      const std::uint32_t kind = random() % 8;
      if (kind < 3 || produced == 0) {
        in.push_back(static_cast<std::uint8_t>(0x09 + random() % 0x77));
        produced += 1;
      } else if (kind < 5) {
        const std::uint32_t limit = std::min<std::uint32_t>(produced, 40);
        const std::uint32_t distance = random() % 500 == 0 ? random() % 2048 : 1 + random() % limit;
        const std::uint32_t length = 3 + random() % 8;
        const Bytes ref = Ref(distance, length);
        in.insert(in.end(), ref.begin(), ref.end());
        produced += length;
      } else if (kind < 7) {
        const std::uint32_t run = 1 + random() % 8;
        in.push_back(static_cast<std::uint8_t>(run));
        for (std::uint32_t k = 0; k < run; ++k) in.push_back(static_cast<std::uint8_t>(random()));
        produced += run;
      } else {
        in.push_back(static_cast<std::uint8_t>(0xC0 + random() % 0x40));
        produced += 2;
      }
    }
    if (!in.empty() && random() % 4 == 0) in.resize(random() % in.size());
    Bytes expected;
    const std::size_t capacity = random() % (produced + 20);
    const DecodeResult want = ReferenceDecode(in, capacity, &expected);

    Bytes exactIn(in);
    Bytes out(capacity);
    const DecodeResult got = DecodePalmDoc(exactIn, out);
    SCOPED_TRACE(round);
    ASSERT_EQ(got.filled, want.filled);
    filled += want.filled && capacity > 64;
    ASSERT_EQ(got.written, want.written);
    ASSERT_EQ(got.consumed, want.consumed);
    ASSERT_EQ(Bytes(out.begin(), out.begin() + got.written), expected);
  }
  // Most rounds must reach the fast path and come out whole.
  EXPECT_GT(filled, 800) << "the generator makes too few long, valid streams";
}

TEST(UnCompress, RefusesBadArgumentsWithoutAllocating) {
  const Bytes tokens = Text("ab");
  BlockDescriptor noSource{nullptr, 2, 0, 2};
  BlockDescriptor noSize{tokens.data(), 2, 0, 0};
  BlockDescriptor tooLarge{tokens.data(), 2, 0, 0x10000};
  for (BlockDescriptor* descriptor :
       {static_cast<BlockDescriptor*>(nullptr), &noSource, &noSize, &tooLarge}) {
    int reason = 0;
    EXPECT_FALSE(UnCompress(descriptor, &reason));
    EXPECT_EQ(reason, BadArguments);
  }
  EXPECT_EQ(headless::LiveHeapBlocks(), 0);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

TEST(UnCompress, NoMemoryForOutputIsRecordUnreadable) {
  const Bytes tokens = Text("ab");
  BlockDescriptor descriptor{tokens.data(), 2, 0, 2};
  headless::FailHeapAfter(0);
  int reason = 0;
  EXPECT_FALSE(UnCompress(&descriptor, &reason));
  EXPECT_EQ(reason, RecordUnreadable);
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
}

TEST(UnCompress, ReasonIsOptional) {
  const Bytes tokens = Text("a");
  BlockDescriptor descriptor{tokens.data(), 1, 0, 2};
  EXPECT_FALSE(UnCompress(&descriptor, nullptr));
  EXPECT_FALSE(UnCompress(nullptr, nullptr));
  EXPECT_EQ(headless::MessageBoxCalls().size(), 1u);
}

TEST(UnCompress, LargestBlockDecodes) {
  // 65535 bytes of 'q': one literal, then references of length 10.
  Bytes tokens = Text("q");
  for (std::uint32_t written = 1; written < 0xFFFF; written += 10) {
    const Bytes ref = Ref(1, 10);
    tokens.insert(tokens.end(), ref.begin(), ref.end());
  }
  int reason = 0;
  platform::HeapBuffer out = Decode(tokens, 0xFFFF, &reason);
  ASSERT_TRUE(out);
  EXPECT_EQ(out.size, 0xFFFFu);
  EXPECT_EQ(out.get()[0xFFFE], 'q');
  EXPECT_EQ(out.get()[0xFFFF], 0);
}

}  // namespace
}  // namespace velmora::book
