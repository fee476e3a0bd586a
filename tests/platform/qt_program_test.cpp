// The program's start on the desktop: whatever its command line, the toolkit
// starts as it would for the program's name alone.
#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

#include <array>

#include "platform/qt/application.h"

namespace velmora::platform {
namespace {

struct Seen {
  QStringList arguments;
  Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;
  QString style;
};
Seen seen;

int Look(int) {
  seen.arguments = QCoreApplication::arguments();
  seen.direction = QGuiApplication::layoutDirection();
  seen.style = QApplication::style()->name();
  return 7;
}

TEST(QtProgram, TheCommandLineMeansNothingToTheToolkit) {
  std::array<char*, 6> argv{const_cast<char*>("velmora"),       const_cast<char*>("-reverse"),
                            const_cast<char*>("-style"),        const_cast<char*>("windows"),
                            const_cast<char*>("some-file.txt"), nullptr};
  int argc = static_cast<int>(argv.size()) - 1;
  EXPECT_EQ(qt::RunQtProgram(argc, argv.data(), Look), 7);
  EXPECT_EQ(seen.arguments, QStringList{QStringLiteral("velmora")});
  EXPECT_EQ(seen.direction, Qt::LeftToRight) << "-reverse mirrored the window";
  EXPECT_NE(seen.style.toLower(), QStringLiteral("windows")) << "-style was obeyed";
}

}  // namespace
}  // namespace velmora::platform
