#include "platform/qt/keys.h"

#include <QGuiApplication>

#include <array>
#include <utility>

#include "platform/menu.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace velmora::platform {
namespace {

constexpr std::uint32_t kVkTab = 0x09;
constexpr std::uint32_t kVkDelete = 0x2E;
constexpr std::uint32_t kVkLetterA = 0x41;  // 'A' to 'Z' follow
constexpr int kFunctionKeys = 12;
constexpr std::uint8_t kAccelShift = 0x04;

constexpr std::array<std::pair<int, std::uint32_t>, 18> kNamedKeys{{
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, kVkTab},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Delete, kVkDelete},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Minus, VK_OEM_MINUS},
}};

}  // namespace

std::uint32_t VirtualKeyOf(int key) {
  for (const auto& [qtKey, virtualKey] : kNamedKeys) {
    if (qtKey == key) return virtualKey;
  }
  if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeys) {
    return kVkF1 + static_cast<std::uint32_t>(key - Qt::Key_F1);
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return VK_DIGIT_0 + static_cast<std::uint32_t>(key - Qt::Key_0);
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    return kVkLetterA + static_cast<std::uint32_t>(key - Qt::Key_A);
  }
  return 0;
}

bool IsKeyHeld(std::uint32_t virtualKey) {
  const Qt::KeyboardModifiers held = QGuiApplication::keyboardModifiers();
  if (virtualKey == VK_SHIFT) return held.testFlag(Qt::ShiftModifier);
  if (virtualKey == VK_CONTROL) return held.testFlag(Qt::ControlModifier);
  return false;
}

std::uint8_t AcceleratorModifiers(Qt::KeyboardModifiers modifiers) {
  std::uint8_t bits = 0;
  if (modifiers.testFlag(Qt::ControlModifier)) bits |= kAccelControl;
  if (modifiers.testFlag(Qt::AltModifier)) bits |= kAccelAlt;
  if (modifiers.testFlag(Qt::ShiftModifier)) bits |= kAccelShift;
  return bits;
}

}  // namespace velmora::platform
