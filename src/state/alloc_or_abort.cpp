#include "state/alloc_or_abort.h"

#include "platform/memory.h"
#include "platform/message_box.h"
#include "resources/messages.h"
#include "state/settings.h"

namespace velmora::settings {
namespace {

OutOfMemoryHandler out_of_memory_handler = nullptr;

}  // namespace

void SetOutOfMemoryHandler(OutOfMemoryHandler handler) { out_of_memory_handler = handler; }

void* AllocOrAbort(std::size_t bytes) {
  if (void* block = platform::HeapAllocate(bytes)) return block;
  NoteLoadAllocationFailure();
  platform::ShowMessageBox(nullptr, resources::kMsgNotEnoughMemory, resources::kCaptionError,
                           platform::kMbIconHand);
  if (out_of_memory_handler != nullptr) out_of_memory_handler();
  return nullptr;
}

}  // namespace velmora::settings
