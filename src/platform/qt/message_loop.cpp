#include <QCoreApplication>

#include "platform/message_loop.h"

namespace velmora::platform {

void PostQuitMessage(int exitCode) {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::exit(exitCode);
}

}  // namespace velmora::platform
