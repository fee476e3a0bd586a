#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/book_format.h"
#include "book/record.h"
#include "commands.h"
#include "export/clipboard_copy.h"
#include "export/export_article.h"
#include "platform/clipboard.h"
#include "platform/qt/image_surface.h"
#include "platform/text_encoding.h"
#include "resources/article_count.h"
#include "state/app_state.h"
#include "state/settings.h"

namespace velmora::cli {
namespace {

constexpr long kMaxLetterBase = 0xFFFF;

enum class Form { kByLetterBase, kText, kRtf };

struct ExportOptions {
  long article = 0;
  Form form = Form::kByLetterBase;
  std::optional<long> letterBase;
  bool reverse = false;
  std::optional<std::string> appendTo;
};

std::optional<std::string> ParseOptions(Args args, ExportOptions* options) {
  bool haveArticle = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!arg.starts_with("--")) {
      if (haveArticle) return "export takes one article number";
      if (!ParseNumber(arg, 1, ArticleCount, &options->article)) {
        return "the article number must be 1 to " + std::to_string(ArticleCount);
      }
      haveArticle = true;
      continue;
    }
    if (arg == "--reverse") {
      options->reverse = true;
      continue;
    }
    if (arg != "--format" && arg != "--letterbase" && arg != "--append-to") {
      return "unknown option " + std::string(arg);
    }
    if (i + 1 == args.size()) return std::string(arg) + " needs a value";
    const std::string_view value = args[++i];
    if (arg == "--format") {
      if (value != "text" && value != "rtf") return "--format must be text or rtf";
      options->form = value == "text" ? Form::kText : Form::kRtf;
    } else if (arg == "--letterbase") {
      long base = 0;
      if (!ParseNumber(value, 0, kMaxLetterBase, &base) ||
          (base != kLetterBaseStored && base != kLetterBaseWindows1255 &&
           base != kLetterBaseUnicode)) {
        return "--letterbase must be " + std::to_string(kLetterBaseStored) + ", " +
               std::to_string(kLetterBaseWindows1255) + " or " + std::to_string(kLetterBaseUnicode);
      }
      options->letterBase = base;
    } else {
      options->appendTo = std::string(value);
    }
  }
  if (!haveArticle) return "export needs an article number";
  return std::nullopt;
}

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// Puts the earlier document on the clipboard as the reader's copy left it:
// Rich Text as it stands, text (UTF-8 in the file) as UTF-16 with its NUL.
bool PutEarlier(std::string_view bytes, platform::ClipboardFormat format) {
  std::vector<std::uint8_t> block(bytes.begin(), bytes.end());
  if (format == platform::CF_UNICODETEXT) {
    block.clear();
    for (char16_t unit : platform::Utf8ToUtf16(bytes)) {
      block.push_back(static_cast<std::uint8_t>(unit));
      block.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    block.insert(block.end(), {0, 0});
  }
  platform::ClipboardBlock data = platform::AllocateClipboardBlock(block.size());
  if (!data || !platform::OpenClipboard()) return false;
  std::copy(block.begin(), block.end(), data.get());
  platform::EmptyClipboard();
  const bool set = platform::SetClipboardData(format, std::move(data));
  platform::CloseClipboard();
  return set;
}

// The article copied (or appended) through the program's own clipboard
// writer onto a clipboard of this process alone, and what it then holds.
int Export(const ExportOptions& options, const char16_t* text, bool rtf) {
  const platform::ClipboardFormat format =
      rtf ? platform::RegisterClipboardFormat(platform::kRichTextFormatName)
          : platform::CF_UNICODETEXT;
  int append = exporting::kReplaceClipboard;
  if (options.appendTo) {
    const std::optional<std::string> earlier = ReadFile(*options.appendTo);
    if (!earlier) {
      std::fprintf(stderr, "velmora-cli: cannot read %s\n", options.appendTo->c_str());
      return kExitFailed;
    }
    if (!PutEarlier(*earlier, format)) return kExitFailed;
    append = exporting::kAppendToClipboard;
  }
  if (rtf) {
    exporting::CopyRtfToClipboard(text, append);
  } else {
    exporting::CopyUnicodeTextToClipboard(text, append);
  }
  const exporting::ClipboardCopy held = exporting::ReadClipboardData(format);
  if (held.size == 0) return kExitFailed;
  std::string out;
  if (rtf) {
    out.assign(held.data.get(), held.data.get() + held.size);
  } else {
    std::u16string units(held.size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
      units[i] = static_cast<char16_t>(held.data[2 * i] | (held.data[2 * i + 1] << 8));
    }
    out = platform::Utf16ToUtf8(units);
  }
  return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? kExitOk : kExitFailed;
}

}  // namespace

// Writes what Copy (or Append onto a saved document) puts on the clipboard
// for article N, with the stored settings unless options replace them.
int ExportCommand(Args args) {
  ExportOptions options;
  if (auto problem = ParseOptions(args, &options)) return UsageError(*problem);

  ResetAppState();
  settings::ReadProgramValues();
  if (options.letterBase) {
    appState.fontSettings.letterBase = static_cast<std::int32_t>(*options.letterBase);
  }
  if (options.reverse) appState.appFlags |= ReverseOption;
  const bool rtf = options.form == Form::kByLetterBase
                       ? appState.fontSettings.letterBase > exporting::kMaxPlainTextLetterBase
                       : options.form == Form::kRtf;

  int reason = 0;
  platform::HeapBuffer stream = book::LoadBookRecord(static_cast<int>(options.article), &reason);
  if (!stream) {
    std::fprintf(stderr, "velmora-cli: article %ld cannot be loaded (reason %d)\n", options.article,
                 reason);
    return kExitFailed;
  }
  platform::HeapPtr<char16_t[]> text =
      exporting::RenderArticleText(std::span<const std::uint8_t>(stream.get(), stream.size));
  if (!text) return kExitFailed;

  // A clipboard of this process only: the desktop's is never touched.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  platform::OffscreenGraphics* graphics = platform::StartOffscreenGraphics();
  const int status = Export(options, text.get(), rtf);
  platform::StopOffscreenGraphics(graphics);
  return status;
}

}  // namespace velmora::cli
