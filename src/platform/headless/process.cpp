#include "platform/process.h"
#include "platform/headless/headless.h"

namespace velmora::platform {
namespace {

std::u16string module_file_name = u"/opt/velmora/bin/velmora";

}  // namespace

std::u16string ModuleFileName() { return module_file_name; }

namespace headless {

void SetModuleFileName(std::u16string path) { module_file_name = std::move(path); }

}  // namespace headless
}  // namespace velmora::platform
