// The desktop clipboard: what other programs are offered for the program's
// blocks, what the program reads back of its own and of theirs.
#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace velmora::platform {
namespace {

ClipboardFormat RichText() { return RegisterClipboardFormat(kRichTextFormatName); }

std::vector<std::uint8_t> Read(ClipboardFormat format) {
  EXPECT_TRUE(OpenClipboard());
  const auto data = GetClipboardData(format);
  std::vector<std::uint8_t> bytes;
  if (data) bytes.assign(data->begin(), data->end());
  CloseClipboard();
  return bytes;
}

bool Set(ClipboardFormat format, std::string_view bytes, std::u16string_view offered = {}) {
  ClipboardBlock block = AllocateClipboardBlock(bytes.size());
  std::memcpy(block.get(), bytes.data(), bytes.size());
  if (!OpenClipboard()) return false;
  EmptyClipboard();
  const bool set = SetClipboardData(format, std::move(block));
  if (!offered.empty()) OfferClipboardText(offered);
  CloseClipboard();
  return set;
}

const QMimeData& Offered() { return *QGuiApplication::clipboard()->mimeData(); }

TEST(QtClipboard, RichTextIsOfferedAsRtfWithItsTextBeside) {
  const std::string document("{\\rtf1 x}\r\n\0", 12);
  ASSERT_TRUE(Set(RichText(), document, u"\u05D0 x\r\n"));
  EXPECT_EQ(Offered().data("text/rtf"), QByteArray("{\\rtf1 x}\r\n"));
  EXPECT_EQ(Offered().data("application/rtf"), QByteArray("{\\rtf1 x}\r\n"));
  EXPECT_EQ(Offered().text(), QString::fromUtf16(u"\u05D0 x\r\n"));
  EXPECT_EQ(Offered().data("text/plain;charset=utf-8"), QByteArray("\xD7\x90 x\r\n"));
  // The program itself sees exactly its block, and no text.
  EXPECT_EQ(Read(RichText()), std::vector<std::uint8_t>(document.begin(), document.end()));
  EXPECT_TRUE(Read(CF_UNICODETEXT).empty());
  ASSERT_TRUE(OpenClipboard());
  EXPECT_EQ(ClipboardTextForOthers(), u"\u05D0 x\r\n");
  CloseClipboard();
}

TEST(QtClipboard, UnicodeTextIsOfferedAsUtf8) {
  const std::string units("\xD0\x05\x0D\x00\x0A\x00\x00\x00", 8);
  ASSERT_TRUE(Set(CF_UNICODETEXT, units));
  EXPECT_EQ(Offered().text(), QString::fromUtf16(u"\u05D0\r\n"));
  EXPECT_EQ(Offered().data("text/plain;charset=utf-8"), QByteArray("\xD7\x90\r\n"));
  EXPECT_FALSE(Offered().hasFormat("text/rtf"));
  EXPECT_EQ(Read(CF_UNICODETEXT), std::vector<std::uint8_t>(units.begin(), units.end()));
}

TEST(QtClipboard, ReadsWhatAnotherProgramCopied) {
  ASSERT_TRUE(Set(CF_UNICODETEXT, std::string("a\0\0\0", 4)));
  for (const char* name : {"text/rtf", "application/rtf", "text/richtext"}) {
    SCOPED_TRACE(name);
    auto* theirs = new QMimeData;
    theirs->setData(name, QByteArray("{\\rtf1 theirs}"));
    theirs->setText(QStringLiteral("theirs"));
    QGuiApplication::clipboard()->setMimeData(theirs);
    const std::vector<std::uint8_t> rtf = Read(RichText());
    EXPECT_EQ(std::string(rtf.begin(), rtf.end()), "{\\rtf1 theirs}");
    const std::vector<std::uint8_t> text = Read(CF_UNICODETEXT);
    EXPECT_EQ(text, (std::vector<std::uint8_t>{'t', 0, 'h', 0, 'e', 0, 'i', 0, 'r', 0, 's', 0}));
    ASSERT_TRUE(OpenClipboard());
    EXPECT_EQ(ClipboardTextForOthers(), u"theirs");
    CloseClipboard();
  }
}

TEST(QtClipboard, OpenOnceSetOnlyAfterEmptyingAndEmptyAloneClears) {
  ASSERT_TRUE(Set(CF_UNICODETEXT, std::string("a\0\0\0", 4)));
  ASSERT_TRUE(OpenClipboard());
  EXPECT_FALSE(OpenClipboard());
  EXPECT_FALSE(SetClipboardData(CF_UNICODETEXT, AllocateClipboardBlock(2)));
  EXPECT_TRUE(EmptyClipboard());
  CloseClipboard();
  const QMimeData* left = QGuiApplication::clipboard()->mimeData();
  EXPECT_TRUE(left == nullptr || left->formats().isEmpty());
  EXPECT_TRUE(Read(CF_UNICODETEXT).empty());
  EXPECT_FALSE(EmptyClipboard());  // not open
}

TEST(QtClipboard, FormatNamesAreRegisteredOnce) {
  EXPECT_EQ(RegisterClipboardFormat(u"rich text format"), RichText());
  EXPECT_GE(RichText(), kFirstRegisteredFormat);
  EXPECT_NE(RegisterClipboardFormat(u"Other"), RichText());
  EXPECT_EQ(RegisterClipboardFormat(u""), 0u);
}

}  // namespace
}  // namespace velmora::platform
