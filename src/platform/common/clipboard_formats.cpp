// Registered clipboard formats: numbered by first registration, the same
// number for the same name whatever its letter case. The table lives for the
// process, as the platform's does.
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace velmora::platform {
namespace {

char16_t Folded(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

}  // namespace

ClipboardFormat RegisterClipboardFormat(std::u16string_view name) {
  static std::vector<std::u16string> names;
  if (name.empty()) return 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (SameName(names[i], name)) return kFirstRegisteredFormat + static_cast<ClipboardFormat>(i);
  }
  names.emplace_back(name);
  return kFirstRegisteredFormat + static_cast<ClipboardFormat>(names.size() - 1);
}

}  // namespace velmora::platform
