// A settings file that cannot be read: kept aside at the start, told once in
// a message box that names the kept copy, and the run goes on with the
// defaults.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/headless/headless.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/window.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "tests/integration/program_fixture.h"
#include "tests/support/stored_values.h"
#include "tests/support/test_environment.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;
namespace fs = std::filesystem;

using DamagedSettingsTest = ProgramTest;

void Damage(const fs::path& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << "this is no settings file\n\x01\x02";
}

TEST_F(DamagedSettingsTest, IsKeptAsideAndToldOnceBeforeTheDefaults) {
  const fs::path file = RegistryFile();
  const fs::path kept = file.string() + ".damaged";
  Damage(file);
  Start();
  ASSERT_EQ(headless::MessageBoxCalls().size(), 1u);
  const headless::MessageBoxCall& box = headless::MessageBoxCalls()[0];
  EXPECT_EQ(box.owner, nullptr) << "told before the window is made";
  EXPECT_EQ(box.caption, resources::kCaptionVelmora);
  EXPECT_EQ(box.style, platform::kMbOk | platform::kMbIconExclamation);
  const std::string text = platform::Utf16ToUtf8(box.text);
  EXPECT_NE(text.find(kept.string()), std::string::npos) << text;
  EXPECT_TRUE(fs::exists(kept));
  // The defaults: article 1 at its top, no face stored (so the font dialog
  // was asked for and cancelled by the headless platform).
  EXPECT_EQ(appState.currentArticle, 1);
  EXPECT_EQ(View().topRow, 0);

  // The next run finds the file written at exit, and says nothing.
  Command(resources::kCmdExit);
  EXPECT_TRUE(fs::exists(file));
  headless::ResetAll();
  ResetAppState();
  Prepare();
  Start();
  EXPECT_TRUE(headless::MessageBoxCalls().empty());
  EXPECT_TRUE(fs::exists(kept)) << "the kept copy stays";
}

TEST_F(DamagedSettingsTest, ASoundOrMissingFileTellsNothing) {
  for (bool missing : {false, true}) {
    SCOPED_TRACE(missing);
    Restart();
    if (missing) fs::remove(RegistryFile());
    Start();
    EXPECT_TRUE(headless::MessageBoxCalls().empty());
    EXPECT_FALSE(fs::exists(RegistryFile().string() + ".damaged"));
  }
}

}  // namespace
}  // namespace velmora::test
