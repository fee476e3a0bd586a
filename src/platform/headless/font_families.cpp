// The installed font families are whatever a test says they are.
#include <utility>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"
#include "platform/surface.h"

namespace velmora::platform {
namespace {

std::vector<FontFamily> families;

}  // namespace

void EnumerateFontFamilies(Surface*, FontFamilyVisitor visit, void* context) {
  for (const FontFamily& family : families) {
    if (visit(family, context) == 0) return;
  }
}

namespace headless {

void SetFontFamilies(std::vector<FontFamily> installed) { families = std::move(installed); }

void ResetFontFamilies() { families.clear(); }

}  // namespace headless
}  // namespace velmora::platform
