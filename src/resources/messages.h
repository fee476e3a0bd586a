// Every text the program shows in a message box, with its caption. The texts
// are the program's own: change none of them.
#pragma once

#include <string_view>

#include "platform/message_box.h"

namespace velmora::resources {

// A box without a caption of its own is captioned "Error" by the platform.
inline constexpr std::u16string_view kCaptionError = platform::kDefaultCaption;
inline constexpr std::u16string_view kCaptionVelmora = u"Velmora";
inline constexpr std::u16string_view kCaptionBookmark = u"Bookmark";

inline constexpr std::u16string_view kMsgResourceNotFound = u"Resource not found";
inline constexpr std::u16string_view kMsgNotEnoughMemory = u"There is not enough memory, aborting";
inline constexpr std::u16string_view kMsgUnCompressBufferError = u"UnCompress() buffer error!";
inline constexpr std::u16string_view kMsgOutputOverrun = u"(obuf > (start + size))";
inline constexpr std::u16string_view kMsgNotFound = u"Not Found!";
inline constexpr std::u16string_view kMsgRemoveBookmark =
    u"Remove Bookmark?\n\nCancel - Don't ask again";

// Told once at the start after a damaged settings file was kept aside: the
// first text, the kept copy's name, the second text.
inline constexpr std::u16string_view kMsgDamagedSettingsKeptAs =
    u"The settings file could not be read. It is kept as\n\n";
inline constexpr std::u16string_view kMsgDamagedSettingsDefaults =
    u"\n\nVelmora goes on with the default settings.";

}  // namespace velmora::resources
