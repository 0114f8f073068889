#include <gtest/gtest.h>

#include <string>

#include "cstdiofile.h"
#include "wide_machine.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;
using unicode_testing::WideMachineTest;

using WideStdioFileTest = WideMachineTest;

const wchar_t* kName = L"C:\\donn\u00E9es\\journal \u00E9t\u00E9.log";

std::string Bytes() {
  CFile file(kName, CFile::modeRead);
  std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
  file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

TEST_F(WideStdioFileTest, WideTextIsStoredInTheAnsiCodePage) {
  {
    CStdioFile file(kName, CFile::modeCreate | CFile::modeWrite);
    file.WriteString(L"caf\u00E9 \u20AC 5\n");
    file.WriteString(L"\u4E2D\u6587 cannot be held\n");  // no crash, a replacement
    file.WriteString(L"end");
  }
  std::string bytes = Bytes();
  EXPECT_EQ(bytes.substr(0, 10), "caf\xE9 \x80 5\r\n");
  EXPECT_EQ(bytes.substr(10), "?? cannot be held\r\nend");

  CStdioFile file(kName, CFile::modeRead);
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(U(line), u"caf\u00E9 \u20AC 5");
  wchar_t buffer[8];
  EXPECT_EQ(file.ReadString(buffer, 8), buffer);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer)), u"?? cann");
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_EQ(U(line), u"ot be held");
  EXPECT_NE(file.ReadString(buffer, 8), nullptr);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer)), u"end");
  EXPECT_FALSE(file.ReadString(line));
  EXPECT_EQ(U(file.GetFileName()), u"journal \u00E9t\u00E9.log");
}

}  // namespace
