#include <QCoreApplication>
#include <QFileInfo>

#include "platform/process.h"

namespace velmora::platform {

namespace {
constexpr qsizetype kMaxPathUnits = 260;
}

std::u16string ModuleFileName() {
  QString path = QCoreApplication::instance() != nullptr
                     ? QCoreApplication::applicationFilePath()
                     : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  if (path.size() >= kMaxPathUnits) return {};
  return path.toStdU16String();
}

}  // namespace velmora::platform
