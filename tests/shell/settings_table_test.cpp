// The settings' one table against what reads and describes them: the
// warnings' values in force, `vorbexia --help` and the manual page.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "controls/key_bindings.h"
#include "controls/settings.h"
#include "shell/command_line.h"

namespace vorbexia {
namespace {

std::map<std::string, std::string> TableDefaults() {
  std::map<std::string, std::string> defaults;
  for (const SettingHelp& setting : SettingsHelp()) {
    defaults[std::string(setting.name)] = setting.default_text;
  }
  return defaults;
}

TEST(SettingsTable, EachDefaultIsWhatStandsBeforeAnyLine) {
  for (const auto& [name, default_text] : TableDefaults()) {
    std::vector<std::string> warnings;
    ParseSettings(name + " = Bogus\n" + name + " = " + default_text + "\n", "v.conf", warnings);
    ASSERT_EQ(warnings.size(), 1u) << name;
    EXPECT_TRUE(warnings[0].ends_with("; keeping " + default_text)) << warnings[0];
  }
  for (int a = 0; a < kActionCount; ++a) {
    EXPECT_TRUE(TableDefaults().contains(std::string(ActionName(static_cast<Action>(a)))));
  }
}

TEST(SettingsTable, TheHelpListsEverySettingWithItsDefaultAndValues) {
  const std::string usage = UsageText("/h/v.conf");
  for (const SettingHelp& setting : SettingsHelp()) {
    const std::string line = "  " + std::string(setting.name) + " = " +
                             std::string(setting.default_text);
    EXPECT_NE(usage.find(line), std::string::npos) << line;
    EXPECT_NE(usage.find(std::string(setting.values) + ": " + std::string(setting.help) + "\n"),
              std::string::npos) << setting.name;
  }
}

// The manual page's SETTINGS section tags each setting `.B name = default`
// after a `.TP`; its example is a file the game reads without a warning.
TEST(SettingsTable, TheManualPageNamesEverySettingWithItsDefaultAndNoOther) {
  std::ifstream page("docs/vorbexia.6");
  ASSERT_TRUE(page) << "run from the source tree";
  std::map<std::string, std::string> tagged;
  std::string line, previous, example;
  bool in_settings = false, in_example = false;
  while (std::getline(page, line)) {
    if (line.starts_with(".SH ")) in_settings = line == ".SH SETTINGS";
    if (in_settings && previous == ".TP" && line.starts_with(".B ")) {
      const size_t equals = line.find(" = ");
      ASSERT_NE(equals, std::string::npos) << line;
      EXPECT_TRUE(tagged.emplace(line.substr(3, equals - 3), line.substr(equals + 3)).second)
          << line;
    }
    if (in_settings && line == ".fi") in_example = false;
    if (in_example) example += line + "\n";
    if (in_settings && line == ".nf") in_example = true;
    previous = line;
  }
  EXPECT_EQ(tagged, TableDefaults());
  std::vector<std::string> warnings;
  ParseSettings(example, "example", warnings);
  EXPECT_FALSE(example.empty());
  EXPECT_EQ(warnings, std::vector<std::string>{});
}

}  // namespace
}  // namespace vorbexia
