#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/wide.h"

namespace {

using testing_support::U;

// The arguments of `line`, checked to stand in one block: the pointer array (with a null after
// the last pointer), then each string right after the one before it.
std::vector<std::u16string> Split(const char16_t* line) {
  int count = -1;
  LPWSTR* argv = CommandLineToArgvW(reinterpret_cast<LPCWSTR>(line), &count);
  EXPECT_NE(argv, nullptr);
  if (!argv) return {};
  std::vector<std::u16string> args;
  const WCHAR* expected = reinterpret_cast<const WCHAR*>(argv + count + 1);
  EXPECT_EQ(argv[count], nullptr);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(argv[i], expected) << "argument " << i << " is not where the block continues";
    args.push_back(U(argv[i]));
    expected = argv[i] + args.back().size() + 1;
  }
  EXPECT_EQ(LocalFree(argv), nullptr);
  return args;
}

using Args = std::vector<std::u16string>;

TEST(CommandLineToArgv, ProgramNameTakesNoEscapesAndEndsAtItsClosingQuote) {
  EXPECT_EQ(Split(u"\"C:\\Program Files\\Tarvolt\\pardex.exe\" -n a"),
            (Args{u"C:\\Program Files\\Tarvolt\\pardex.exe", u"-n", u"a"}));
  // A backslash before the closing quote does not protect it.
  EXPECT_EQ(Split(u"\"C:\\dir\\\" x"), (Args{u"C:\\dir\\", u"x"}));
  // Whatever follows the closing quote is the next argument, even without a blank.
  EXPECT_EQ(Split(u"\"a b\"c d"), (Args{u"a b", u"c", u"d"}));
  // Unquoted: quotes are part of the name, which ends at the first blank.
  EXPECT_EQ(Split(u"pro\"g ram\" x"), (Args{u"pro\"g", u"ram x"}));
  // Leading white space gives an empty program name.
  EXPECT_EQ(Split(u"  x y"), (Args{u"", u"x", u"y"}));
}

TEST(CommandLineToArgv, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_EQ(Split(u"p \"abc\" d e"), (Args{u"p", u"abc", u"d", u"e"}));
  EXPECT_EQ(Split(u"p a\\\\\\b d\"e f\"g h"), (Args{u"p", u"a\\\\\\b", u"de fg", u"h"}));
  EXPECT_EQ(Split(u"p a\\\\\\\"b c d"), (Args{u"p", u"a\\\"b", u"c", u"d"}));
  EXPECT_EQ(Split(u"p a\\\\\\\\\"b c\" d e"), (Args{u"p", u"a\\\\b c", u"d", u"e"}));
  EXPECT_EQ(Split(u"p \"c:\\temp\\\\\" next"), (Args{u"p", u"c:\\temp\\", u"next"}));
  EXPECT_EQ(Split(u"p trailing\\"), (Args{u"p", u"trailing\\"}));
}

TEST(CommandLineToArgv, DoubledQuoteInsideQuotesIsALiteralQuoteThatEndsTheQuotedPart) {
  // The C runtime of later versions would stay inside the quotes and give one argument.
  EXPECT_EQ(Split(u"p \"a\"\"b c\""), (Args{u"p", u"a\"b", u"c"}));
  EXPECT_EQ(Split(u"p \"\"\"x y\"\"\" z"), (Args{u"p", u"\"x", u"y\"", u"z"}));
}

TEST(CommandLineToArgv, EmptyArgumentsTabsAndTrailingBlanks) {
  EXPECT_EQ(Split(u"p \"\" \"\""), (Args{u"p", u"", u""}));
  EXPECT_EQ(Split(u"p\ta\t \tb   "), (Args{u"p", u"a", u"b"}));
  EXPECT_EQ(Split(u"p"), (Args{u"p"}));
}

TEST(CommandLineToArgv, EmptyLineGivesTheProgramPathAndNoCountIsRefused) {
  WCHAR path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  EXPECT_EQ(Split(u""), (Args{U(path)}));

  SetLastError(0);
  EXPECT_EQ(CommandLineToArgvW(L"p a", nullptr), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

}  // namespace
