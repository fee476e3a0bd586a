// The two bars: the command bar (the menu, then the tool buttons) along the
// top of the client area, the menu bar ("File" and "Go" drop-down buttons,
// then the tool buttons) along the bottom. Both are one row of a height
// fixed when they are made, so that the height the program takes at once
// stays true. Their items send WM_COMMAND to the window once the menu has
// closed, as a chosen menu item is posted.
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "platform/menu.h"
#include "platform/qt/resource_images.h"
#include "platform/qt/window_objects.h"
#include "platform/resources.h"

namespace velmora::platform {
namespace {

// A menu caption names its key after '\b'; a toolkit menu shows what follows
// a tab at the right, as a key name only.
constexpr char16_t kKeyNameMark = u'\b';
constexpr char16_t kShownKeyNameMark = u'\t';
constexpr std::uint16_t kSeparator = 0;
constexpr int kProbeImageSize = 16;

bool IsBar(const Window* bar) { return IsLive(bar) && bar->kind == WindowKind::kBar; }

// Sends the command to the bar's window once the event that chose it is over.
void PostCommand(Window* bar, std::uint32_t message, std::uint16_t command) {
  Window* window = bar->parent;
  QMetaObject::invokeMethod(
      bar->widget,
      [window, message, command] {
        Deliver(window, message, message == WM_COMMAND ? MakeWParam(command, BN_CLICKED) : 0, 0);
      },
      Qt::QueuedConnection);
}

QString ItemText(std::u16string_view caption) {
  QString text = ToQString(caption);
  text.replace(QChar(kKeyNameMark), QChar(kShownKeyNameMark));
  return text;
}

// Fills `menu` with a popup's items, each also kept in `record`.
void AddItems(Window* bar, QMenu* menu, const PopupTemplate& popup, Menu& record) {
  for (const MenuItemTemplate& item : popup.items) {
    if (item.command == kSeparator) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(ItemText(item.caption));
    action->setData(item.command);
    const std::uint16_t command = item.command;
    QObject::connect(action, &QAction::triggered, action, [bar, action, command] {
      // Check marks are the program's: choosing an item leaves its mark.
      if (action->isCheckable()) {
        const QSignalBlocker quiet(action);
        action->setChecked(!action->isChecked());
      }
      PostCommand(bar, WM_COMMAND, command);
    });
    record.items.emplace_back(action);
  }
}

// The height of a row holding a menu, text buttons and tool buttons with
// images of the usual size.
int RowHeight() {
  QToolBar tools;
  tools.setIconSize(QSize(kProbeImageSize, kProbeImageSize));
  QPixmap image(kProbeImageSize, kProbeImageSize);
  image.fill(Qt::transparent);
  tools.addAction(QIcon(image), QString());
  auto* text = new QToolButton;
  text->setText(QStringLiteral("File"));
  tools.addWidget(text);
  QMenuBar menus;
  menus.addMenu(QStringLiteral("&File"));
  return std::max(tools.sizeHint().height(), menus.sizeHint().height());
}

QToolBar* MakeToolBar(QWidget* parent) {
  auto* tools = new QToolBar(parent);
  tools->setMovable(false);
  tools->setFloatable(false);
  tools->setFocusPolicy(Qt::NoFocus);
  tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
  tools->setIconSize(QSize(kProbeImageSize, kProbeImageSize));
  return tools;
}

Window* MakeBar(Window* parent, bool atBottom) {
  Window* bar = NewWindow(WindowKind::kBar, parent);
  bar->bar->atBottom = atBottom;
  auto* widget = new QWidget(parent->client);
  widget->setAutoFillBackground(true);
  widget->setFixedHeight(RowHeight());
  auto* row = new QHBoxLayout(widget);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  bar->widget = widget;
  bar->bar->tools = MakeToolBar(widget);
  parent->topLevel->bars.push_back(bar);
  DockBars(parent);
  return bar;
}

QHBoxLayout* RowOf(const Window* bar) { return static_cast<QHBoxLayout*>(bar->widget->layout()); }

}  // namespace

WindowHandle CommandBarCreate(WindowHandle parent, std::uint16_t) {
  if (!IsLive(parent) || parent->kind != WindowKind::kTopLevel) return nullptr;
  Window* bar = MakeBar(parent, false);
  auto* menus = new QMenuBar(bar->widget);
  menus->setNativeMenuBar(false);
  menus->setFocusPolicy(Qt::NoFocus);
  menus->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  bar->bar->menuBar = menus;
  RowOf(bar)->addWidget(menus);
  RowOf(bar)->addWidget(bar->bar->tools);
  RowOf(bar)->addStretch();
  bar->bar->menu = std::make_unique<Menu>();
  return bar;
}

std::int32_t CommandBarHeight(WindowHandle bar) { return IsBar(bar) ? bar->widget->height() : 0; }

bool CommandBarInsertMenubar(WindowHandle bar, std::uint16_t menuId) {
  const MenuTemplate* menu = platform::FindMenuTemplate(menuId);
  if (!IsBar(bar) || bar->bar->menuBar == nullptr || menu == nullptr) return false;
  for (const PopupTemplate& popup : menu->popups) {
    QMenu* shown = bar->bar->menuBar->addMenu(ToQString(popup.caption));
    AddItems(bar, shown, popup, *bar->bar->menu);
  }
  return true;
}

MenuHandle CommandBarGetMenu(WindowHandle bar) {
  return IsBar(bar) ? bar->bar->menu.get() : nullptr;
}

WindowHandle CreateMenuBar(WindowHandle parent, std::uint16_t menuBarId) {
  const MenuBarTemplate* menuBar = platform::FindMenuBarTemplate(menuBarId);
  const MenuTemplate* menu =
      menuBar != nullptr ? platform::FindMenuTemplate(menuBar->menuId) : nullptr;
  if (!IsLive(parent) || parent->kind != WindowKind::kTopLevel || menu == nullptr) return nullptr;
  Window* bar = MakeBar(parent, true);
  QToolBar* tools = bar->bar->tools;
  for (const MenuBarButtonTemplate& button : menuBar->buttons) {
    if (button.subMenu >= menu->popups.size()) continue;
    auto* dropDown = new QToolButton(tools);
    dropDown->setText(ToQString(platform::FindStringResource(button.stringId)));
    dropDown->setToolButtonStyle(Qt::ToolButtonTextOnly);
    dropDown->setPopupMode(QToolButton::InstantPopup);
    dropDown->setFocusPolicy(Qt::NoFocus);
    auto* popup = new QMenu(dropDown);
    auto record = std::make_unique<Menu>();
    AddItems(bar, popup, menu->popups[button.subMenu], *record);
    dropDown->setMenu(popup);
    tools->addWidget(dropDown);
    bar->bar->subMenus.emplace_back(button.command, std::move(record));
  }
  RowOf(bar)->addWidget(tools);
  RowOf(bar)->addStretch();
  return bar;
}

MenuHandle MenuBarSubMenu(WindowHandle bar, std::uint16_t buttonCommand) {
  if (!IsBar(bar)) return nullptr;
  for (const auto& [command, menu] : bar->bar->subMenus) {
    if (command == buttonCommand) return menu.get();
  }
  return nullptr;
}

void BarAddToolTips(WindowHandle bar, std::span<const std::u16string_view> tips) {
  if (!IsBar(bar)) return;
  for (std::u16string_view tip : tips) bar->bar->toolTips.emplace_back(tip);
}

void BarAddBitmap(WindowHandle bar, std::uint16_t bitmapId, int count, int imageSize) {
  if (!IsBar(bar)) return;
  std::vector<QIcon> images = ToolImages(bitmapId, count, imageSize);
  if (!images.empty()) bar->bar->tools->setIconSize(QSize(imageSize, imageSize));
  for (QIcon& image : images) bar->bar->images.push_back(std::move(image));
}

// The tooltip list starts with the bar's own (empty) entry; the buttons take
// the entries after it in order.
void BarAddButtons(WindowHandle bar, std::span<const ToolButton> buttons) {
  if (!IsBar(bar)) return;
  BarState& state = *bar->bar;
  for (const ToolButton& button : buttons) {
    const std::size_t tip = state.buttonsAdded + 1;
    ++state.buttonsAdded;
    QAction* action = state.tools->addAction(
        button.image >= 0 && static_cast<std::size_t>(button.image) < state.images.size()
            ? state.images[static_cast<std::size_t>(button.image)]
            : QIcon(),
        QString());
    if (tip < state.toolTips.size()) action->setToolTip(ToQString(state.toolTips[tip]));
    const std::uint16_t command = button.command;
    QObject::connect(action, &QAction::triggered, action,
                     [bar, command] { PostCommand(bar, WM_COMMAND, command); });
  }
}

// The close button asks the window to close, as its frame's would.
void BarAddCloseButton(WindowHandle bar) {
  if (!IsBar(bar)) return;
  auto* close = new QToolButton(bar->widget);
  close->setIcon(close->style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close->setAutoRaise(true);
  close->setFocusPolicy(Qt::NoFocus);
  QObject::connect(close, &QToolButton::clicked, close, [bar] { PostCommand(bar, WM_CLOSE, 0); });
  RowOf(bar)->addWidget(close);
}

void BarShow(WindowHandle bar, bool show) {
  if (IsBar(bar)) bar->widget->setVisible(show);
}

// Items are addressed by command; the first item with it is the one.
void CheckMenuItem(MenuHandle menu, std::uint16_t command, bool checked) {
  if (menu == nullptr) return;
  for (const QPointer<QAction>& action : menu->items) {
    if (action != nullptr && action->data().toUInt() == command) {
      action->setCheckable(true);
      action->setChecked(checked);
      return;
    }
  }
}

bool IsMenuItemChecked(MenuHandle menu, std::uint16_t command) {
  if (menu == nullptr) return false;
  for (const QPointer<QAction>& action : menu->items) {
    if (action != nullptr && action->data().toUInt() == command) return action->isChecked();
  }
  return false;
}

}  // namespace velmora::platform
