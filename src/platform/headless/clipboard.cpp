// The clipboard in memory: one block per format, with faults that tests
// inject and every call recorded.
#include <map>
#include <set>

#include "platform/clipboard.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace velmora::platform {
namespace {

using headless::ClipboardCallKind;

struct ClipboardState {
  std::map<ClipboardFormat, std::vector<std::uint8_t>> blocks;
  std::u16string offeredText;
  bool open = false;
  bool emptied = false;  // since this open
  bool failOpen = false;
  bool failAllocation = false;
  std::set<ClipboardFormat> hidden;
  std::vector<headless::ClipboardCall> calls;
};

ClipboardState state;

void Record(ClipboardCallKind kind, ClipboardFormat format, bool succeeded) {
  state.calls.push_back({kind, format, succeeded});
}

}  // namespace

bool OpenClipboard() {
  const bool opened = !state.open && !state.failOpen;
  Record(ClipboardCallKind::kOpen, 0, opened);
  if (!opened) return false;
  state.open = true;
  state.emptied = false;
  return true;
}

bool EmptyClipboard() {
  Record(ClipboardCallKind::kEmpty, 0, state.open);
  if (!state.open) return false;
  state.blocks.clear();
  state.offeredText.clear();
  state.emptied = true;
  return true;
}

std::optional<std::span<const std::uint8_t>> GetClipboardData(ClipboardFormat format) {
  const auto found = state.blocks.find(format);
  const bool present = state.open && found != state.blocks.end() && !state.hidden.contains(format);
  Record(ClipboardCallKind::kGet, format, present);
  if (!present) return std::nullopt;
  return std::span<const std::uint8_t>(found->second);
}

ClipboardBlock AllocateClipboardBlock(std::size_t bytes) {
  if (state.failAllocation) return {};
  ClipboardBlock block{HeapAllocateArray<std::uint8_t>(bytes), bytes};
  if (!block) block.size = 0;
  return block;
}

bool SetClipboardData(ClipboardFormat format, ClipboardBlock block) {
  const bool taken = state.open && state.emptied && block;
  Record(ClipboardCallKind::kSet, format, taken);
  if (!taken) return false;
  state.blocks[format].assign(block.get(), block.get() + block.size);
  return true;
}

void OfferClipboardText(std::u16string_view text) {
  if (state.open && state.emptied) state.offeredText = text;
}

std::u16string ClipboardTextForOthers() {
  if (!state.open) return {};
  if (!state.offeredText.empty()) return state.offeredText;
  const auto found = state.blocks.find(CF_UNICODETEXT);
  if (found == state.blocks.end()) return {};
  std::u16string text;
  const std::vector<std::uint8_t>& bytes = found->second;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    text += unit;
  }
  return text;
}

void CloseClipboard() {
  Record(ClipboardCallKind::kClose, 0, state.open);
  state.open = false;
  state.emptied = false;
}

namespace headless {

void FailClipboardOpen(bool fail) { state.failOpen = fail; }
void FailClipboardAllocation(bool fail) { state.failAllocation = fail; }

void HideClipboardFormat(ClipboardFormat format, bool hide) {
  if (hide) {
    state.hidden.insert(format);
  } else {
    state.hidden.erase(format);
  }
}

void ReplaceClipboardContents(ClipboardBlocks blocks, std::u16string text) {
  state.blocks.clear();
  for (auto& [format, bytes] : blocks) state.blocks[format] = std::move(bytes);
  state.offeredText = std::move(text);
}

std::optional<std::vector<std::uint8_t>> ClipboardContent(ClipboardFormat format) {
  const auto found = state.blocks.find(format);
  if (found == state.blocks.end()) return std::nullopt;
  return found->second;
}

std::vector<ClipboardFormat> ClipboardFormats() {
  std::vector<ClipboardFormat> formats;
  for (const auto& [format, bytes] : state.blocks) formats.push_back(format);
  return formats;
}

std::u16string OfferedClipboardText() { return state.offeredText; }

const std::vector<ClipboardCall>& ClipboardCalls() { return state.calls; }
bool IsClipboardOpen() { return state.open; }

void ResetClipboard() { state = ClipboardState{}; }

}  // namespace headless
}  // namespace velmora::platform
