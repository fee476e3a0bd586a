#include "tests/integration/program_fixture.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <string>

#include "platform/headless/headless.h"
#include "platform/registry.h"
#include "platform/window.h"
#include "resources/article_count.h"
#include "resources/ui_resources.h"
#include "shell/startup.h"
#include "state/app_state.h"
#include "state/settings.h"
#include "state/settings_names.h"
#include "tests/support/stored_values.h"
#include "tests/support/test_environment.h"

namespace velmora::test {
namespace {

namespace headless = platform::headless;

constexpr std::uint8_t kPlainStyle = 0x01;
constexpr std::int32_t kClientWidth = 240;
constexpr std::int32_t kClientHeight = 268;

}  // namespace

std::vector<std::uint8_t> TestArticleStream(int article) {
  // Two letters per line fit any view of the tests; the first line names the
  // article.
  std::vector<ItemSpec> items(kArticleRows, ItemSpec{kPlainStyle, 0, "ab"});
  items[0].text = "a" + std::to_string(article);
  return MakeParagraphStream(items);
}

void ProgramTest::SetUp() {
  for (int article : {1, 2, static_cast<int>(ArticleCount)}) {
    AddContent(&book_, article, TestArticleStream(article));
  }
  // The program's own pictures beside the test book.
  std::span<const platform::ResourceEntry> images = resources::ImageResources();
  book_.entries.insert(book_.entries.end(), images.begin(), images.end());
  Prepare();
}

void ProgramTest::Prepare() {
  InstallBook(book_);
  headless::SetDefaultClientSize(kClientWidth, kClientHeight);
  Store(settings::ProgramKey, settings::kFontName, platform::kRegSz, Utf16(u"Test Face"));
}

void ProgramTest::StoreDeviceOption(std::string_view name, std::uint32_t value) {
  Store(settings::DeviceOptionsKey, name, platform::kRegDword, Dword(value));
}

void ProgramTest::StoreProgramValue(std::string_view name, std::uint32_t value) {
  Store(settings::ProgramKey, name, platform::kRegDword, Dword(value));
}

void ProgramTest::ForgetFontName() {
  Store(settings::ProgramKey, settings::kFontName, platform::kRegSz, Utf16(u""));
}

void ProgramTest::Start() {
  settings::ReadDeviceOptions();
  window_ = shell::StartInstance(platform::SW_SHOWNORMAL);
  ASSERT_NE(window_, nullptr);
}

void ProgramTest::TearDown() {
  if (window_ != nullptr && headless::IsLiveWindow(window_)) platform::DestroyWindow(window_);
  window_ = nullptr;
}

void ProgramTest::Restart() {
  TearDown();
  headless::ResetAll();
  ResetAppState();
  std::filesystem::remove(RegistryFile());
  Prepare();
}

platform::LResult ProgramTest::Send(std::uint32_t message, platform::WParam wParam,
                                    platform::LParam lParam) {
  return platform::SendMessage(window_, message, wParam, lParam);
}

platform::LResult ProgramTest::Command(std::uint16_t command) {
  return Send(platform::WM_COMMAND, command);
}

platform::LResult ProgramTest::Key(std::uint32_t virtualKey) {
  return Send(platform::WM_KEYDOWN, virtualKey);
}

view::TextView& ProgramTest::View() { return *appState.articleView; }

bool ProgramTest::ShowsArticle(int article) {
  const std::vector<std::uint8_t> stream = TestArticleStream(article);
  const view::TextView& shown = View();
  return shown.text && shown.text.size == stream.size() &&
         std::equal(stream.begin(), stream.end(), shown.text.get());
}

}  // namespace velmora::test
