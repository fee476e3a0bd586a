#include "export/export_article.h"

#include "export/clipboard_copy.h"
#include "export/plain_text.h"
#include "state/app_state.h"
#include "view/text_view.h"

namespace velmora::exporting {

platform::HeapPtr<char16_t[]> RenderArticleText(std::span<const std::uint8_t> stream) {
  PlainTextBuffer buffer = EstimatePlainText(stream);
  if (!buffer) return nullptr;
  // Rich Text goes to programs that order right-to-left text themselves, so
  // the Reverse option works the other way round for it.
  const AppFlags saved = appState.appFlags;
  if (appState.fontSettings.letterBase > kMaxPlainTextLetterBase) {
    appState.appFlags ^= ReverseOption;
  }
  const int overflowed = RenderPlainText(stream, buffer.units.get(), buffer.bytes);
  appState.appFlags = saved;
  if (overflowed != 0) return nullptr;
  return std::move(buffer.units);
}

void ExportArticle(view::TextView* view, int append) {
  if (view == nullptr || !view->text) return;
  platform::HeapPtr<char16_t[]> text =
      RenderArticleText(std::span<const std::uint8_t>(view->text.get(), view->text.size));
  if (text) CopyTextToClipboard(text.get(), append);
}

}  // namespace velmora::exporting
