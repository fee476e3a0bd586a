// Helpers shared by the IndexView's files: the row table's allocation and the
// walk past the rows scrolled out of sight.
#pragma once

#include <cstdint>

#include "book/book_format.h"
#include "index/index_view.h"
#include "platform/memory.h"

namespace velmora::index {

// A table of `rows` rows, uninitialised, from AllocOrAbort; empty when the
// heap is dry (already reported).
platform::HeapPtr<IndexLine[]> AllocateRowTable(std::uint32_t rows);

inline bool IsVisibleRow(const IndexLine& row) { return (row.flags & kRowVisible) != 0; }
inline bool IsHeadingRow(const IndexLine& row) { return (row.id & book::kIdHeading) != 0; }

// The index of the row where painting starts: past the first topRow visible
// rows, or the end row. The view must have a table.
std::uint32_t FirstPaintedRow(const IndexView& view);

}  // namespace velmora::index
