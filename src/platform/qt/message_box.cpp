#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>

#include "platform/common/control_rules.h"
#include "platform/message_box.h"
#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

// A box needs a screen; without one (the companion tool, an offscreen run)
// the text goes to standard error and the first button answers.
bool CanShowBoxes() {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (app == nullptr) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

int ShowMessageBox(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                   std::uint32_t style) {
  const QString title = ToQString(caption.empty() ? kDefaultCaption : caption);
  // A quit posted before the box ends it at once, as it ends every loop;
  // a question is then cancelled.
  if (QuitPosted()) {
    return rules::DecodeBoxStyle(style).buttons == rules::BoxButtons::kYesNoCancel ? kIdCancel
                                                                                   : kIdOk;
  }
  if (!CanShowBoxes()) {
    std::fprintf(stderr, "%s: %s\n", title.toUtf8().constData(),
                 ToQString(text).toUtf8().constData());
    return rules::FirstButton(style);
  }
  const rules::BoxStyle decoded = rules::DecodeBoxStyle(style);
  const bool question = decoded.buttons == rules::BoxButtons::kYesNoCancel;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if (decoded.icon == rules::BoxIcon::kStop) icon = QMessageBox::Critical;
  if (decoded.icon == rules::BoxIcon::kWarning) icon = QMessageBox::Warning;
  QMessageBox box(
      icon, title, ToQString(text),
      question ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok,
      WidgetOf(owner));
  switch (box.exec()) {
    case QMessageBox::Yes:
      return kIdYes;
    case QMessageBox::No:
      return kIdNo;
    case QMessageBox::Cancel:
      return kIdCancel;
    default:
      return kIdOk;
  }
}

}  // namespace velmora::platform
