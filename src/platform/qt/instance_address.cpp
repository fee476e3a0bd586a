#include "platform/qt/instance_address.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/qt/window_objects.h"
#include "platform/registry.h"

namespace velmora::platform {
namespace {

constexpr const char* kRuntimeDirectoryVariable = "XDG_RUNTIME_DIR";
constexpr const char* kPrefix = "velmora-";
// Hex digits of the names' digest kept in the socket's name.
constexpr qsizetype kDigestDigits = 16;

constexpr const char* kLockSuffix = ".lock";

constexpr const char* kXDisplayVariable = "DISPLAY";
constexpr const char* kWaylandDisplayVariable = "WAYLAND_DISPLAY";
constexpr const char* kWaylandDefaultDisplay = "wayland-0";
constexpr const char* kWaylandPlatformPrefix = "wayland";

// The display this copy shows on: on Wayland its display, else the X display
// without its screen number (":0.1" is the display ":0").
QString DisplayName() {
  if (QGuiApplication::platformName().startsWith(QLatin1String(kWaylandPlatformPrefix))) {
    const QString display = qEnvironmentVariable(kWaylandDisplayVariable);
    return QStringLiteral("wayland ") +
           (display.isEmpty() ? QString::fromLatin1(kWaylandDefaultDisplay) : display);
  }
  QString display = qEnvironmentVariable(kXDisplayVariable);
  const qsizetype colon = display.lastIndexOf(u':');
  const qsizetype screen = colon < 0 ? -1 : display.indexOf(u'.', colon);
  if (screen >= 0) display.truncate(screen);
  return QStringLiteral("x ") + display;
}

// The settings file in one spelling whichever way it was named: absolute,
// with links, "." and ".." resolved as far as it exists.
QString SettingsFileName() {
  const std::filesystem::path named = RegistryFilePath();
  if (named.empty()) return {};
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(named, error);
  if (error) return QFile::decodeName(named.c_str());
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return QFile::decodeName((error ? path.lexically_normal() : resolved).c_str());
}

}  // namespace

QString RunningCopyAddress(std::u16string_view className, std::u16string_view title) {
  const QChar separator(u'\n');
  const QByteArray names = (ToQString(className) + separator + ToQString(title) + separator +
                            DisplayName() + separator + SettingsFileName())
                               .toUtf8();
  QString name =
      QString::fromLatin1(kPrefix) +
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
