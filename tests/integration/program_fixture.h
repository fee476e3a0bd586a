// The program on the headless platform with a small test book (articles 1, 2
// and the last one, forty one-row lines each, every article its own text)
// and the program's own pictures.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/messages.h"
#include "platform/window_handle.h"
#include "tests/support/test_book.h"
#include "view/text_view.h"

namespace velmora::test {

// Rows of every test article: one line each in any view of the tests.
inline constexpr int kArticleRows = 40;

// The paragraph stream of test article `article`.
std::vector<std::uint8_t> TestArticleStream(int article);

class ProgramTest : public ::testing::Test {
 protected:
  // Client 240 x 268 and the command bar's 26 pixels; a face name is stored,
  // so no font dialog opens. Tests store other values before Start.
  void SetUp() override;
  // Ends the program if it still runs, so that nothing it holds outlives the
  // test.
  void TearDown() override;

  // Stores a device option or a program value.
  static void StoreDeviceOption(std::string_view name, std::uint32_t value);
  static void StoreProgramValue(std::string_view name, std::uint32_t value);
  // Removes the stored face name, so that start-up asks for a font.
  static void ForgetFontName();

  // Reads the device options and starts the program, as the entry routine
  // does before its message loop. Fails the test without a main window.
  void Start();

  // Ends the program if it runs and returns to the state of a fresh test,
  // the settings included.
  void Restart();

  platform::LResult Send(std::uint32_t message, platform::WParam wParam = 0,
                         platform::LParam lParam = 0);
  platform::LResult Command(std::uint16_t command);
  platform::LResult Key(std::uint32_t virtualKey);

  view::TextView& View();
  // Whether the view shows test article `article`.
  bool ShowsArticle(int article);

  // The test book installed, the client size and the stored face name.
  void Prepare();

  TestBook book_;
  platform::WindowHandle window_ = nullptr;
};

}  // namespace velmora::test
