// Going to an article by number, and to the next or previous one with the
// book wrapping around.
#pragma once

#include <cstdint>

#include "platform/window_handle.h"

namespace velmora::shell {

// Results of GoToArticle and StepArticle.
inline constexpr int kArticleShown = 0;
inline constexpr int kArticleNotLoaded = 1;

// Shows article `article` from its top and paints it at once. When it cannot
// be loaded, CurrentArticle goes back to what it was, the view keeps its
// article and nothing is reported: kArticleNotLoaded.
int GoToArticle(platform::WindowHandle window, std::uint16_t article);

// Goes `step` (+1 or -1) articles on from CurrentArticle: past the last
// article to the first, before the first to the last, and from a number
// beyond the book to the first.
int StepArticle(platform::WindowHandle window, int step);

}  // namespace velmora::shell
