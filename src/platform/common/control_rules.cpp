#include "platform/common/control_rules.h"

#include <algorithm>

#include "platform/message_box.h"

namespace velmora::platform::rules {
namespace {

char16_t Folded(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

}  // namespace

bool ListItemLess(std::u16string_view a, std::u16string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
}

bool ListItemBeginsWith(std::u16string_view item, std::u16string_view prefix) {
  return item.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), item.begin(),
                    [](char16_t x, char16_t y) { return Folded(x) == Folded(y); });
}

std::vector<int> ControlGroups(std::span<const ControlTemplate> controls) {
  std::vector<int> groups;
  groups.reserve(controls.size());
  int group = 0;
  for (const ControlTemplate& control : controls) {
    if ((control.style & kControlGroup) != 0) ++group;
    groups.push_back(group);
  }
  return groups;
}

const Accelerator* FindAccelerator(std::span<const Accelerator> table, std::uint32_t virtualKey,
                                   std::uint8_t modifiers) {
  for (const Accelerator& entry : table) {
    if (entry.virtualKey == virtualKey && entry.modifiers == modifiers) return &entry;
  }
  return nullptr;
}

BoxStyle DecodeBoxStyle(std::uint32_t style) {
  BoxStyle decoded;
  if ((style & kMbButtonsMask) == kMbYesNoCancel) decoded.buttons = BoxButtons::kYesNoCancel;
  switch (style & kMbIconMask) {
    case kMbIconHand:
      decoded.icon = BoxIcon::kStop;
      break;
    case kMbIconExclamation:
      decoded.icon = BoxIcon::kWarning;
      break;
    default:
      break;
  }
  return decoded;
}

int FirstButton(std::uint32_t style) {
  return DecodeBoxStyle(style).buttons == BoxButtons::kYesNoCancel ? kIdYes : kIdOk;
}

}  // namespace velmora::platform::rules
