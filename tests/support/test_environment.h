// Every test starts from a fresh process state: the headless platform reset,
// AppState zeroed, and a settings file of its own in a temporary folder.
#pragma once

#include <filesystem>

namespace velmora::test {

// The settings file of the running test (VELMORA_REGISTRY points at it).
std::filesystem::path RegistryFile();

}  // namespace velmora::test
