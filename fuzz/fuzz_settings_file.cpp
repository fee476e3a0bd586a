// Fuzzes the settings file parser: any bytes must parse or fail without
// reading outside them, and whatever parses must come back identical after
// being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/common/registry_format.h"

namespace {

using velmora::platform::ParseRegistryFile;
using velmora::platform::RegistryModel;
using velmora::platform::SerializeRegistryFile;

bool SameModel(const RegistryModel& a, const RegistryModel& b) {
  if (a.keys.size() != b.keys.size()) return false;
  for (std::size_t k = 0; k < a.keys.size(); ++k) {
    const auto& x = a.keys[k];
    const auto& y = b.keys[k];
    if (x.path != y.path || x.values.size() != y.values.size()) return false;
    for (std::size_t v = 0; v < x.values.size(); ++v) {
      if (x.values[v].name != y.values[v].name ||
          x.values[v].value.type != y.values[v].value.type ||
          x.values[v].value.data != y.values[v].value.data) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parsed = ParseRegistryFile(std::span<const std::uint8_t>(data, size));
  if (!parsed.model) return 0;
  const std::string written = SerializeRegistryFile(*parsed.model);
  const auto reread = ParseRegistryFile(std::span<const std::uint8_t>(
      reinterpret_cast<const std::uint8_t*>(written.data()), written.size()));
  if (!reread.model || !SameModel(*parsed.model, *reread.model)) std::abort();
  return 0;
}
