#include "platform/qt/instance_address.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

constexpr const char* kRuntimeDirectoryVariable = "XDG_RUNTIME_DIR";
constexpr const char* kPrefix = "velmora-";
// Hex digits of the names' digest kept in the socket's name.
constexpr qsizetype kDigestDigits = 16;

constexpr const char* kLockSuffix = ".lock";

}  // namespace

QString RunningCopyAddress(std::u16string_view className, std::u16string_view title) {
  const QByteArray names = (ToQString(className) + QChar(u'\n') + ToQString(title)).toUtf8();
  QString name = QString::fromLatin1(kPrefix) +
                 QString::fromLatin1(
                     QCryptographicHash::hash(names, QCryptographicHash::Sha256).toHex().left(kDigestDigits));
  QString directory = qEnvironmentVariable(kRuntimeDirectoryVariable);
  if (directory.isEmpty() || !QFileInfo(directory).isDir()) {
    directory = QDir::tempPath();
    name += QChar(u'-') + QString::number(::getuid());
  }
  return QDir(directory).filePath(name);
}

QString RunningCopyLockPath(const QString& address) {
  return address + QString::fromLatin1(kLockSuffix);
}

}  // namespace velmora::platform
