// The book records compiled into the program (generated at build time).
// ArticleCount, the number of article records, is in the generated header
// "resources/article_count.h".
#pragma once

#include <span>

#include "platform/resources.h"

namespace velmora::resources {

// Every book record: articles 1..ArticleCount as raw-data resources
// 1001..1000 + ArticleCount, and the index as 32767.
std::span<const platform::ResourceEntry> BookResources();

}  // namespace velmora::resources
