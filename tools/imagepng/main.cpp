// imagepng: writes one of the program's drawn images as a PNG file, for the
// desktop icon and for looking at the drawings. Background pixels come out
// transparent; SCALE enlarges each pixel to a square.
//
//   imagepng icon SCALE OUT.png         the program icon
//   imagepng bitmap ID SCALE OUT.png    bitmap resource ID
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

#include "png_writer.h"
#include "resources/dib_art.h"
#include "resources/ids.h"
#include "resources/ui_resources.h"

namespace {

using velmora::platform::ResourceType;

constexpr int kMaxScale = 16;

std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int Usage() {
  std::fputs("usage: imagepng icon SCALE OUT.png | imagepng bitmap ID SCALE OUT.png\n", stderr);
  return 2;
}

// What to draw: the image, the scale and the file.
struct Request {
  ResourceType type = ResourceType::kIcon;
  std::optional<int> id;
  std::optional<int> scale;
  const char* out = nullptr;
};

std::optional<Request> ParseRequest(int argc, char** argv) {
  const std::string_view kind = argc > 1 ? argv[1] : "";
  if (kind == "icon" && argc == 4) {
    return Request{ResourceType::kIcon, velmora::resources::kIconProgram, ParseNumber(argv[2]),
                   argv[3]};
  }
  if (kind == "bitmap" && argc == 5) {
    return Request{ResourceType::kBitmap, ParseNumber(argv[2]), ParseNumber(argv[3]), argv[4]};
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const auto request = ParseRequest(argc, argv);
  if (!request || !request->id || !request->scale || *request->scale < 1 ||
      *request->scale > kMaxScale) {
    return Usage();
  }
  const int id = *request->id;
  const int scale = *request->scale;
  const char* out = request->out;

  for (const velmora::platform::ResourceEntry& entry : velmora::resources::ImageResources()) {
    if (entry.type != request->type || entry.id != id) continue;
    const auto bitmap = velmora::platform::DecodeBitmapResource({entry.data, entry.size});
    if (!bitmap) {
      std::fprintf(stderr, "imagepng: image %d does not decode\n", id);
      return 1;
    }
    const auto png =
        velmora::imagepng::EncodePng(*bitmap, scale, velmora::resources::kImageBackgroundColour);
    if (png.empty() || !velmora::imagepng::WriteFile(out, png)) {
      std::fprintf(stderr, "imagepng: cannot write %s\n", out);
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "imagepng: no such image %d\n", id);
  return 1;
}
