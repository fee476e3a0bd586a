#include <cstdlib>

#include "platform/memory.h"

namespace velmora::platform {

void* HeapAllocate(std::size_t bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }

void HeapRelease(void* block) { std::free(block); }

}  // namespace velmora::platform
