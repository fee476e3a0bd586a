// A dialog's controls as toolkit widgets: labels, pictures, edit boxes, list
// boxes, radio buttons and owner-drawn buttons, each reporting to the dialog
// procedure as the template's control would.
#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

#include "platform/common/control_rules.h"
#include "platform/qt/resource_images.h"
#include "platform/qt/surface_objects.h"
#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

LParam HandleOf(Window* control) { return reinterpret_cast<LParam>(control); }

void Notify(Window* control, std::uint16_t code) {
  Deliver(control->parent, WM_COMMAND, MakeWParam(control->id, code), HandleOf(control));
}

// Drawn by the dialog procedure on WM_DRAWITEM, into the control's surface,
// which the button then shows.
class OwnerDrawButton : public QAbstractButton {
 public:
  OwnerDrawButton(Window* control, QWidget* parent) : QAbstractButton(parent), control_(control) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!IsLive(control_)) return;
    Surface* surface = ControlSurface(control_);
    // Each item is drawn afresh, on the dialog's background, in the
    // control's font with the surface's first colours.
    surface->image.fill(parentWidget()->palette().color(QPalette::Window));
    surface->textColour = kColourBlack;
    surface->backgroundColour = kColourWhite;
    surface->backgroundMode = BackgroundMode::kOpaque;
    DrawItem item{control_->id, control_, surface, {0, 0, width(), height()}};
    Deliver(control_->parent, WM_DRAWITEM, control_->id, reinterpret_cast<LParam>(&item));
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), SurfaceImage(surface));
  }

 private:
  Window* control_;
};

// A box whose typing the dialog procedure does itself: every character typed,
// composed or pasted goes to the dialog as WM_CHAR, one unit at a time, in
// the order typed; Backspace too. Other keys (arrows, Delete, undo) keep
// the box's own handling.
class DialogTypedEdit : public QLineEdit {
 public:
  DialogTypedEdit(Window* control, QWidget* parent) : QLineEdit(parent), control_(control) {
    setDragEnabled(false);
    setAcceptDrops(false);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    constexpr Qt::KeyboardModifiers kCommandKeys =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->matches(QKeySequence::Paste)) {
      Type(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
      return;
    }
    if ((event->modifiers() & kCommandKeys) == 0) {
      if (event->key() == Qt::Key_Backspace) {
        Type(QString(QChar(kBackspace)));
        return;
      }
      const QString text = event->text();
      if (!text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar unit) {
            return unit.unicode() >= u' ' && unit.unicode() != kDelete;
          })) {
        Type(text);
        return;
      }
    }
    QLineEdit::keyPressEvent(event);
  }

  void inputMethodEvent(QInputMethodEvent* event) override {
    Type(event->commitString());
    event->accept();
  }

  // The middle button pastes the selection, as the desktop does.
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::MiddleButton) {
      Type(QGuiApplication::clipboard()->text(QClipboard::Selection));
      return;
    }
    QLineEdit::mouseReleaseEvent(event);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
      if (action->objectName() != QStringLiteral("edit-paste")) continue;
      action->disconnect();
      QObject::connect(action, &QAction::triggered, this,
                       [this] { Type(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    menu->exec(event->globalPos());
    delete menu;
  }

 private:
  static constexpr char16_t kBackspace = 0x08;
  static constexpr char16_t kDelete = 0x7F;

  void Type(const QString& text) {
    for (QChar unit : text) {
      if (!IsLive(control_)) return;
      Deliver(control_->parent, WM_CHAR, unit.unicode(), HandleOf(control_));
    }
  }

  Window* control_;
};

// A bitmap at the screen's pixel ratio: each pixel a whole square of device
// pixels, so that small drawings stay sharp.
QPixmap PictureFor(std::uint16_t bitmapId, const QWidget* shownIn) {
  QImage image = ResourceImage(ResourceType::kBitmap, bitmapId, ImageBackground::kKept);
  const int ratio = std::max(1, static_cast<int>(std::ceil(shownIn->devicePixelRatioF())));
  if (ratio > 1 && !image.isNull()) {
    image = image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(ratio);
  }
  return QPixmap::fromImage(image);
}

// Checks `clicked` and unchecks the other radio buttons of its group, as an
// automatic radio button does when the reader chooses it.
void CheckInGroup(Window* clicked) {
  for (Window* control : clicked->parent->dialog->controls) {
    if (control->control->kind == ControlKind::kRadioButton &&
        control->control->group == clicked->control->group) {
      const QSignalBlocker quiet(control->widget);
      static_cast<QRadioButton*>(control->widget)->setChecked(control == clicked);
    }
  }
}

QWidget* MakeEdit(Window* control, const ControlTemplate& item, QWidget* parent) {
  const bool border = (item.style & kControlBorder) != 0;
  const Qt::Alignment side = (item.style & kEditRightAlign) != 0 ? Qt::AlignRight : Qt::AlignLeft;
  if ((item.style & kEditMultiLine) == 0) {
    auto* edit = (item.style & kEditTypedByDialog) != 0 ? new DialogTypedEdit(control, parent)
                                                        : new QLineEdit(parent);
    edit->setFrame(border);
    edit->setAlignment(side | Qt::AlignAbsolute);
    return edit;
  }
  auto* edit = new QPlainTextEdit(parent);
  edit->setTabChangesFocus(true);
  if (!border) edit->setFrameShape(QFrame::NoFrame);
  // The program orders its letters itself: the box lays them out left to
  // right and aligns them as asked.
  QTextOption option = edit->document()->defaultTextOption();
  option.setAlignment(side | Qt::AlignAbsolute);
  option.setTextDirection(Qt::LeftToRight);
  edit->document()->setDefaultTextOption(option);
  return edit;
}

// A list box that tells the dialog of the reader's actions alone, each once
// the selection has moved: a press on an item (the selected one too), and a
// selection moved by keys or by dragging. The program's own changes and the
// current row that the list picks for itself on taking the focus are no
// actions of the reader's; the toolkit's signals cannot tell them apart, and
// they come before the selection has moved on a press.
class ListBox : public QListWidget {
 public:
  ListBox(Window* control, bool notifies, QWidget* parent)
      : QListWidget(parent), control_(control), notifies_(notifies) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QListWidget::mousePressEvent(event);
    if (itemAt(event->position().toPoint()) != nullptr) Tell();
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    const int before = SelectedRow();
    QListWidget::mouseMoveEvent(event);
    if (SelectedRow() != before) Tell();
  }

  void keyPressEvent(QKeyEvent* event) override {
    const int before = SelectedRow();
    QListWidget::keyPressEvent(event);
    if (SelectedRow() != before) Tell();
  }

 private:
  int SelectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? kNoSelection : row(selected.first());
  }

  void Tell() {
    if (notifies_ && IsLive(control_)) Notify(control_, LBN_SELCHANGE);
  }

  Window* control_;
  bool notifies_;
};

QWidget* MakeListBox(Window* control, const ControlTemplate& item, QWidget* parent) {
  auto* list = new ListBox(control, (item.style & kListNotify) != 0, parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  if ((item.style & kControlBorder) == 0) list->setFrameShape(QFrame::NoFrame);
  if ((item.style & kControlVScroll) == 0) {
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  return list;
}

QWidget* MakeWidget(Window* control, const ControlTemplate& item, QWidget* parent) {
  switch (item.kind) {
    case ControlKind::kStaticText: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(((item.style & kStaticCentre) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) |
                          Qt::AlignTop);
      return label;
    }
    case ControlKind::kStaticBitmap: {
      auto* picture = new QLabel(parent);
      picture->setPixmap(PictureFor(item.bitmapId, parent));
      return picture;
    }
    case ControlKind::kEdit:
      return MakeEdit(control, item, parent);
    case ControlKind::kListBox:
      return MakeListBox(control, item, parent);
    case ControlKind::kRadioButton: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);
      QObject::connect(radio, &QAbstractButton::clicked, radio, [control] {
        CheckInGroup(control);
        Notify(control, BN_CLICKED);
      });
      return radio;
    }
    case ControlKind::kOwnerDrawButton: {
      auto* button = new OwnerDrawButton(control, parent);
      button->setCursor(Qt::PointingHandCursor);
      QObject::connect(button, &QAbstractButton::clicked, button,
                       [control] { Notify(control, BN_CLICKED); });
      return button;
    }
  }
  return nullptr;
}

// The desktop's fonts run wider than the handheld's: a label of one line
// grows to show its whole text; a taller one wraps its words within its box.
void FitLabel(QLabel* label) {
  const int lineHeight = label->fontMetrics().height();
  if (label->height() >= 2 * lineHeight) {
    label->setWordWrap(true);
    return;
  }
  label->resize(std::max(label->width(), label->sizeHint().width()),
                std::max(label->height(), lineHeight));
}

Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& item) {
  switch (item.kind) {
    case ControlKind::kStaticText:
    case ControlKind::kStaticBitmap:
      return Qt::NoFocus;
    default:
      return (item.style & kControlTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus;
  }
}

}  // namespace

void BuildControls(Window* dialog) {
  const std::span<const ControlTemplate> items = dialog->dialog->dialogTemplate->controls;
  const std::vector<int> groups = rules::ControlGroups(items);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const ControlTemplate& item = items[i];
    Window* control = NewWindow(WindowKind::kControl, dialog);
    control->id = item.id;
    ControlState& state = *control->control;
    state.kind = item.kind;
    state.style = item.style;
    state.group = groups[i];
    QWidget* widget = MakeWidget(control, item, dialog->client);
    control->widget = widget;
    const Rect place =
        MapDialogRect(dialog, {item.x, item.y, item.x + item.width, item.y + item.height});
    widget->setGeometry(place.left, place.top, place.right - place.left, place.bottom - place.top);
    // A picture takes the size of its bitmap.
    if (item.kind == ControlKind::kStaticBitmap) widget->adjustSize();
    widget->setFocusPolicy(FocusPolicyOf(item));
    SetControlText(control, item.text);
    if (item.kind == ControlKind::kStaticText) FitLabel(static_cast<QLabel*>(widget));
    dialog->dialog->controls.push_back(control);
  }
}

Surface* ControlSurface(Window* control) {
  const QSize size = control->widget->size();
  if (control->surface == nullptr || size != control->clientSize) {
    control->clientSize = size;
    ResizeSurface(control, size, nullptr);
  }
  Font* font = control->control->font;
  SelectFont(control->surface, font != nullptr ? font : control->parent->dialog->surfaceFont);
  return control->surface;
}

void ReleaseControl(Window* control) {
  DestroyQtSurface(control->surface);
  control->surface = nullptr;
  DeleteFont(control->control->font);
  control->control->font = nullptr;
}

}  // namespace velmora::platform
