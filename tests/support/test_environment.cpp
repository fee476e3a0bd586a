#include "test_environment.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/headless/headless.h"
#include "state/app_state.h"

namespace velmora::test {
namespace {

std::filesystem::path registry_file;

std::filesystem::path TestFolder() {
  return std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(::getpid()));
}

// Resets the shared state before every test, so that tests never see each
// other's settings, faults or recorded calls.
class FreshState : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& info) override {
    platform::headless::ResetAll();
    ResetAppState();
    const std::filesystem::path dir = TestFolder();
    std::filesystem::create_directories(dir);
    // Parameterised tests have slashes in their names; the file stays in dir.
    std::string name = std::string(info.test_suite_name()) + "." + info.name() + ".reg";
    std::replace(name.begin(), name.end(), '/', '_');
    registry_file = dir / name;
    std::filesystem::remove(registry_file);
    ::setenv("VELMORA_REGISTRY", registry_file.c_str(), 1);
  }

  void OnTestProgramEnd(const ::testing::UnitTest&) override {
    std::error_code ignored;
    std::filesystem::remove_all(TestFolder(), ignored);
  }
};

const bool registered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
  return true;
}();

}  // namespace

std::filesystem::path RegistryFile() { return registry_file; }

}  // namespace velmora::test
