// The program on the headless platform with a few more test articles for
// the search: 500 and 700 hold the word "qq" near their end under a
// heading, 600 holds none. The stored LetterBase is 97, so the text is drawn
// and typed as its stored bytes.
#pragma once

#include <cstdint>
#include <string_view>

#include "tests/integration/program_fixture.h"

namespace velmora::test {

inline constexpr std::uint16_t kFirstQq = 500;
inline constexpr std::uint16_t kNoQq = 600;
inline constexpr std::uint16_t kSecondQq = 700;

// The heading of article 500, 600 or 700.
std::string_view SearchHeadingOf(std::uint16_t article);

class SearchTest : public ProgramTest {
 protected:
  void SetUp() override;

  // Stores `pattern` (stored order) as the SearchPattern.
  static void SetPattern(std::string_view pattern);
  // The stream offset of the "qq" of article 500 or 700 (its highest byte).
  static std::uint16_t QqOffset();
};

}  // namespace velmora::test
