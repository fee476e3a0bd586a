#include "state/alloc_or_abort.h"

#include "platform/memory.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "resources/messages.h"
#include "state/settings.h"

namespace velmora::settings {
namespace {

void QuitWithNothingSaved() { platform::PostQuitMessage(kOrderlyExitCode); }

OutOfMemoryHandler out_of_memory_handler = QuitWithNothingSaved;

}  // namespace

void SetOutOfMemoryHandler(OutOfMemoryHandler handler) {
  out_of_memory_handler = handler != nullptr ? handler : QuitWithNothingSaved;
}

void* AllocOrAbort(std::size_t bytes) {
  if (void* block = platform::HeapAllocate(bytes)) return block;
  NoteLoadAllocationFailure();
  platform::ShowMessageBox(nullptr, resources::kMsgNotEnoughMemory, resources::kCaptionError,
                           platform::kMbIconHand);
  out_of_memory_handler();
  return nullptr;
}

}  // namespace velmora::settings
