#include "decrypt_parameter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's allocator interface: the size a live allocation was asked for.
extern "C" size_t __sanitizer_get_allocated_size(const volatile void* p);
#endif

#include "parameter_encoder.h"

namespace {

using cipher_testing::Bytes;
using cipher_testing::EncodeBase64;
using cipher_testing::EncryptEcb;
using cipher_testing::EncryptParameter;
using cipher_testing::MakeRecord;
using cipher_testing::Seal;

// The decoded value, or "<false>" when the decoder refuses; out must stay untouched then.
std::string Decode(const std::string& text, const char* password) {
  char untouched = 0;
  char* out = &untouched;
  if (!DecryptParameter(text.c_str(), password, &out)) {
    EXPECT_EQ(out, &untouched);
    return "<false>";
  }
  std::unique_ptr<char[]> value(out);
  return value.get();
}

std::string Encrypted(Bytes record, const char* password) {
  EncryptEcb(record, password);
  return EncodeBase64(record);
}

TEST(DecryptParameter, DecodesWhatTheToolEncrypts) {
  EXPECT_EQ(Decode(EncryptParameter("vpn-secret", "admin pass"), "admin pass"), "vpn-secret");
  EXPECT_EQ(Decode(EncryptParameter("caf\xE9 \xA3 100", "cl\xE9"), "cl\xE9"), "caf\xE9 \xA3 100");
  const std::string forty(40, 'k');
  EXPECT_EQ(Decode(EncryptParameter(forty, "p"), "p"), forty);
}

TEST(DecryptParameter, RefusesEmptyInput) {
  EXPECT_EQ(Decode("", "password"), "<false>");
  EXPECT_EQ(Decode(EncryptParameter("value", "password"), ""), "<false>");
}

TEST(DecryptParameter, RefusesTextThatIsNotBase64) {
  EXPECT_EQ(Decode("not base64!", "password"), "<false>");
  EXPECT_EQ(Decode(EncryptParameter("value", "password") + "$", "password"), "<false>");
}

TEST(DecryptParameter, RefusesLengthsThatAreNotWholeRecords) {
  // Nothing decoded: the marker test meets the terminator, nothing past it is read.
  EXPECT_EQ(Decode(" \r\n", "password"), "<false>");
  // 12 and 20 bytes are refused before decryption, which would complain on stderr.
  testing::internal::CaptureStderr();
  EXPECT_EQ(Decode(EncodeBase64(Bytes(12, 'x')), "password"), "<false>");
  EXPECT_EQ(Decode(EncodeBase64(Bytes(20, 'x')), "password"), "<false>");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(DecryptParameter, ValueMayFillTheRecord) {
  EXPECT_EQ(Decode(Encrypted(MakeRecord("0123456789", 0), "pw"), "pw"), "0123456789");
  EXPECT_EQ(Decode(Encrypted(MakeRecord("ab", 0), "pw"), "pw"), "ab");
}

TEST(DecryptParameter, ValueEndsAtTheFirstFillerNul) {
  EXPECT_EQ(Decode(Encrypted(MakeRecord("abc", 15), "pw"), "pw"), "abc");
  EXPECT_EQ(Decode(Encrypted(MakeRecord(std::string_view("abc\0XY", 6), 4), "pw"), "pw"), "abc");
  // The CRC covers the filler too.
  Bytes record = MakeRecord("abc", 15);
  record[8] = 'Z';
  EXPECT_EQ(Decode(Encrypted(record, "pw"), "pw"), "<false>");
}

TEST(DecryptParameter, WrongPasswordIsRefused) {
  const std::string text = EncryptParameter("vpn-secret", "password1");
  EXPECT_EQ(Decode(text, "password2"), "<false>");
  EXPECT_EQ(Decode(text, "Password1"), "<false>");
  EXPECT_EQ(Decode(text, "password"), "<false>");
}

TEST(DecryptParameter, RecordMustCarryMarkerAndLittleEndianCrc) {
  Bytes big_endian = MakeRecord("secret", 4);
  std::reverse(big_endian.end() - 4, big_endian.end());
  EXPECT_EQ(Decode(Encrypted(big_endian, "pw"), "pw"), "<false>");

  const Bytes no_marker = Seal({'=', '-', 's', 'e', 'c', 'r', 'e', 't', 0, 0, 0, 0});
  EXPECT_EQ(Decode(Encrypted(no_marker, "pw"), "pw"), "<false>");
  const Bytes marker = Seal({'=', '=', 's', 'e', 'c', 'r', 'e', 't', 0, 0, 0, 0});
  EXPECT_EQ(Decode(Encrypted(marker, "pw"), "pw"), "secret");
}

TEST(DecryptParameter, ResultArrayIsRecordMinusFive) {
  char* out = nullptr;
  ASSERT_TRUE(DecryptParameter(Encrypted(MakeRecord("ab", 0), "pw").c_str(), "pw", &out));
  std::unique_ptr<char[]> value(out);
  EXPECT_STREQ(value.get(), "ab");
#if defined(__SANITIZE_ADDRESS__)
  EXPECT_EQ(__sanitizer_get_allocated_size(value.get()), 3u);
#endif
}

}  // namespace
