#include <windows.h>
#include <wincrypt.h>

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

struct Result {
  BOOL ok;
  DWORD error;  // GetLastError when !ok
  std::string bytes;
  DWORD skip;
  DWORD flags;
};

// Two calls as a program makes them: the size query, then the decode into a buffer of that size.
Result Convert(const std::string& text, DWORD format, DWORD length = 0) {
  DWORD size = 0xDEADBEEF;  // ignored by the size query
  DWORD skip = 0xDEADBEEF;
  DWORD flags = 0xDEADBEEF;
  if (!CryptStringToBinaryA(text.c_str(), length, format, nullptr, &size, &skip, &flags)) {
    return {FALSE, GetLastError(), "", skip, flags};
  }
  std::string bytes(size, '\0');
  DWORD written = size;
  skip = flags = 0xDEADBEEF;
  const BOOL ok = CryptStringToBinaryA(text.c_str(), length, format, reinterpret_cast<BYTE*>(bytes.data()),
                                       &written, &skip, &flags);
  EXPECT_TRUE(ok);
  EXPECT_EQ(written, size);
  return {ok, ok ? 0 : GetLastError(), bytes, skip, flags};
}

std::string Decoded(const std::string& text, DWORD length = 0) {
  const Result result = Convert(text, CRYPT_STRING_BASE64, length);
  EXPECT_TRUE(result.ok) << text;
  EXPECT_EQ(result.skip, 0u);
  EXPECT_EQ(result.flags, static_cast<DWORD>(CRYPT_STRING_BASE64));
  return result.bytes;
}

DWORD Refusal(const std::string& text, DWORD format = CRYPT_STRING_BASE64) {
  const Result result = Convert(text, format);
  EXPECT_FALSE(result.ok) << text;
  return result.error;
}

TEST(CryptStringBase64, SizeQueryGivesTheExactDecodedLength) {
  EXPECT_EQ(Decoded("QUJD"), "ABC");
  EXPECT_EQ(Decoded("QUI="), "AB");
  EXPECT_EQ(Decoded("QQ=="), "A");
  EXPECT_EQ(Decoded("AP8A/w=="), std::string("\x00\xFF\x00\xFF", 4));
  EXPECT_EQ(Decoded("+/+/"), "\xFB\xFF\xBF");
}

TEST(CryptStringBase64, WhiteSpaceAndLineBreaksAreSkipped) {
  EXPECT_EQ(Decoded("QUJD\r\nREVG\r\n"), "ABCDEF");
  EXPECT_EQ(Decoded(" Q U\tJ D\n"), "ABC");
  EXPECT_EQ(Decoded("QQ\r\n=="), "A");
  EXPECT_EQ(Decoded(" \r\n"), "");
}

TEST(CryptStringBase64, LengthBoundsTheText) {
  EXPECT_EQ(Decoded("QUJDREVG", 4), "ABC");
  EXPECT_EQ(Decoded("QUJDREVG", 0), "ABCDEF");
}

TEST(CryptStringBase64, FinalGroupMayLackPadding) {
  EXPECT_EQ(Decoded("QUI"), "AB");
  EXPECT_EQ(Decoded("QQ"), "A");
}

TEST(CryptStringBase64, InvalidTextFailsWithInvalidData) {
  for (const char* text : {"QU@D", "QUJD$", "QUJ-", "QUJ_", "QUJDR", "Q===", "=QUJ", "QQ==QUJD", "QUJD="}) {
    EXPECT_EQ(Refusal(text), static_cast<DWORD>(ERROR_INVALID_DATA)) << text;
  }
  // A NUL inside the counted characters is not Base64 either.
  DWORD size = 0;
  EXPECT_FALSE(CryptStringToBinaryA("QU\0D", 4, CRYPT_STRING_BASE64, nullptr, &size, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
}

TEST(CryptStringBase64, SmallBufferFailsWithMoreData) {
  BYTE buffer[8];
  memset(buffer, 0x5A, sizeof buffer);
  DWORD size = 2;
  EXPECT_FALSE(CryptStringToBinaryA("QUJD", 4, CRYPT_STRING_BASE64, buffer, &size, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MORE_DATA));
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(buffer[0], 0x5A);

  // A larger buffer receives the bytes; the count says how many, the rest stays.
  size = sizeof buffer;
  EXPECT_TRUE(CryptStringToBinaryA("QUJD", 4, CRYPT_STRING_BASE64, buffer, &size, nullptr, nullptr));
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(memcmp(buffer, "ABC\x5A", 4), 0);
}

TEST(CryptStringBase64, MissingArgumentsFailWithInvalidParameter) {
  EXPECT_FALSE(CryptStringToBinaryA("QUJD", 4, CRYPT_STRING_BASE64, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  DWORD size = 0;
  EXPECT_FALSE(CryptStringToBinaryA(nullptr, 4, CRYPT_STRING_BASE64, nullptr, &size, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

const char kArmored[] = "junk\n-----BEGIN CERTIFICATE-----\r\nQUJD\r\nREVG\r\n-----END CERTIFICATE-----\r\n";

TEST(CryptStringHeaders, BodyBetweenBeginAndEndLines) {
  const Result result = Convert(kArmored, CRYPT_STRING_BASE64HEADER);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.bytes, "ABCDEF");
  EXPECT_EQ(result.skip, 5u);
  EXPECT_EQ(result.flags, static_cast<DWORD>(CRYPT_STRING_BASE64HEADER));
  EXPECT_EQ(Refusal("QUJD", CRYPT_STRING_BASE64HEADER), static_cast<DWORD>(ERROR_INVALID_DATA));
  EXPECT_EQ(Refusal("-----BEGIN X-----\nQUJD\n", CRYPT_STRING_BASE64HEADER), static_cast<DWORD>(ERROR_INVALID_DATA));
}

TEST(CryptStringAny, ReportsTheFormatFound) {
  Result result = Convert(kArmored, CRYPT_STRING_BASE64_ANY);
  EXPECT_EQ(result.bytes, "ABCDEF");
  EXPECT_EQ(result.flags, static_cast<DWORD>(CRYPT_STRING_BASE64HEADER));

  result = Convert("QUJD", CRYPT_STRING_BASE64_ANY);
  EXPECT_EQ(result.bytes, "ABC");
  EXPECT_EQ(result.flags, static_cast<DWORD>(CRYPT_STRING_BASE64));
  EXPECT_EQ(Refusal("hello!", CRYPT_STRING_BASE64_ANY), static_cast<DWORD>(ERROR_INVALID_DATA));

  result = Convert("hello!", CRYPT_STRING_ANY);
  EXPECT_EQ(result.bytes, "hello!");
  EXPECT_EQ(result.flags, static_cast<DWORD>(CRYPT_STRING_BINARY));
}

TEST(CryptStringHex, DigitPairs) {
  EXPECT_EQ(Convert("41 42\t43\r\n", CRYPT_STRING_HEX).bytes, "ABC");
  EXPECT_EQ(Convert("414243ff", CRYPT_STRING_HEXRAW).bytes, "ABC\xFF");
  EXPECT_EQ(Refusal("4 1", CRYPT_STRING_HEX), static_cast<DWORD>(ERROR_INVALID_DATA));
  EXPECT_EQ(Refusal("414", CRYPT_STRING_HEX), static_cast<DWORD>(ERROR_INVALID_DATA));
  EXPECT_EQ(Refusal("41g2", CRYPT_STRING_HEXRAW), static_cast<DWORD>(ERROR_INVALID_DATA));
}

TEST(CryptStringFormats, UnknownFormatFailsWithInvalidParameter) {
  EXPECT_EQ(Refusal("41", CRYPT_STRING_HEXADDR), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(Refusal("41", 0x55), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(Convert("QUJD", CRYPT_STRING_BASE64 | CRYPT_STRING_STRICT).bytes, "ABC");
}

}  // namespace
