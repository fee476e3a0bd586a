// The rules both backends share: radio-button groups, accelerator lookup and
// the message box style word. (List boxes: list_box_rules.h, run against
// each backend.)
#include "platform/common/control_rules.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/message_box.h"

namespace velmora::platform::rules {
namespace {

ControlTemplate Radio(std::uint32_t style) {
  return ControlTemplate{ControlKind::kRadioButton, 0, 0, 0, 10, 10, style, u"", 0};
}

TEST(ControlRules, AGroupRunsFromItsFirstControlToTheNextGroupStart) {
  const std::array controls = {Radio(0),
                               Radio(kControlGroup),
                               Radio(0),
                               Radio(kControlGroup),
                               Radio(kControlGroup | kControlTabStop),
                               Radio(0)};
  EXPECT_EQ(ControlGroups(controls), (std::vector<int>{0, 1, 1, 2, 3, 3}));
  EXPECT_TRUE(ControlGroups({}).empty());
}

TEST(ControlRules, AnAcceleratorNeedsItsKeyAndExactlyItsModifiers) {
  constexpr std::array<Accelerator, 3> table{{
      {kAccelControl, 'D', 119},
      {kAccelAlt, 0x72, 116},
      {0, 0x72, 117},
  }};
  const struct {
    std::uint32_t key;
    std::uint8_t modifiers;
    int command;  // 0: none
  } cases[] = {
      {'D', kAccelControl, 119}, {'D', 0, 0},    {'D', kAccelControl | kAccelAlt, 0},
      {0x72, kAccelAlt, 116},    {0x72, 0, 117}, {'E', kAccelControl, 0},
  };
  for (const auto& c : cases) {
    const Accelerator* found = FindAccelerator(table, c.key, c.modifiers);
    EXPECT_EQ(found != nullptr ? found->command : 0, c.command) << c.key << "/" << int{c.modifiers};
  }
  EXPECT_EQ(FindAccelerator({}, 'D', kAccelControl), nullptr);
}

TEST(ControlRules, TheStyleWordGivesButtonsIconAndTheUnseenAnswer) {
  const struct {
    std::uint32_t style;
    BoxButtons buttons;
    BoxIcon icon;
    int firstButton;
  } cases[] = {
      {kMbOk, BoxButtons::kOk, BoxIcon::kNone, kIdOk},
      {kMbIconHand, BoxButtons::kOk, BoxIcon::kStop, kIdOk},
      {kMbYesNoCancel | kMbIconExclamation, BoxButtons::kYesNoCancel, BoxIcon::kWarning, kIdYes},
      {0x2 | 0x40, BoxButtons::kOk, BoxIcon::kNone, kIdOk},  // unknown fields: a plain box
      {0xFFFFFF00 | kMbYesNoCancel, BoxButtons::kYesNoCancel, BoxIcon::kNone, kIdYes},
  };
  for (const auto& c : cases) {
    const BoxStyle decoded = DecodeBoxStyle(c.style);
    EXPECT_EQ(decoded.buttons, c.buttons) << std::hex << c.style;
    EXPECT_EQ(decoded.icon, c.icon) << std::hex << c.style;
    EXPECT_EQ(FirstButton(c.style), c.firstButton) << std::hex << c.style;
  }
}

}  // namespace
}  // namespace velmora::platform::rules
