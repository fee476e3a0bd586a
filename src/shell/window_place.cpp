#include "shell/window_place.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/screens.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "state/settings_store.h"

namespace velmora::shell {
namespace {

// left, top, width, height
using StoredPlace = std::array<std::int32_t, 4>;
static_assert(std::endian::native == std::endian::little,
              "the stored window place is the in-memory record");

}  // namespace

void ApplyStoredWindowPlace(platform::WindowCreation* creation) {
  std::uint32_t count = 0;
  const platform::HeapBuffer stored =
      settings::ReadSizedBinaryValue(settings::kWindowPlace, {}, &count);
  StoredPlace place{};
  if (!stored || count != sizeof place) return;
  std::memcpy(place.data(), stored.get(), sizeof place);
  const auto [left, top, width, height] = place;
  if (width <= 0 || height <= 0) return;
  const platform::Rect rect{left, top, left + width, top + height};
  if (!platform::FitsAScreen(rect)) return;
  creation->x = left;
  creation->y = top;
  creation->width = width;
  creation->height = height;
}

void StoreWindowPlace(platform::WindowHandle window) {
  if (window == nullptr || deviceOptions.fullScreen != 0) return;
  const platform::Rect rect = platform::GetWindowRect(window);
  const StoredPlace place{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  if (place[2] <= 0 || place[3] <= 0) return;
  settings::WriteBinaryValue(settings::kWindowPlace, place.data(), sizeof place);
}

}  // namespace velmora::shell
