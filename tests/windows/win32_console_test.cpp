// The game's arguments from a Windows command line: split as Windows splits
// it, the program's name left out, each argument in UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_console.h"

namespace vorbexia {
namespace {

using Words = std::vector<std::string>;

TEST(Win32Arguments, QuotedPathsWithSpacesStayWholeAndTheNameIsLeftOut) {
  EXPECT_EQ(Utf8Arguments(LR"("C:\Gry\Vorbexia\vorbexia.exe" --record "C:\Moje gry\a b.demo")"),
            (Words{"--record", R"(C:\Moje gry\a b.demo)"}));
  EXPECT_EQ(Utf8Arguments(L"vorbexia.exe"), Words{});
  // An empty argument is one, and a backslash before a quote escapes it.
  EXPECT_EQ(Utf8Arguments(LR"(vorbexia.exe "" --seed "say \"7\"")"),
            (Words{"", "--seed", R"(say "7")"}));
}

TEST(Win32Arguments, NonAsciiNamesArriveInUtf8) {
  EXPECT_EQ(Utf8Arguments(L"vorbexia.exe --timedemo \u017C\u00F3\u0142w.demo \U0001F3AE"),
            (Words{"--timedemo", "\xC5\xBC\xC3\xB3\xC5\x82w.demo", "\xF0\x9F\x8E\xAE"}));
  EXPECT_EQ(WideFromUtf8("\xC5\xBC\xC3\xB3\xC5\x82w"), L"\u017C\u00F3\u0142w");
}

}  // namespace
}  // namespace vorbexia
