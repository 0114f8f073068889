#include <gtest/gtest.h>

#include <strings.h>

#include <algorithm>

#include "kernel/child_environment.h"
#include "support/environment_guard.h"

namespace {

using Entries = std::vector<std::string>;

TEST(ChildEnvironment, GivenBlockReplacesTheEnvironmentButNotTheHandover) {
  const char16_t unicode[] = u"=C:=C:\\Tarvolt\0PATH=C:\\Windows\0WINSIM_HANDLES=4:3\0NAME=caf\u00e9\0";
  EXPECT_EQ(platform::child_environment(unicode, true, {"WINSIM_HANDLES=8:3"}),
            (Entries{"PATH=C:\\Windows", "NAME=caf\xc3\xa9", "WINSIM_HANDLES=8:3"}));
  const char ansi[] = "NAME=caf\xe9\0WINSIM_STDIO=c,c,c\0";
  EXPECT_EQ(platform::child_environment(ansi, false, {}), (Entries{"NAME=caf\xc3\xa9"}));
}

TEST(ChildEnvironment, OwnEnvironmentPassesWithoutTheCreatorsHandover) {
  Entries env;
  {
    testing_support::EnvironmentGuard own("TARVOLT_CHILD_ENV_TEST", "yes");
    testing_support::EnvironmentGuard handover("WINSIM_CONSOLE", "9");
    env = platform::child_environment(nullptr, false, {"WINSIM_CONSOLE=4"});
  }
  EXPECT_EQ(std::count(env.begin(), env.end(), "TARVOLT_CHILD_ENV_TEST=yes"), 1);
  EXPECT_EQ(std::count(env.begin(), env.end(), "WINSIM_CONSOLE=9"), 0);
  EXPECT_EQ(env.back(), "WINSIM_CONSOLE=4");
}

TEST(ChildEnvironment, InheritedEnvironmentHasTheMachinesCommandInterpreter) {
  auto comspec_entries = [](const Entries& env) {
    Entries found;
    for (const std::string& entry : env)
      if (entry.size() > 8 && strncasecmp(entry.c_str(), "COMSPEC=", 8) == 0) found.push_back(entry);
    return found;
  };
  testing_support::EnvironmentGuard none("COMSPEC", nullptr);
  EXPECT_EQ(comspec_entries(platform::child_environment(nullptr, false, {})),
            Entries{"COMSPEC=C:\\Windows\\System32\\cmd.exe"});
  {
    // Windows' names ignore case: the creator's own interpreter stays the only one.
    testing_support::EnvironmentGuard own("ComSpec", "C:\\Tools\\shell.exe");
    EXPECT_EQ(comspec_entries(platform::child_environment(nullptr, false, {})),
              Entries{"ComSpec=C:\\Tools\\shell.exe"});
  }
  // A block the creator gives is the whole environment.
  const char16_t block[] = u"PATH=C:\\Windows\0";
  EXPECT_TRUE(comspec_entries(platform::child_environment(block, true, {})).empty());
}

}  // namespace
