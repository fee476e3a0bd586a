// Toolkit keys as the virtual-key codes that WM_KEYDOWN carries, and their
// modifiers as accelerator tables name them.
#pragma once

#include <Qt>

#include <cstdint>

namespace velmora::platform {

inline constexpr std::uint32_t kVkF1 = 0x70;

// The virtual key of a toolkit key; 0 for a key the program has no code for.
std::uint32_t VirtualKeyOf(int key);

// Control, Alt and Shift as accelerator modifier bits.
std::uint8_t AcceleratorModifiers(Qt::KeyboardModifiers modifiers);

}  // namespace velmora::platform
