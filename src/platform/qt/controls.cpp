// The state of dialog controls: text, font, check marks and list boxes.
// Every operation ignores a null, destroyed or unsuitable control; the
// program's own changes notify nobody.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

#include "platform/common/control_rules.h"
#include "platform/dialog.h"
#include "platform/qt/window_objects.h"

namespace velmora::platform {
namespace {

// Edit boxes show their units left to right as given: the program orders
// right-to-left text itself.
constexpr QChar kLeftToRightOverride(0x202D);
constexpr QChar kPopDirectionalFormatting(0x202C);
constexpr QChar kMnemonicMark(u'&');

bool IsControl(const Window* control, ControlKind kind) {
  return IsLive(control) && control->kind == WindowKind::kControl && control->control->kind == kind;
}

QListWidget* ListOf(WindowHandle control) {
  return IsControl(control, ControlKind::kListBox) ? static_cast<QListWidget*>(control->widget)
                                                   : nullptr;
}

// A label without kControlNoPrefix hides its mnemonic marks; "&&" shows one.
QString LabelText(const QString& text, std::uint32_t style) {
  if ((style & kControlNoPrefix) != 0) return text;
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != kMnemonicMark) {
      shown.append(text[i]);
    } else if (i + 1 < text.size()) {
      shown.append(text[++i]);
    }
  }
  return shown;
}

// Each line wrapped in a left-to-right override; lines end in "\n" inside
// the box and in "\r\n" in the program's text.
QString ToEditText(const QString& text) {
  QStringList lines = QString(text).remove(u'\r').split(u'\n');
  for (QString& line : lines) line = kLeftToRightOverride + line + kPopDirectionalFormatting;
  return lines.join(u'\n');
}

QString FromEditText(QString text, bool multiLine) {
  text.remove(kLeftToRightOverride).remove(kPopDirectionalFormatting);
  if (multiLine) text.replace(u'\n', QStringLiteral("\r\n"));
  return text;
}

// The items' texts as the list box rules read them.
auto ItemTexts(const QListWidget* list) {
  return [list](int row) { return list->item(row)->text().toStdU16String(); };
}

}  // namespace

void SetControlText(WindowHandle control, std::u16string_view text) {
  if (!IsLive(control) || control->kind != WindowKind::kControl) return;
  ControlState& state = *control->control;
  state.text = std::u16string(text);
  const QString shown = ToQString(text);
  switch (state.kind) {
    case ControlKind::kStaticText:
      static_cast<QLabel*>(control->widget)->setText(LabelText(shown, state.style));
      return;
    case ControlKind::kEdit: {
      const QSignalBlocker quiet(control->widget);
      if (auto* edit = qobject_cast<QPlainTextEdit*>(control->widget)) {
        edit->setPlainText(ToEditText(shown));
      } else {
        auto* line = static_cast<QLineEdit*>(control->widget);
        line->setText(ToEditText(shown));
        // As on the handheld: the caret at the left end, nothing selected.
        line->setCursorPosition(1);
      }
      return;
    }
    case ControlKind::kRadioButton:
      static_cast<QRadioButton*>(control->widget)->setText(shown);
      return;
    case ControlKind::kOwnerDrawButton:
      control->widget->update();
      return;
    case ControlKind::kStaticBitmap:
    case ControlKind::kListBox:
      return;
  }
}

std::u16string GetControlText(WindowHandle control) {
  if (!IsLive(control) || control->kind != WindowKind::kControl) return {};
  if (control->control->kind != ControlKind::kEdit) return control->control->text;
  if (auto* edit = qobject_cast<QPlainTextEdit*>(control->widget)) {
    return FromEditText(edit->toPlainText(), true).toStdU16String();
  }
  return FromEditText(static_cast<QLineEdit*>(control->widget)->text(), false).toStdU16String();
}

Font* GetControlFont(WindowHandle control) {
  if (!IsLive(control) || control->kind != WindowKind::kControl) return nullptr;
  Font* given = control->control->givenFont;
  return given != nullptr ? given : control->parent->dialog->surfaceFont;
}

// The control keeps a copy of the font for its surface, so that the caller
// may delete its own whenever it likes.
void SetControlFont(WindowHandle control, Font* font, bool redraw) {
  if (!IsLive(control) || control->kind != WindowKind::kControl) return;
  ControlState& state = *control->control;
  state.givenFont = font;
  DeleteFont(state.font);
  state.font = font != nullptr ? CreateFont(DescribeFont(font)) : nullptr;
  control->widget->setFont(font != nullptr ? QtFontOf(font) : control->parent->dialog->font);
  if (redraw) control->widget->update();
}

// --- Single-line edit boxes ----------------------------------------------------
// The box holds the text between the override marks: position p of the
// program's text is the box's position p + 1.

namespace {

QLineEdit* LineEditOf(WindowHandle control) {
  if (!IsControl(control, ControlKind::kEdit)) return nullptr;
  return qobject_cast<QLineEdit*>(control->widget);
}

// Puts the marks back when an edit of the reader's removed one.
void KeepMarks(QLineEdit* edit) {
  const QString text = edit->text();
  if (text.startsWith(kLeftToRightOverride) && text.endsWith(kPopDirectionalFormatting) &&
      text.size() >= 2) {
    return;
  }
  const QSignalBlocker quiet(edit);
  const int caret = edit->cursorPosition();
  edit->setText(ToEditText(FromEditText(text, false)));
  edit->setCursorPosition(std::clamp(caret + 1, 1, static_cast<int>(edit->text().size()) - 1));
}

int ProgramLength(const QLineEdit* edit) { return static_cast<int>(edit->text().size()) - 2; }

int ClampedPosition(const QLineEdit* edit, std::int32_t position) {
  const int length = ProgramLength(edit);
  if (position == kEditSelectToEnd || position > length) return length;
  return std::max(position, 0);
}

}  // namespace

void SetEditLimit(WindowHandle control, std::int32_t units) {
  if (IsControl(control, ControlKind::kEdit)) control->control->editLimit = units;
}

void ReplaceEditSelection(WindowHandle control, std::u16string_view text) {
  QLineEdit* edit = LineEditOf(control);
  if (edit == nullptr) return;
  KeepMarks(edit);
  const EditSelection selection = GetEditSelection(control);
  const int kept = ProgramLength(edit) - (selection.end - selection.start);
  const int room = std::max(control->control->editLimit - kept, 0);
  const QString inserted = ToQString(text).left(room);
  const QSignalBlocker quiet(edit);
  if (selection.start != selection.end) {
    edit->setSelection(selection.start + 1, selection.end - selection.start);
  } else {
    edit->setCursorPosition(selection.start + 1);
  }
  // insert() replaces the selection as one undoable step.
  if (inserted.isEmpty()) {
    edit->del();
  } else {
    edit->insert(inserted);
  }
}

EditSelection GetEditSelection(WindowHandle control) {
  QLineEdit* edit = LineEditOf(control);
  if (edit == nullptr) return {};
  KeepMarks(edit);
  // The marks themselves may be inside a selection of the reader's.
  const int length = ProgramLength(edit);
  auto inText = [length](int boxPosition) { return std::clamp(boxPosition - 1, 0, length); };
  if (edit->hasSelectedText())
    return {inText(edit->selectionStart()), inText(edit->selectionEnd())};
  const int caret = inText(edit->cursorPosition());
  return {caret, caret};
}

void SetEditSelection(WindowHandle control, std::int32_t start, std::int32_t end) {
  QLineEdit* edit = LineEditOf(control);
  if (edit == nullptr) return;
  KeepMarks(edit);
  const int from = ClampedPosition(edit, start);
  const int to = ClampedPosition(edit, end);
  const QSignalBlocker quiet(edit);
  if (from == to) {
    edit->setCursorPosition(from + 1);
  } else {
    edit->setSelection(from + 1, to - from);
  }
}

void SetButtonCheck(WindowHandle control, bool checked) {
  if (!IsControl(control, ControlKind::kRadioButton)) return;
  const QSignalBlocker quiet(control->widget);
  static_cast<QRadioButton*>(control->widget)->setChecked(checked);
}

bool IsButtonChecked(WindowHandle control) {
  return IsControl(control, ControlKind::kRadioButton) &&
         static_cast<QRadioButton*>(control->widget)->isChecked();
}

void ListBoxReset(WindowHandle control) {
  QListWidget* list = ListOf(control);
  if (list == nullptr) return;
  const QSignalBlocker quiet(list);
  list->clear();
}

int ListBoxAddString(WindowHandle control, std::u16string_view text) {
  QListWidget* list = ListOf(control);
  if (list == nullptr) return kNoSelection;
  const int place = (control->control->style & kListSorted) != 0
                        ? rules::SortedPlace(list->count(), ItemTexts(list), text)
                        : list->count();
  const QSignalBlocker quiet(list);
  list->insertItem(place, ToQString(text));
  return place;
}

int ListBoxSelectString(WindowHandle control, std::u16string_view prefix) {
  QListWidget* list = ListOf(control);
  if (list == nullptr) return kNoSelection;
  const int row = rules::FirstItemBeginningWith(list->count(), ItemTexts(list), prefix);
  if (row == kNoSelection) return kNoSelection;
  const QSignalBlocker quiet(list);
  list->setCurrentRow(row);
  list->scrollToItem(list->item(row));
  return row;
}

int ListBoxCurrentSelection(WindowHandle control) {
  const QListWidget* list = ListOf(control);
  if (list == nullptr) return kNoSelection;
  const int row = list->currentRow();
  return row >= 0 && list->item(row)->isSelected() ? row : kNoSelection;
}

std::u16string ListBoxText(WindowHandle control, int index) {
  const QListWidget* list = ListOf(control);
  if (list == nullptr || index < 0 || index >= list->count()) return {};
  return list->item(index)->text().toStdU16String();
}

int ListBoxCount(WindowHandle control) {
  const QListWidget* list = ListOf(control);
  return list == nullptr ? 0 : list->count();
}

}  // namespace velmora::platform
