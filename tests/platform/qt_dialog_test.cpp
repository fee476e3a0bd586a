// Qt dialogs from the program's templates: the modal run and its result,
// controls reached by id, list boxes, radio buttons, edit text, owner-drawn
// buttons, and dialogs that draw themselves with their own scroll bar.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "list_box_rules.h"
#include "platform/dialog.h"
#include "platform/message_loop.h"
#include "platform/qt/qt_handles.h"
#include "platform/qt/window_objects.h"
#include "platform/shell.h"
#include "qt_message_recorder.h"
#include "resources/control_ids.h"
#include "resources/ids.h"

namespace velmora::platform {
namespace {

using qt_test::Messages;
using qt_test::ProcessPending;
using qt_test::Reaction;
using qt_test::Received;

// What a test does with a running dialog.
using Drive = std::function<void(WindowHandle dialog)>;
// The result a test ends the dialog with after driving it; nothing when what
// it did ends the dialog.
constexpr std::optional<std::intptr_t> kEndsItself;

constexpr std::intptr_t kParameter = 1234;
// Ends a dialog that a failing test left open.
constexpr int kSafetyMilliseconds = 5000;
constexpr std::intptr_t kLeftOpen = -3;

class QtDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qt_test::ResetRecording();
    owner_ = qt_test::MakeRecordingWindow(WS_VISIBLE, 320, 480);
  }
  void TearDown() override {
    DestroyWindow(owner_);
    qt_test::ResetRecording();
    ProcessPending();
  }

  // Runs dialog `templateId` over the owner. Once it runs, `drive` acts on it,
  // then it ends with `endWith` if given; Cancel ends it with IDCANCEL, OK
  // with IDOK.
  std::intptr_t Run(std::uint16_t templateId, std::optional<std::intptr_t> endWith, Drive drive) {
    Reaction() = [this, endWith, drive](const Received& received) -> std::optional<LResult> {
      if (received.window == owner_) return std::nullopt;
      if (received.message == WM_INITDIALOG) {
        dialog_ = received.window;
        EXPECT_EQ(received.lParam, kParameter);
        QTimer::singleShot(0, [endWith, drive, dialog = received.window] {
          drive(dialog);
          if (endWith) EndDialog(dialog, *endWith);
        });
        QTimer::singleShot(kSafetyMilliseconds,
                           [dialog = received.window] { EndDialog(dialog, kLeftOpen); });
        return 1;
      }
      if (received.message == WM_COMMAND &&
          (LowWord(received.wParam) == IDOK || LowWord(received.wParam) == IDCANCEL)) {
        EndDialog(received.window, LowWord(received.wParam));
        return 1;
      }
      return std::nullopt;
    };
    return DialogBoxParam(templateId, owner_, qt_test::RecordingDialogProc, kParameter);
  }

  // The dialog's messages of kind `message`, in order.
  std::vector<Received> DialogMessages(std::uint32_t message) const {
    std::vector<Received> found;
    for (const Received& received : Messages()) {
      if (received.window == dialog_ && received.message == message) found.push_back(received);
    }
    return found;
  }

  std::vector<std::uint32_t> DialogMessageNumbers(
      std::initializer_list<std::uint32_t> kinds) const {
    std::vector<std::uint32_t> numbers;
    for (const Received& received : Messages()) {
      if (received.window == dialog_ &&
          std::find(kinds.begin(), kinds.end(), received.message) != kinds.end()) {
        numbers.push_back(received.message);
      }
    }
    return numbers;
  }

  WindowHandle owner_ = nullptr;
  WindowHandle dialog_ = nullptr;
};

TEST_F(QtDialogTest, RunSendsInitSizeAndDestroyAndReturnsTheEndResult) {
  const std::intptr_t result = Run(resources::kDialogFont, kEndsItself, [](WindowHandle dialog) {
    // The reader's Escape, from the focused list, reaches the dialog as Cancel.
    QTest::keyClick(WidgetOf(GetDlgItem(dialog, resources::kIdcFaceList)), Qt::Key_Escape);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(DialogMessageNumbers({WM_INITDIALOG, WM_SIZE, WM_COMMAND, WM_DESTROY}),
            (std::vector<std::uint32_t>{WM_INITDIALOG, WM_SIZE, WM_COMMAND, WM_DESTROY}));
  EXPECT_EQ(DialogMessages(WM_COMMAND).front().wParam, MakeWParam(IDCANCEL, 0));
  const Rect client = GetClientRect(dialog_);
  EXPECT_EQ(client.right, 0) << "the dialog is gone after its run";
  EXPECT_EQ(GetDlgItem(dialog_, resources::kIdcFaceList), nullptr);
}

TEST_F(QtDialogTest, EndDialogWhileInitialisingSkipsTheRun) {
  Reaction() = [](const Received& received) -> std::optional<LResult> {
    if (received.message == WM_INITDIALOG) EndDialog(received.window, 42);
    return std::nullopt;
  };
  EXPECT_EQ(DialogBoxParam(resources::kDialogFont, owner_, qt_test::RecordingDialogProc, 0), 42);
  EXPECT_EQ(DialogBoxParam(0xFFFF, owner_, qt_test::RecordingDialogProc, 0), -1);
}

// A quit posted before a dialog runs ends its run at once, as the quit ends
// every loop; the message loop that follows still ends with its code.
TEST_F(QtDialogTest, AQuitPostedBeforeTheRunEndsItAtOnce) {
  bool driven = false;
  PostQuitMessage(6);
  EXPECT_EQ(Run(resources::kDialogFont, IDOK, [&driven](WindowHandle) { driven = true; }),
            IDCANCEL);
  EXPECT_FALSE(driven);
  EXPECT_EQ(DialogMessageNumbers({WM_INITDIALOG, WM_DESTROY}),
            (std::vector<std::uint32_t>{WM_INITDIALOG, WM_DESTROY}));
  EXPECT_EQ(RunMessageLoop(), 6);
}

TEST_F(QtDialogTest, ControlsAnswerByIdAndNullControlsDoNothing) {
  Run(resources::kDialogFont, IDOK, [this](WindowHandle dialog) {
    EXPECT_EQ(GetParent(dialog), owner_);
    WindowHandle face = GetDlgItem(dialog, resources::kIdcFaceList);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetParent(face), dialog);
    const Rect place = GetWindowRect(face);
    const Rect units = MapDialogRect(dialog, {7, 7, 114, 101});
    EXPECT_EQ(place.left, units.left);
    EXPECT_EQ(place.bottom, units.bottom);

    WindowHandle missing = GetDlgItem(dialog, resources::kIdcBase97);
    EXPECT_EQ(missing, nullptr);
    SetButtonCheck(missing, true);
    SetControlText(missing, u"x");
    EXPECT_FALSE(IsButtonChecked(missing));
    EXPECT_TRUE(GetControlText(missing).empty());
    EXPECT_EQ(ListBoxCount(missing), 0);
    EXPECT_EQ(ListBoxAddString(missing, u"x"), kNoSelection);
    EXPECT_EQ(ListBoxSelectString(missing, u"x"), kNoSelection);
    EXPECT_EQ(ListBoxCurrentSelection(missing), kNoSelection);

    // The edit box shows the program's units in their order and gives them
    // back as set, lines ending in CR LF.
    WindowHandle preview = GetDlgItem(dialog, resources::kIdcPreview);
    const std::u16string letters = u"\u05EA\u05E9\u05E8\r\n\u05D0";
    SetControlText(preview, letters);
    EXPECT_EQ(GetControlText(preview), letters);
    EXPECT_TRUE(
        static_cast<QPlainTextEdit*>(WidgetOf(preview))->toPlainText().startsWith(QChar(0x202D)));
  });
}

TEST_F(QtDialogTest, RadioButtonsCheckWithinTheirGroupOnlyWhenChosen) {
  Run(resources::kDialogFont, IDOK, [this](WindowHandle dialog) {
    WindowHandle base224 = GetDlgItem(dialog, resources::kIdcBase224);
    WindowHandle base1488 = GetDlgItem(dialog, resources::kIdcBase1488);
    static_cast<QAbstractButton*>(WidgetOf(base224))->click();
    static_cast<QAbstractButton*>(WidgetOf(base1488))->click();
    EXPECT_FALSE(IsButtonChecked(base224));
    EXPECT_TRUE(IsButtonChecked(base1488));
    const auto commands = DialogMessages(WM_COMMAND);
    EXPECT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands.back().wParam, MakeWParam(resources::kIdcBase1488, 0));
    EXPECT_EQ(commands.back().lParam, reinterpret_cast<LParam>(base1488));
    // The program's own check leaves the other buttons as they are.
    SetButtonCheck(base224, true);
    EXPECT_TRUE(IsButtonChecked(base1488));
    EXPECT_EQ(DialogMessages(WM_COMMAND).size(), 2u);
  });
}

TEST_F(QtDialogTest, SortedListBoxFollowsTheRulesOfEveryBackend) {
  Run(resources::kDialogFont, IDOK, [](WindowHandle dialog) {
    test::CheckSortedListBoxRules(GetDlgItem(dialog, resources::kIdcFaceList));
  });
}

TEST_F(QtDialogTest, ListBoxesSortSelectByPrefixAndNotifyOnlyTheReadersChoice) {
  Run(resources::kDialogFont, IDOK, [this](WindowHandle dialog) {
    WindowHandle sorted = GetDlgItem(dialog, resources::kIdcFaceList);
    WindowHandle plain = GetDlgItem(dialog, resources::kIdcSizeList);
    ListBoxReset(sorted);
    for (std::u16string_view face : {u"delta", u"Bravo", u"alpha", u"Charlie", u"bravo"}) {
      ListBoxAddString(sorted, face);
    }
    EXPECT_EQ(ListBoxText(sorted, 0), u"alpha");
    EXPECT_EQ(ListBoxText(sorted, 1), u"Bravo");
    EXPECT_EQ(ListBoxText(sorted, 2), u"bravo") << "an equal item goes after";
    EXPECT_EQ(ListBoxText(sorted, 4), u"delta");
    EXPECT_EQ(ListBoxCurrentSelection(sorted), kNoSelection);
    const struct {
      std::u16string_view prefix;
      int selected;
    } kPrefixes[] = {{u"CH", 3}, {u"b", 1}, {u"Delta", 4}, {u"x", 4}, {u"", 0}};
    for (const auto& entry : kPrefixes) {
      const int found = ListBoxSelectString(sorted, entry.prefix);
      EXPECT_EQ(ListBoxCurrentSelection(sorted), entry.selected);
      EXPECT_EQ(found, entry.prefix == u"x" ? kNoSelection : entry.selected);
    }
    ListBoxReset(plain);
    EXPECT_EQ(ListBoxAddString(plain, u"20"), 0);
    EXPECT_EQ(ListBoxAddString(plain, u"10"), 1);
    EXPECT_EQ(ListBoxCount(plain), 2);
    EXPECT_TRUE(DialogMessages(WM_COMMAND).empty()) << "the program's changes notify nobody";

    auto* plainList = static_cast<QListWidget*>(WidgetOf(plain));
    QTest::mouseClick(plainList->viewport(), Qt::LeftButton, {},
                      plainList->visualItemRect(plainList->item(1)).center());
    const auto commands = DialogMessages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MakeWParam(resources::kIdcSizeList, LBN_SELCHANGE));
    EXPECT_EQ(ListBoxCurrentSelection(plain), 1);
  });
}

// Every action of the reader on a list notifies, after the selection has
// moved: a click on the selected item too (the face dialog's Hebrew rule
// runs on it). The list's own choice of a current row, when it gets the
// focus without a selection, is no action of the reader's.
TEST_F(QtDialogTest, ListBoxesNotifyEveryReadersActionAndNothingElse) {
  Run(resources::kDialogFont, IDOK, [this](WindowHandle dialog) {
    WindowHandle sizes = GetDlgItem(dialog, resources::kIdcSizeList);
    auto* list = static_cast<QListWidget*>(WidgetOf(sizes));
    ListBoxReset(sizes);
    for (std::u16string_view size : {u"10", u"11", u"12", u"14"}) ListBoxAddString(sizes, size);
    std::vector<int> seen;  // the selection as each notification finds it
    Reaction() = [previous = Reaction(), &seen,
                  sizes](const Received& received) -> std::optional<LResult> {
      if (received.message == WM_COMMAND &&
          received.wParam == MakeWParam(resources::kIdcSizeList, LBN_SELCHANGE)) {
        seen.push_back(ListBoxCurrentSelection(sizes));
      }
      return previous(received);
    };
    WidgetOf(dialog)->activateWindow();
    SetFocus(sizes);
    ProcessPending();
    EXPECT_TRUE(seen.empty()) << "taking the focus chose a row";

    ListBoxSelectString(sizes, u"11");
    const auto click = [list](int row) {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(list->item(row)).center());
    };
    click(1);
    EXPECT_EQ(seen, std::vector<int>{1}) << "a click on the selected item";
    click(3);
    EXPECT_EQ(seen, (std::vector<int>{1, 3})) << "a click on another item";
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(seen, (std::vector<int>{1, 3, 2})) << "an arrow key";
    ListBoxSelectString(sizes, u"10");
    EXPECT_EQ(seen.size(), 3u) << "the program's selection";
  });
}

TEST_F(QtDialogTest, OwnerDrawnButtonIsDrawnByTheProcedureAndClicksAsACommand) {
  const std::intptr_t result =
      Run(resources::kDialogAbout, kEndsItself, [this](WindowHandle dialog) {
        WindowHandle link = GetDlgItem(dialog, resources::kIdcLinkButton);
        // Until the program gives it one, a control's font is the dialog's: its
        // face and size, not a fallback.
        Font* dialogFont = GetControlFont(link);
        ASSERT_NE(dialogFont, nullptr);
        const FontDescription dialogs = DescribeFont(dialogFont);
        EXPECT_EQ(QString::fromUtf16(dialogs.faceName), WidgetOf(dialog)->font().family());
        EXPECT_EQ(-dialogs.height, QFontInfo(WidgetOf(dialog)->font()).pixelSize());
        FontDescription description;
        description.height = 20;
        description.underline = true;
        Font* font = CreateFont(description);
        SetControlFont(link, font, true);
        EXPECT_EQ(GetControlFont(link), font);
        // The control measures with its copy of the font, whatever the caller
        // does with its own.
        DeleteFont(font);
        Surface* surface = GetWindowSurface(link);
        EXPECT_EQ(GetTextMetrics(surface).height, 20);
        SetWindowPosition(link, 0, 0, 60, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
        const Rect place = GetWindowRect(link);
        EXPECT_EQ(place.right - place.left, 60);
        EXPECT_EQ(place.bottom - place.top, 24);
        SetControlFont(link, nullptr, false);
        EXPECT_EQ(GetControlFont(link), dialogFont) << "no font given is the dialog's again";

        Reaction() = [previous = Reaction()](const Received& received) -> std::optional<LResult> {
          if (received.message == WM_DRAWITEM) {
            const auto* item = reinterpret_cast<const DrawItem*>(received.lParam);
            EXPECT_EQ(item->controlId, resources::kIdcLinkButton);
            EXPECT_EQ(item->item.right, 60);
            FillRect(item->surface, {0, 0, 6, 6}, GetStockBrush(StockBrush::kBlack));
            return 1;
          }
          return previous(received);
        };
        const QImage shown = WidgetOf(link)->grab().toImage();
        const auto drawn = DialogMessages(WM_DRAWITEM);
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.back().wParam, resources::kIdcLinkButton);
        const qreal ratio = shown.devicePixelRatio();
        EXPECT_EQ(shown.pixelColor(static_cast<int>(2 * ratio), static_cast<int>(2 * ratio)),
                  QColor(Qt::black));

        static_cast<QAbstractButton*>(WidgetOf(link))->click();
        EXPECT_EQ(DialogMessages(WM_COMMAND).back().wParam,
                  MakeWParam(resources::kIdcLinkButton, 0));
        // The caption's OK button is the dialog's OK.
        WidgetOf(dialog)->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      });
  EXPECT_EQ(result, IDOK);
}

TEST_F(QtDialogTest, DialogGrowsToHoldControlsWiderThanItsTemplate) {
  Reaction() = [](const Received& received) -> std::optional<LResult> {
    if (received.message != WM_INITDIALOG) return std::nullopt;
    // A procedure sizing a control to its text, past the template's width.
    WindowHandle link = GetDlgItem(received.window, resources::kIdcLinkButton);
    const Rect place = GetWindowRect(link);
    SetWindowPosition(link, 0, 0, GetClientRect(received.window).right + 40,
                      place.bottom - place.top, SWP_NOMOVE | SWP_NOZORDER);
    return 0;
  };
  Reaction() = [first = Reaction(), this](const Received& received) -> std::optional<LResult> {
    if (received.message == WM_SIZE) {
      dialog_ = received.window;
      const Rect client = GetClientRect(received.window);
      const Rect link = GetWindowRect(GetDlgItem(received.window, resources::kIdcLinkButton));
      EXPECT_EQ(client.right, link.right + link.left) << "the left margin again at the right";
      EndDialog(received.window, IDOK);
    }
    return first(received);
  };
  EXPECT_EQ(DialogBoxParam(resources::kDialogAbout, owner_, qt_test::RecordingDialogProc, 0), IDOK);
  EXPECT_EQ(DialogMessages(WM_SIZE).size(), 1u);
}

TEST_F(QtDialogTest, CloseFromOutsideCancelsTheDialogBeforeClosingTheMainWindow) {
  const std::intptr_t result = Run(resources::kDialogChooseArticle, kEndsItself,
                                   [](WindowHandle) { RequestMainWindowClose(); });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(qt_test::MessagesOf(WM_CLOSE).empty()) << "not while the dialog ran";
  QEventLoop wait;
  QTimer::singleShot(500, &wait, &QEventLoop::quit);
  wait.exec();
  EXPECT_EQ(qt_test::MessagesOf(WM_CLOSE).size(), 1u);
  const auto destroyed = qt_test::MessagesOf(WM_DESTROY);
  ASSERT_EQ(destroyed.size(), 2u);
  EXPECT_EQ(destroyed[0].window, dialog_);
  EXPECT_EQ(destroyed[1].window, owner_);
}

TEST_F(QtDialogTest, DialogThatDrawsItselfHasASurfaceKeysPressesAndItsOwnScrollBar) {
  Run(resources::kDialogChooseArticle, kEndsItself, [this](WindowHandle dialog) {
    EXPECT_EQ(WidgetOf(dialog)->findChild<QDialogButtonBox*>(), nullptr);
    ShellInitDialog(dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN |
                                SHIDIF_SIPDOWN | SHIDIF_FULLSCREENNOMENUBAR);
    EXPECT_NE(WidgetOf(dialog)->findChild<QDialogButtonBox*>(), nullptr);
    const Rect place = GetWindowRect(dialog);
    const Rect ownerPlace = GetWindowRect(owner_);
    EXPECT_EQ(place.left, ownerPlace.left);
    EXPECT_EQ(place.bottom, ownerPlace.bottom) << "it covers its owner";
    const Rect client = GetClientRect(dialog);
    EXPECT_EQ(DialogMessages(WM_SIZE).back().lParam,
              MakeLParam(static_cast<std::uint16_t>(client.right),
                         static_cast<std::uint16_t>(client.bottom)));
    Surface* surface = GetWindowSurface(dialog);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(SurfaceImage(surface).deviceIndependentSize().toSize(),
              QSize(client.right, client.bottom));

    SetVerticalScrollBar(dialog, {0, 50, 0, 3}, true);
    ASSERT_NE(dialog->scrollBar, nullptr);
    EXPECT_EQ(dialog->scrollBar->geometry().right() + 1, client.right)
        << "over the right edge, where the dialog leaves room";
    EXPECT_EQ(GetClientRect(dialog).right, client.right);
    dialog->scrollBar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(LowWord(DialogMessages(WM_VSCROLL).back().wParam), SB_LINEDOWN);

    QTest::mouseClick(dialog->client, Qt::LeftButton, {}, QPoint(12, 34));
    EXPECT_EQ(DialogMessages(WM_LBUTTONDOWN).back().lParam, MakeLParam(12, 34));
    QTest::keyClick(dialog->client, Qt::Key_PageDown);
    EXPECT_EQ(DialogMessages(WM_KEYDOWN).back().wParam, VK_NEXT);

    InvalidateRect(dialog, nullptr, true);
    UpdateWindow(dialog);
    const auto erases = DialogMessages(WM_ERASEBKGND);
    ASSERT_FALSE(erases.empty());
    EXPECT_EQ(erases.back().wParam, reinterpret_cast<WParam>(surface));

    // Return is OK: nothing reaches the procedure as a key.
    QTest::keyClick(dialog->client, Qt::Key_Return);
    EXPECT_EQ(DialogMessages(WM_KEYDOWN).size(), 1u);
  });
  EXPECT_EQ(DialogMessages(WM_COMMAND).back().wParam, MakeWParam(IDOK, 0));
}

}  // namespace
}  // namespace velmora::platform

namespace velmora::platform {
namespace {

// The search dialog's box: the program's selection calls in the program's
// positions (the direction marks hidden), the limit, and typing handed to
// the dialog procedure; a click on the keyboard picture reaches the dialog
// and leaves the focus in the box.
TEST_F(QtDialogTest, ATypedByDialogBoxHandsItsTypingToTheDialog) {
  QPoint corner;
  Run(resources::kDialogSearch, IDOK, [&corner](WindowHandle dialog) {
    WindowHandle edit = GetDlgItem(dialog, resources::kIdcSearchText);
    ASSERT_NE(edit, nullptr);
    auto* box = static_cast<QLineEdit*>(WidgetOf(edit));
    SetControlText(edit, u"abc");
    EXPECT_EQ(GetEditSelection(edit).start, 0);
    SetEditSelection(edit, 1, 2);
    ReplaceEditSelection(edit, u"xy");
    EXPECT_EQ(GetControlText(edit), u"axyc");
    EXPECT_EQ(GetEditSelection(edit).start, 3);
    SetEditLimit(edit, 5);
    ReplaceEditSelection(edit, u"zz");
    EXPECT_EQ(GetControlText(edit), u"axyzc");
    SetEditSelection(edit, 0, kEditSelectToEnd);
    EXPECT_EQ(GetEditSelection(edit).end, 5);
    box->selectAll();  // the marks too, as the reader's select-all takes them
    EXPECT_EQ(GetEditSelection(edit).start, 0);
    EXPECT_EQ(GetEditSelection(edit).end, 5);

    // A Hebrew layout's letter, a Latin one, Backspace.
    for (auto [key, text] :
         {std::pair{Qt::Key_A, QString(QChar(0x05E9))}, std::pair{Qt::Key_A, QStringLiteral("a")},
          std::pair{Qt::Key_Backspace, QStringLiteral("\b")}}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
      QApplication::sendEvent(box, &press);
    }
    EXPECT_EQ(GetControlText(edit), u"axyzc") << "the box inserts nothing itself";

    QLabel* picture = nullptr;
    for (QLabel* label : WidgetOf(dialog)->findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) picture = label;
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().deviceIndependentSize().toSize(), QSize(154, 95));
    // Where the search dialog's hit test takes the picture to be.
    const Size units = DialogBaseUnits(dialog);
    corner = QPoint(7 * units.width / 4, 71 * units.height / 8);
    EXPECT_NEAR(picture->x(), corner.x(), 1);
    EXPECT_NEAR(picture->y(), corner.y(), 1);
    corner = picture->pos();
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
  });
  std::vector<char16_t> typed;
  for (const Received& received : DialogMessages(WM_CHAR)) {
    typed.push_back(static_cast<char16_t>(received.wParam));
    EXPECT_NE(received.lParam, 0);
  }
  EXPECT_EQ(typed, (std::vector<char16_t>{0x05E9, u'a', 0x08}));
  ASSERT_EQ(DialogMessages(WM_LBUTTONDOWN).size(), 1u);
  const LParam at = DialogMessages(WM_LBUTTONDOWN)[0].lParam;
  EXPECT_EQ(LowWord(static_cast<WParam>(at)), corner.x() + 10);
  EXPECT_EQ(HighWord(static_cast<WParam>(at)), corner.y() + 10);
}

}  // namespace
}  // namespace velmora::platform
