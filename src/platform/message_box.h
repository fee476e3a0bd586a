// Modal message boxes with fixed texts: the only way the program reports a
// failure to the reader.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/messages.h"
#include "platform/window_handle.h"

namespace velmora::platform {

// Buttons and icons, combined into the style word.
inline constexpr std::uint32_t kMbOk = 0x0;
inline constexpr std::uint32_t kMbYesNoCancel = 0x3;
inline constexpr std::uint32_t kMbIconHand = 0x10;
inline constexpr std::uint32_t kMbIconExclamation = 0x30;
// The fields of the style word.
inline constexpr std::uint32_t kMbButtonsMask = 0x0F;
inline constexpr std::uint32_t kMbIconMask = 0xF0;

// The button that closed a box.
inline constexpr int kIdOk = IDOK;
inline constexpr int kIdCancel = IDCANCEL;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// The caption a box gets when the caller passes none.
inline constexpr std::u16string_view kDefaultCaption = u"Error";

// Shows `text` under `caption` (empty: kDefaultCaption) with the buttons and
// icon of `style`, owned by `owner` (may be null), and waits until the reader
// closes it. Returns the button pressed.
int ShowMessageBox(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                   std::uint32_t style);

}  // namespace velmora::platform
