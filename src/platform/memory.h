// Heap blocks: the one allocator behind every buffer the program hands
// around, so that tests can make the heap run dry at a chosen moment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace velmora::platform {

// Returns an uninitialised block of `bytes` bytes, or nullptr when the heap
// cannot supply it. A request for 0 bytes yields a valid, distinct block.
void* HeapAllocate(std::size_t bytes);

// Releases a block from HeapAllocate; nullptr is ignored.
void HeapRelease(void* block);

struct HeapDeleter {
  void operator()(void* block) const { HeapRelease(block); }
};

// An owned heap block of T (or of T[]), released through HeapRelease.
template <class T>
using HeapPtr = std::unique_ptr<T, HeapDeleter>;

// Allocates `count` elements of T, uninitialised; empty when the heap is dry.
template <class T>
HeapPtr<T[]> HeapAllocateArray(std::size_t count) {
  return HeapPtr<T[]>(static_cast<T*>(HeapAllocate(count * sizeof(T))));
}

// An owned byte buffer with its size. `size` counts the meaningful bytes;
// producers document how many bytes beyond `size` the block holds.
struct HeapBuffer {
  HeapPtr<std::uint8_t[]> data;
  std::uint32_t size = 0;

  explicit operator bool() const { return data != nullptr; }
  std::uint8_t* get() const { return data.get(); }
};

}  // namespace velmora::platform
