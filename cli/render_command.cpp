#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "book/book_format.h"
#include "book/record.h"
#include "commands.h"
#include "platform/qt/image_surface.h"
#include "platform/surface.h"
#include "platform/text_encoding.h"
#include "resources/article_count.h"
#include "state/app_state.h"
#include "view/heading_box.h"
#include "view/paint.h"
#include "view/text_view.h"

namespace velmora::cli {
namespace {

constexpr long kDefaultWidth = 240;
constexpr long kDefaultHeight = 320;
constexpr long kMaxSide = 4096;
constexpr long kMaxFontSize = 400;
constexpr long kMaxScale = 4;
constexpr long kMaxOffset = 0xFFFF;
constexpr std::uint16_t kLineCapacity = 100;

struct RenderOptions {
  long article = 0;
  std::string out;
  long width = kDefaultWidth;
  long height = kDefaultHeight;
  FontSettings fonts{{}, 0, kLetterBaseUnicode};
  std::string_view faceArgument;  // --font as given, for messages
  bool reverse = false;
  long top = 0;
  long highlightStart = 0;
  long highlightEnd = 0;
  bool headingBox = false;
  long scale = 1;
};

// A face name in UTF-8 as the zero-terminated UTF-16 the font settings hold;
// false for bytes that are not UTF-8 or a name too long to hold.
bool ToFaceName(std::string_view utf8, char16_t (&face)[kFaceNameCapacity]) {
  std::u16string units;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::optional<char32_t> c = platform::DecodeUtf8(utf8, &i);
    if (!c) return false;
    platform::AppendUtf16(units, *c);
  }
  if (units.size() >= kFaceNameCapacity) return false;
  units.copy(face, units.size());
  face[units.size()] = 0;
  return true;
}

// The problem of a number outside [low, high].
std::string OutOfRange(std::string_view option, long low, long high) {
  return std::string(option) + " must be " + std::to_string(low) + " to " + std::to_string(high);
}

// "START:END" with START <= END.
bool ParseRange(std::string_view text, long* start, long* end) {
  const std::size_t colon = text.find(':');
  return colon != std::string_view::npos &&
         ParseNumber(text.substr(0, colon), 0, kMaxOffset, start) &&
         ParseNumber(text.substr(colon + 1), *start, kMaxOffset, end);
}

// Fills `options` from the arguments; an empty result, or the problem.
std::optional<std::string> ParseOptions(Args args, RenderOptions* options) {
  bool haveArticle = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const bool flag = arg == "--reverse" || arg == "--heading-box";
    if (!arg.starts_with("--")) {
      if (haveArticle) return "render takes one article number";
      if (!ParseNumber(arg, 1, ArticleCount, &options->article)) {
        return "the article number must be 1 to " + std::to_string(ArticleCount);
      }
      haveArticle = true;
      continue;
    }
    if (flag) {
      (arg == "--reverse" ? options->reverse : options->headingBox) = true;
      continue;
    }
    if (i + 1 == args.size()) return std::string(arg) + " needs a value";
    const std::string_view value = args[++i];
    if (arg == "--out") {
      options->out = value;
    } else if (arg == "--width") {
      if (!ParseNumber(value, 1, kMaxSide, &options->width)) return OutOfRange(arg, 1, kMaxSide);
    } else if (arg == "--height") {
      if (!ParseNumber(value, 1, kMaxSide, &options->height)) return OutOfRange(arg, 1, kMaxSide);
    } else if (arg == "--font") {
      options->faceArgument = value;
      if (!ToFaceName(value, options->fonts.faceName)) {
        return "--font must be a UTF-8 face name of at most " +
               std::to_string(kFaceNameCapacity - 1) + " UTF-16 units";
      }
    } else if (arg == "--size") {
      long size = 0;
      if (!ParseNumber(value, 0, kMaxFontSize, &size)) return OutOfRange(arg, 0, kMaxFontSize);
      options->fonts.size = static_cast<std::int32_t>(size);
    } else if (arg == "--letterbase") {
      long base = 0;
      if (!ParseNumber(value, 0, kMaxOffset, &base) ||
          (base != kLetterBaseStored && base != kLetterBaseWindows1255 &&
           base != kLetterBaseUnicode)) {
        return "--letterbase must be " + std::to_string(kLetterBaseStored) + ", " +
               std::to_string(kLetterBaseWindows1255) + " or " + std::to_string(kLetterBaseUnicode);
      }
      options->fonts.letterBase = static_cast<std::int32_t>(base);
    } else if (arg == "--top") {
      if (!ParseNumber(value, 0, kMaxOffset, &options->top)) return OutOfRange(arg, 0, kMaxOffset);
    } else if (arg == "--highlight") {
      if (!ParseRange(value, &options->highlightStart, &options->highlightEnd)) {
        return "--highlight must be START:END with 0 <= START <= END <= " +
               std::to_string(kMaxOffset);
      }
    } else if (arg == "--scale") {
      if (!ParseNumber(value, 1, kMaxScale, &options->scale)) return OutOfRange(arg, 1, kMaxScale);
    } else {
      return "unknown option " + std::string(arg);
    }
  }
  if (!haveArticle) return "render needs an article number";
  if (options->out.empty()) return "render needs --out FILE.png";
  return std::nullopt;
}

// True when `face` names an installed family; letters compared without case,
// as the toolkit's font matching compares them.
bool IsInstalledFace(const char16_t* face) {
  struct Search {
    std::u16string_view face;
    bool found = false;
    static int Visit(const platform::FontFamily& family, void* context) {
      auto* search = static_cast<Search*>(context);
      const std::u16string_view name(family.faceName);
      const auto fold = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
      };
      search->found = std::ranges::equal(name, search->face, {}, fold, fold);
      return search->found ? 0 : 1;
    }
  } search{face};
  platform::EnumerateFontFamilies(nullptr, Search::Visit, &search);
  return search.found;
}

// Lays the article out and paints it on `surface` as the reader's view does.
int Paint(const RenderOptions& options, platform::HeapBuffer stream, platform::Surface* surface) {
  const platform::Rect rect{0, 0, static_cast<std::int32_t>(options.width),
                            static_cast<std::int32_t>(options.height)};
  view::TextView* view = view::CreateTextView(surface, &rect, options.fonts, kLineCapacity);
  if (view == nullptr) return kExitFailed;
  const int laidOut = view::LayoutText(view, std::move(stream), false);
  if (laidOut == view::kViewDone) {
    // A layout clears the highlight, so it is set afterwards, as a search does.
    view->topRow = static_cast<std::uint16_t>(options.top);
    view->highlightStart = static_cast<std::uint16_t>(options.highlightStart);
    view->highlightEnd = static_cast<std::uint16_t>(options.highlightEnd);
    view::PaintTextView(view, true);
    if (options.headingBox) view::ShowHeadingBox(view);
  } else {
    std::fprintf(stderr, "velmora-cli: article %ld cannot be laid out (code %d)\n", options.article,
                 laidOut);
  }
  view::DestroyTextView(view, true);
  return laidOut == view::kViewDone ? kExitOk : kExitFailed;
}

}  // namespace

// Article N drawn as the reader's view draws it, saved as a PNG.
int RenderCommand(Args args) {
  RenderOptions options;
  if (auto problem = ParseOptions(args, &options)) return UsageError(*problem);

  // The drawing primitives read the letter base and the Reverse option from
  // the process-wide settings, as in the program.
  appState.fontSettings = options.fonts;
  appState.appFlags =
      options.reverse ? (kDefaultAppFlags | ReverseOption) : (kDefaultAppFlags & ~ReverseOption);

  int reason = 0;
  platform::HeapBuffer stream = book::LoadBookRecord(static_cast<int>(options.article), &reason);
  if (!stream) {
    std::fprintf(stderr, "velmora-cli: article %ld cannot be loaded (reason %d)\n", options.article,
                 reason);
    return kExitFailed;
  }

  platform::OffscreenGraphics* graphics = platform::StartOffscreenGraphics();
  // The reader's view falls back to another face too, but the user asked
  // for this one by name.
  if (options.fonts.faceName[0] != 0 && !IsInstalledFace(options.fonts.faceName)) {
    std::fprintf(stderr,
                 "velmora-cli: no installed face is named '%.*s'; drawn in the fallback face\n",
                 static_cast<int>(options.faceArgument.size()), options.faceArgument.data());
  }
  platform::Surface* surface = platform::CreateImageSurface(static_cast<int>(options.width),
                                                            static_cast<int>(options.height),
                                                            static_cast<double>(options.scale));
  int status = surface == nullptr ? kExitFailed : Paint(options, std::move(stream), surface);
  if (status == kExitOk && !platform::SaveSurfacePng(surface, options.out)) {
    std::fprintf(stderr, "velmora-cli: cannot write %s\n", options.out.c_str());
    status = kExitFailed;
  }
  if (surface != nullptr) platform::DestroyImageSurface(surface);
  platform::StopOffscreenGraphics(graphics);
  return status;
}

}  // namespace velmora::cli
