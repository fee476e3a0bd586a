#include <cstdlib>

#include "platform/headless/headless.h"
#include "platform/memory.h"

namespace velmora::platform {
namespace {

int allowed_allocations = -1;  // -1: no fault injected
long live_blocks = 0;

}  // namespace

void* HeapAllocate(std::size_t bytes) {
  if (allowed_allocations == 0) return nullptr;
  if (allowed_allocations > 0) --allowed_allocations;
  void* block = std::malloc(bytes == 0 ? 1 : bytes);
  if (block != nullptr) ++live_blocks;
  return block;
}

void HeapRelease(void* block) {
  if (block == nullptr) return;
  --live_blocks;
  std::free(block);
}

namespace headless {

void FailHeapAfter(int allowed) { allowed_allocations = allowed; }
void ResetHeapFaults() { allowed_allocations = -1; }
long LiveHeapBlocks() { return live_blocks; }

}  // namespace headless
}  // namespace velmora::platform
