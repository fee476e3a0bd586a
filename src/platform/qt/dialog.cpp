// Modal dialogs built from templates: the dialog and its client area, its
// font and dialog units, its OK button row, and the modal run.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/dialog.h"
#include "platform/qt/client_widget.h"
#include "platform/qt/window_objects.h"
#include "platform/resources.h"

namespace velmora::platform {
namespace {

// Dialog units: a quarter of the average character width across, an eighth
// of the character height down.
constexpr int kUnitsPerCharacterX = 4;
constexpr int kUnitsPerCharacterY = 8;
constexpr char16_t kAverageWidthSample[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kSampleLetterPairs = 26;
// A dialog whose run was ended by the end of the program, not by EndDialog.
constexpr std::intptr_t kResultWithoutEnd = IDCANCEL;

std::vector<Window*> running_dialogs;

// a * b / c rounded to the nearest integer.
int MulDivRounded(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

class DialogWidget : public QDialog {
 public:
  explicit DialogWidget(Window* window) : window_(window) {}

  void Command(std::uint16_t id) { Deliver(window_, WM_COMMAND, MakeWParam(id, BN_CLICKED), 0); }

 protected:
  bool event(QEvent* event) override {
    DeliverActivation(window_, event);
    return QDialog::event(event);
  }

  // Return is OK and Escape Cancel; the procedure decides whether the dialog
  // ends.
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Command(IDOK);
        return;
      case Qt::Key_Escape:
        Command(IDCANCEL);
        return;
      default:
        QDialog::keyPressEvent(event);
    }
  }

  void accept() override { Command(IDOK); }
  void reject() override { Command(IDCANCEL); }

  void closeEvent(QCloseEvent* event) override {
    if (!IsLive(window_) || window_->dialog->ended) {
      event->accept();
      return;
    }
    event->ignore();
    Command(IDCANCEL);
  }

  void resizeEvent(QResizeEvent*) override {
    if (IsLive(window_)) PlaceFrameChildren(window_);
  }

 private:
  Window* window_;
};

// The handheld's system font is the desktop's dialog font here, unless the
// template names a face that is installed.
QFont DialogFont(const DialogTemplate& dialogTemplate) {
  const QString face = ToQString(dialogTemplate.fontName);
  if (!face.isEmpty() && dialogTemplate.fontPoints > 0 && QFontDatabase::hasFamily(face)) {
    return QFont(face, dialogTemplate.fontPoints);
  }
  return QApplication::font("QDialog");
}

void SetUpFont(Window* dialog) {
  DialogState& state = *dialog->dialog;
  state.font = DialogFont(*state.dialogTemplate);
  const QFontMetrics metrics(state.font);
  const int sample = metrics.horizontalAdvance(QString::fromUtf16(kAverageWidthSample));
  state.baseUnitX = std::max((sample / kSampleLetterPairs + 1) / 2, 1);
  state.baseUnitY = std::max(metrics.height(), 1);
  FontDescription description;
  description.height = -QFontInfo(state.font).pixelSize();  // the em size
  description.weight = state.font.weight();
  const std::u16string family = state.font.family().toStdU16String();
  family.copy(description.faceName, std::size(description.faceName) - 1);
  state.surfaceFont = CreateFont(description);
}

QRect DialogUnitsToPixels(Window* dialog, int x, int y, int width, int height) {
  const Rect pixels = MapDialogRect(dialog, {x, y, x + width, y + height});
  return {pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top};
}

// Centred over the owner, or on the screen without one.
void Centre(QWidget* widget, const Window* owner) {
  QRect area;
  if (IsLive(owner)) {
    area = owner->widget->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  widget->move(area.center() - QPoint(widget->width() / 2, widget->height() / 2));
}

// Kept above its owner by the window system.
void StackOver(QWidget* widget, const Window* owner) {
  if (!IsLive(owner) || owner->widget->windowHandle() == nullptr) return;
  widget->winId();
  if (QWindow* window = widget->windowHandle()) {
    window->setTransientParent(owner->widget->windowHandle());
  }
}

void FocusFirstTabStop(const Window* dialog) {
  for (Window* control : dialog->dialog->controls) {
    if ((control->control->style & kControlTabStop) != 0) {
      control->widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

Window* MakeDialog(const DialogTemplate& dialogTemplate, Window* owner, DialogProc procedure,
                   std::unique_ptr<DialogWidget>& widget) {
  Window* dialog = NewWindow(WindowKind::kDialog, IsLive(owner) ? owner : nullptr);
  DialogState& state = *dialog->dialog;
  state.dialogTemplate = &dialogTemplate;
  state.drawsItself = dialogTemplate.controls.empty();
  widget = std::make_unique<DialogWidget>(dialog);
  dialog->widget = widget.get();
  SetUpFont(dialog);
  widget->setFont(state.font);
  widget->setWindowTitle(ToQString(dialogTemplate.caption));
  widget->setSizeGripEnabled(false);
  auto* client = new ClientWidget(dialog, widget.get());
  dialog->client = client;
  if (state.drawsItself) {
    client->setAttribute(Qt::WA_OpaquePaintEvent);
    client->setFocus(Qt::OtherFocusReason);
  } else {
    // A click on the surface between the controls (a picture of keys)
    // leaves the focus in the control that has it.
    client->setFocusPolicy(Qt::NoFocus);
  }
  BuildControls(dialog);
  const QRect size = DialogUnitsToPixels(dialog, 0, 0, dialogTemplate.width, dialogTemplate.height);
  widget->resize(size.size());
  PlaceFrameChildren(dialog);
  if ((dialogTemplate.exStyle & WS_EX_CAPTIONOKBTN) != 0) EnsureOkRow(dialog);
  Centre(widget.get(), owner);
  StackOver(widget.get(), owner);
  state.procedure = procedure;
  return dialog;
}

// The desktop's fonts run wider than the handheld's, and a procedure may
// size a control to its text: a dialog that the shell did not size grows to
// hold its controls, with the margins they keep at the left and top also at
// the right and bottom.
void FitControls(Window* dialog) {
  const DialogState& state = *dialog->dialog;
  if (state.sizedByShell || state.controls.empty()) return;
  QRect used;
  QPoint margin(dialog->clientSize.width(), dialog->clientSize.height());
  for (const Window* control : state.controls) {
    const QRect place = control->widget->geometry();
    used |= place;
    margin.setX(std::min(margin.x(), std::max(place.left(), 0)));
    margin.setY(std::min(margin.y(), std::max(place.top(), 0)));
  }
  const QSize needed(used.right() + 1 + margin.x(), used.bottom() + 1 + margin.y());
  const QSize client = dialog->clientSize.expandedTo(needed);
  if (client == dialog->clientSize) return;
  QWidget* widget = dialog->widget;
  const int belowClient = widget->height() - dialog->clientSize.height();
  widget->resize(client.width(), client.height() + belowClient);
  PlaceFrameChildren(dialog);
  Centre(widget, dialog->parent);
}

// Everything the dialog owns goes; its records stay, not live, so that a
// stale handle is harmless.
void FreeDialog(Window* dialog) {
  for (Window* control : dialog->dialog->controls) {
    ReleaseControl(control);
    RetireWindow(control);
    delete control->control;
    control->control = nullptr;
  }
  DeleteFont(dialog->dialog->surfaceFont);
  RetireWindow(dialog);
  delete dialog->dialog;
  dialog->dialog = nullptr;
  dialog->scrollBar = nullptr;
}

}  // namespace

std::intptr_t DialogBoxParam(std::uint16_t templateId, WindowHandle owner, DialogProc procedure,
                             LParam parameter) {
  const DialogTemplate* dialogTemplate = platform::FindDialogTemplate(templateId);
  if (dialogTemplate == nullptr || procedure == nullptr ||
      qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    return -1;
  }
  std::unique_ptr<DialogWidget> widget;
  Window* dialog = MakeDialog(*dialogTemplate, owner, procedure, widget);
  DialogState& state = *dialog->dialog;
  state.running = true;
  running_dialogs.push_back(dialog);
  if (Deliver(dialog, WM_INITDIALOG, 0, parameter) != 0) FocusFirstTabStop(dialog);
  if (!state.ended) FitControls(dialog);
  if (!state.ended) SendSizeIfChanged(dialog);
  // A quit posted before the run ends it at once, as it ends every loop.
  if (!state.ended && !QuitPosted()) widget->exec();
  state.running = false;
  std::erase(running_dialogs, dialog);
  Deliver(dialog, WM_DESTROY, 0, 0);
  const std::intptr_t result = state.ended ? state.result : kResultWithoutEnd;
  FreeDialog(dialog);
  widget.reset();
  return result;
}

void EndDialog(WindowHandle dialog, std::intptr_t result) {
  if (!IsLive(dialog) || dialog->kind != WindowKind::kDialog || !dialog->dialog->running) return;
  DialogState& state = *dialog->dialog;
  state.ended = true;
  state.result = result;
  // Inside the procedure, the dialog closes when the message is handled.
  if (state.depth == 0) static_cast<QDialog*>(dialog->widget)->done(0);
}

WindowHandle GetDlgItem(WindowHandle dialog, std::uint16_t id) {
  if (!IsLive(dialog) || dialog->kind != WindowKind::kDialog) return nullptr;
  for (Window* control : dialog->dialog->controls) {
    if (control->id == id) return control;
  }
  return nullptr;
}

WindowHandle GetParent(WindowHandle window) {
  if (!IsLive(window) || window->kind == WindowKind::kTopLevel) return nullptr;
  return window->parent;
}

Size DialogBaseUnits(WindowHandle dialog) {
  if (!IsLive(dialog) || dialog->kind != WindowKind::kDialog) return {};
  return {dialog->dialog->baseUnitX, dialog->dialog->baseUnitY};
}

Rect MapDialogRect(WindowHandle dialog, const Rect& dialogUnits) {
  if (!IsLive(dialog) || dialog->kind != WindowKind::kDialog) return dialogUnits;
  const DialogState& state = *dialog->dialog;
  return {MulDivRounded(dialogUnits.left, state.baseUnitX, kUnitsPerCharacterX),
          MulDivRounded(dialogUnits.top, state.baseUnitY, kUnitsPerCharacterY),
          MulDivRounded(dialogUnits.right, state.baseUnitX, kUnitsPerCharacterX),
          MulDivRounded(dialogUnits.bottom, state.baseUnitY, kUnitsPerCharacterY)};
}

void EnsureOkRow(Window* dialog) {
  DialogState& state = *dialog->dialog;
  if (state.okRow != nullptr) return;
  QWidget* widget = dialog->widget;
  auto* row = new QDialogButtonBox(QDialogButtonBox::Ok, widget);
  const int margin = widget->style()->pixelMetric(QStyle::PM_LayoutBottomMargin);
  row->setContentsMargins(margin, 0, margin, margin);
  QObject::connect(row, &QDialogButtonBox::accepted, row,
                   [widget] { static_cast<DialogWidget*>(widget)->Command(IDOK); });
  state.okRow = row;
  row->show();
  // The row comes below the client area, which keeps its size.
  widget->resize(widget->width(), dialog->clientSize.height() + row->sizeHint().height());
  PlaceFrameChildren(dialog);
}

Window* RunningDialogOf(const QWidget* widget) {
  for (Window* dialog : running_dialogs) {
    if (dialog->widget == widget) return dialog;
  }
  return nullptr;
}

}  // namespace velmora::platform
