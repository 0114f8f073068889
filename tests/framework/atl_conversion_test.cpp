#include <string>

#include "atlconv.h"
#include "support/machine_fixture.h"
#include "support/wide.h"

namespace {

using testing_support::U;

class AtlConversion : public testing_support::MachineTest {};

TEST_F(AtlConversion, WideToAnsiFollowsTheCodePageGiven) {
  const wchar_t* text = L"Caf\u00e9 \u20ac";
  EXPECT_EQ(std::string(CW2AEX<>(text, 1252)), "Caf\xE9 \x80");
  EXPECT_EQ(std::string(CW2AEX<>(text, CP_UTF8)), "Caf\xC3\xA9 \xE2\x82\xAC");
  // Without a code page: the thread's ANSI code page, windows-1252 on this machine.
  EXPECT_EQ(std::string(CW2A(text)), "Caf\xE9 \x80");
}

TEST_F(AtlConversion, AnsiToWideFollowsTheCodePageGiven) {
  // 0x80 to 0x9F are not the Latin-1 controls in windows-1252.
  EXPECT_EQ(U(CA2WEX<>("\x80\x9F", 1252)), u"\u20AC\u0178");
  EXPECT_EQ(U(CA2WEX<>("Caf\xC3\xA9", CP_UTF8)), u"Caf\u00e9");
  EXPECT_EQ(U(CA2W("\xE9")), u"\u00e9");
}

TEST_F(AtlConversion, TextLongerThanTheInlineBufferIsWhole) {
  // Three characters and the terminator fill a buffer of four; one more goes to the heap.
  EXPECT_EQ(std::string(CW2AEX<4>(L"abc")), "abc");
  EXPECT_EQ(std::string(CW2AEX<4>(L"abcd")), "abcd");
  EXPECT_EQ(U(CA2WEX<4>("abcd")), u"abcd");
  std::string longText(300, 'x');
  longText += "\xE9";
  CA2W wide(longText.c_str(), 1252);
  EXPECT_EQ(std::string(CW2A(wide, 1252)), longText);
}

TEST_F(AtlConversion, NullStaysNull) {
  EXPECT_EQ(static_cast<LPSTR>(CW2A(nullptr)), nullptr);
  EXPECT_EQ(static_cast<LPWSTR>(CA2W(nullptr)), nullptr);
}

}  // namespace
