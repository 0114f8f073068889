#include <gtest/gtest.h>

#include <string>

#include "cfileexception.h"
#include "cinvalidargexception.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;

// In this build messages are 16-bit text, and the buffer's size counts 16-bit characters.
TEST(WideExceptionMessageTest, FileMessagesAreWideAndCutToTheBuffer) {
  CFileException e(CFileException::accessDenied, ERROR_ACCESS_DENIED, L"C:\\donn\u00E9es\\\u4E2D\u6587.txt");
  wchar_t text[200];
  UINT help = 99;
  EXPECT_TRUE(e.GetErrorMessage(text, 200, &help));
  EXPECT_EQ(help, 0u);
  std::u16string message = U(text);
  EXPECT_NE(message.find(u"C:\\donn\u00E9es\\\u4E2D\u6587.txt"), std::u16string::npos);
  EXPECT_EQ(message.find(u"%1"), std::u16string::npos);

  wchar_t small[10];
  for (wchar_t& c : small) c = 0xFFFF;
  EXPECT_TRUE(e.GetErrorMessage(small, 6));
  EXPECT_EQ(U(small), message.substr(0, 5));
  for (int i = 6; i < 10; ++i) EXPECT_EQ(small[i], 0xFFFF) << i;  // nothing written past the buffer

  CFileException unnamed(CFileException::diskFull);
  unnamed.GetErrorMessage(text, 200);
  EXPECT_NE(U(text).find(u"an unnamed file"), std::u16string::npos);
}

TEST(WideExceptionMessageTest, SimpleExceptionTextsAreWide) {
  try {
    CString().SetAt(0, L'x');
    FAIL() << "nothing thrown";
  } catch (CException* e) {
    ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
    wchar_t text[100];
    EXPECT_TRUE(e->GetErrorMessage(text, 100));
    EXPECT_EQ(U(text), u"An invalid argument was encountered.");
    e->Delete();
  }
}

}  // namespace
