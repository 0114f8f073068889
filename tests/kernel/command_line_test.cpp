#include <gtest/gtest.h>

#include "kernel/command_line.h"
#include "kernel/process_test_helpers.h"
#include "kernel/text.h"

namespace {

using process_testing::ProcessTest;
using platform::command_line::split;

std::vector<std::string> args(std::u16string_view line) {
  std::vector<std::string> out;
  for (const std::u16string& a : split(line)) out.push_back(platform::text::utf8(a));
  return out;
}

using Args = std::vector<std::string>;

TEST(CommandLineSplit, BackslashesAndQuotesFollowTheRuntimeRules) {
  EXPECT_EQ(args(uR"(p "a b c" d e)"), (Args{"p", "a b c", "d", "e"}));
  EXPECT_EQ(args(uR"(p "ab\"c" "\\" d)"), (Args{"p", R"(ab"c)", R"(\)", "d"}));
  EXPECT_EQ(args(uR"(p a\\\b d"e f"g h)"), (Args{"p", R"(a\\\b)", "de fg", "h"}));
  EXPECT_EQ(args(uR"(p a\\\"b c d)"), (Args{"p", R"(a\"b)", "c", "d"}));
  EXPECT_EQ(args(uR"(p a\\\\"b c" d e)"), (Args{"p", R"(a\\b c)", "d", "e"}));
  // A doubled quote inside quotes is a literal quote and the quoted part goes on.
  EXPECT_EQ(args(uR"(p a"b"" c d)"), (Args{"p", R"(ab" c d)"}));
  EXPECT_EQ(args(uR"(p C:\dir\ trailing\\)"), (Args{"p", R"(C:\dir\)", R"(trailing\\)"}));
}

TEST(CommandLineSplit, BlanksEmptyArgumentsAndOpenQuotes) {
  EXPECT_EQ(args(u"p  a\tb  "), (Args{"p", "a", "b"}));
  EXPECT_EQ(args(uR"(p "" x)"), (Args{"p", "", "x"}));
  EXPECT_EQ(args(uR"(p "a b)"), (Args{"p", "a b"}));
  EXPECT_EQ(args(u"p"), (Args{"p"}));
}

TEST(CommandLineSplit, ProgramNameTakesQuotesButNoEscapes) {
  EXPECT_EQ(args(uR"("C:\Program Files\p.exe" a)"), (Args{R"(C:\Program Files\p.exe)", "a"}));
  EXPECT_EQ(args(uR"("C:\a b\\" c)"), (Args{R"(C:\a b\\)", "c"}));
  EXPECT_EQ(args(uR"(C:\"a b"\p.exe x)"), (Args{R"(C:\a b\p.exe)", "x"}));
}

class ChildCommandLineTest : public ProcessTest {};

TEST_F(ChildCommandLineTest, ChildGetsTheExactLineAndMainGetsTheSplitArguments) {
  install("proc_probe", "Tarvolt");
  const std::u16string line = u"\"proc_probe\" args  \"two  blanks\" a\\\\\\\"b c\"\"d \u00e9t\u00e9  ";
  Result r = run(line);
  ASSERT_TRUE(r.started) << r.error;
  EXPECT_EQ(r.exit_code, 0u);
  // main's arguments arrive in windows-1252.
  std::string expected = platform::text::utf8(line) + "\n[args]\n[two  blanks]\n[a\\\"b]\n[cd]\n[\xe9t\xe9]\n";
  EXPECT_EQ(r.output, expected);
}

}  // namespace
