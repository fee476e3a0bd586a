// Where the running copy of the program listens: a local socket per user,
// named after the main window's class and title, the display and the
// settings file, so that one copy runs per display and settings file.
#pragma once

#include <QString>

#include <string_view>

namespace velmora::platform {

// The socket's full path: in the user's runtime directory, or in the
// temporary directory with the user's id in the name.
QString RunningCopyAddress(std::u16string_view className, std::u16string_view title);

// The lock file beside `address` that the copy listening there holds.
QString RunningCopyLockPath(const QString& address);

}  // namespace velmora::platform
