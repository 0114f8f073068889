// RasGetErrorString: the documented range of codes, the buffer rules, and the texts of the codes
// the dialler reports.
#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include <gtest/gtest.h>

#include <string>

#include "support/wide.h"

namespace {

using testing_support::u8;

TEST(RasErrorStringTest, DocumentedRangeAndBufferRules) {
  char text[512];
  ASSERT_EQ(RasGetErrorStringA(ERROR_AUTHENTICATION_FAILURE, text, sizeof text), 0u);
  EXPECT_STREQ(text, "Access was denied because the username and/or password was invalid on the domain.");
  WCHAR wide[512];
  for (UINT code = 600; code <= 870; ++code) {
    ASSERT_EQ(RasGetErrorStringW(code, wide, 512), 0u) << code;
    EXPECT_GT(u8(wide).size(), 5u) << code;
  }
  EXPECT_EQ(RasGetErrorStringA(599, text, sizeof text), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(RasGetErrorStringA(871, text, sizeof text), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(RasGetErrorStringA(691, nullptr, 512), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(RasGetErrorStringA(691, text, 10), DWORD(ERROR_INSUFFICIENT_BUFFER));
}

// The codes the dialler returns beyond the classic range have their own texts, in both widths.
TEST(RasErrorStringTest, UnresolvableServerNameHasItsText) {
  const std::string expected =
      "The remote connection was not made because the name of the remote access server did not resolve.";
  char text[512];
  ASSERT_EQ(RasGetErrorStringA(ERROR_DNSNAME_NOT_RESOLVABLE, text, sizeof text), 0u);
  EXPECT_EQ(text, expected);
  WCHAR wide[512];
  ASSERT_EQ(RasGetErrorStringW(ERROR_DNSNAME_NOT_RESOLVABLE, wide, 512), 0u);
  EXPECT_EQ(u8(wide), expected);
  // The buffer must hold the terminator too.
  EXPECT_EQ(RasGetErrorStringA(ERROR_DNSNAME_NOT_RESOLVABLE, text, DWORD(expected.size())),
            DWORD(ERROR_INSUFFICIENT_BUFFER));
}

}  // namespace
