// The clipboard on the desktop. CF_UNICODETEXT is text/plain (UTF-8 out;
// any of the usual text targets in); "Rich Text Format" is text/rtf, also
// offered as application/rtf, so that word processors paste it and the
// program appends to Rich Text that they copied. While the program's own
// contents are on the clipboard it reads back exactly the blocks it set;
// once another program has copied, it reads what that program offers.
#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace velmora::platform {
namespace {

constexpr const char* kPlainUtf8Mime = "text/plain;charset=utf-8";
// Where Rich Text is written first, and then the other names it is read by.
constexpr const char* kRtfMimes[] = {"text/rtf", "application/rtf", "text/richtext"};
constexpr int kRtfMimesWritten = 2;

using Blocks = std::map<ClipboardFormat, QByteArray>;

struct ClipboardState {
  bool open = false;
  bool emptied = false;
  Blocks pending;              // set since EmptyClipboard
  std::u16string offeredText;  // with `pending`
  // The program's contents while they are on the clipboard.
  std::optional<Blocks> own;
  std::u16string ownText;
  bool publishing = false;  // our own change is being made
  // Copies handed out by GetClipboardData, valid until CloseClipboard.
  std::vector<QByteArray> handedOut;
  QPointer<QClipboard> watched;
};

ClipboardState state;

ClipboardFormat RichTextFormat() { return RegisterClipboardFormat(kRichTextFormatName); }

// Another program's copy (or a clear) ends the program's ownership.
void Watch(QClipboard* clipboard) {
  if (state.watched == clipboard) return;
  state.watched = clipboard;
  QObject::connect(clipboard, &QClipboard::changed, clipboard, [](QClipboard::Mode mode) {
    if (mode != QClipboard::Clipboard || state.publishing) return;
    state.own.reset();
    state.ownText.clear();
  });
}

// The units of a UTF-16 block up to its first NUL or its end.
QString UnitsOf(const QByteArray& block) {
  std::u16string units;
  for (qsizetype i = 0; i + 1 < block.size(); i += 2) {
    const auto unit = static_cast<char16_t>(static_cast<std::uint8_t>(block[i]) |
                                            (static_cast<std::uint8_t>(block[i + 1]) << 8));
    if (unit == 0) break;
    units += unit;
  }
  return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

QByteArray BlockOfText(const QString& text) {
  QByteArray block;
  for (const QChar unit : text) {
    block.append(static_cast<char>(unit.unicode() & 0xFF));
    block.append(static_cast<char>(unit.unicode() >> 8));
  }
  return block;
}

// What other programs get: the blocks as their desktop formats.
QMimeData* MimeDataOf(const Blocks& blocks, const std::u16string& offeredText) {
  auto* mime = new QMimeData;
  QString text = QString::fromStdU16String(offeredText);
  for (const auto& [format, block] : blocks) {
    if (format == CF_UNICODETEXT) {
      text = UnitsOf(block);
    } else if (format == RichTextFormat()) {
      const qsizetype end = block.indexOf('\0');
      const QByteArray document = end < 0 ? block : block.left(end);
      for (int i = 0; i < kRtfMimesWritten; ++i) mime->setData(kRtfMimes[i], document);
    }
  }
  if (!text.isEmpty()) {
    mime->setText(text);
    mime->setData(kPlainUtf8Mime, text.toUtf8());
  }
  return mime;
}

// Another program's data of `format`, as the program's block would hold it.
std::optional<QByteArray> ForeignData(ClipboardFormat format) {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime == nullptr) return std::nullopt;
  if (format == CF_UNICODETEXT) {
    if (!mime->hasText()) return std::nullopt;
    return BlockOfText(mime->text());
  }
  if (format == RichTextFormat()) {
    for (const char* name : kRtfMimes) {
      if (mime->hasFormat(name)) return mime->data(name);
    }
  }
  return std::nullopt;
}

}  // namespace

bool OpenClipboard() {
  if (state.open || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return false;
  }
  Watch(QGuiApplication::clipboard());
  state.open = true;
  state.emptied = false;
  return true;
}

bool EmptyClipboard() {
  if (!state.open) return false;
  state.emptied = true;
  state.pending.clear();
  state.offeredText.clear();
  return true;
}

std::optional<std::span<const std::uint8_t>> GetClipboardData(ClipboardFormat format) {
  if (!state.open) return std::nullopt;
  std::optional<QByteArray> data;
  if (state.own) {
    if (const auto found = state.own->find(format); found != state.own->end()) {
      data = found->second;
    }
  } else {
    data = ForeignData(format);
  }
  if (!data) return std::nullopt;
  state.handedOut.push_back(*data);
  const QByteArray& kept = state.handedOut.back();
  return std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(kept.constData()),
                                       static_cast<std::size_t>(kept.size()));
}

ClipboardBlock AllocateClipboardBlock(std::size_t bytes) {
  ClipboardBlock block{HeapAllocateArray<std::uint8_t>(bytes), bytes};
  if (!block) block.size = 0;
  return block;
}

bool SetClipboardData(ClipboardFormat format, ClipboardBlock block) {
  if (!state.open || !state.emptied || !block) return false;
  state.pending[format] =
      QByteArray(reinterpret_cast<const char*>(block.get()), static_cast<qsizetype>(block.size));
  return true;
}

void OfferClipboardText(std::u16string_view text) {
  if (state.open && state.emptied) state.offeredText = text;
}

std::u16string ClipboardTextForOthers() {
  if (!state.open) return {};
  if (state.own) {
    if (!state.ownText.empty()) return state.ownText;
    const auto found = state.own->find(CF_UNICODETEXT);
    return found == state.own->end() ? std::u16string() : UnitsOf(found->second).toStdU16String();
  }
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  return mime != nullptr && mime->hasText() ? mime->text().toStdU16String() : std::u16string();
}

void CloseClipboard() {
  if (!state.open) return;
  state.open = false;
  state.handedOut.clear();
  if (!state.emptied) return;
  state.emptied = false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  state.publishing = true;
  if (state.pending.empty()) {
    clipboard->clear();
  } else {
    clipboard->setMimeData(MimeDataOf(state.pending, state.offeredText));
  }
  state.publishing = false;
  state.own = std::move(state.pending);
  state.ownText = std::move(state.offeredText);
  state.pending.clear();
  state.offeredText.clear();
}

}  // namespace velmora::platform
