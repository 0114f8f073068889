#include "blowfish.h"

#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes FromHex(const char* hex) {
  Bytes bytes;
  for (size_t i = 0; hex[i] != '\0'; i += 2) {
    bytes.push_back(static_cast<unsigned char>(std::stoi(std::string(hex + i, 2), nullptr, 16)));
  }
  return bytes;
}

std::string KeyString(const char* hex) {
  const Bytes bytes = FromHex(hex);
  return std::string(bytes.begin(), bytes.end());
}

// The published vectors write each half big-endian; a buffer holds it little-endian.
Bytes ReverseHalves(Bytes block) {
  for (auto half = block.begin(); half != block.end(); half += 4) std::reverse(half, half + 4);
  return block;
}

bool SameTables(const CBlowfish& a, const CBlowfish& b) { return memcmp(&a, &b, sizeof a) == 0; }

CBlowfish Keyed(const std::string& key) {
  CBlowfish context;
  CBlowfish::Initialize(key.c_str(), &context);
  return context;
}

CBlowfish Fresh() {
  CBlowfish context;
  CBlowfish::InitTables(&context);
  return context;
}

struct Vector {
  const char* key;
  const char* plain;
  const char* cipher;
};

// Published ECB vectors whose keys hold no zero byte (a key is a C string).
const Vector kVectors[] = {
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};

// The published variable-length key vectors: prefixes of one key over one plaintext.
const char kLongKey[] = "F0E1D2C3B4A5968778695A4B3C2D1E0F";
const char kLongKeyPlain[] = "FEDCBA9876543210";
const char* const kLongKeyCiphers[] = {
    "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05",
    "B39E44481BDB1E6E", "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82",
    "15750E7A4F4EC577", "122BA70B3AB64AE0", "3A833C9AFFC537F6", "9409DA87A90F6BF2",
    "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F", "93142887EE3BE15C",
};

Bytes DecryptedBuffer(const std::string& key, Bytes buffer) {
  CBlowfish context = Keyed(key);
  CBlowfish::Decrypt(static_cast<int>(buffer.size()), &context, buffer.data());
  return buffer;
}

TEST(BlowfishVectors, DecryptBuffersWithLittleEndianHalves) {
  for (const Vector& v : kVectors) {
    SCOPED_TRACE(v.key);
    EXPECT_EQ(DecryptedBuffer(KeyString(v.key), ReverseHalves(FromHex(v.cipher))), ReverseHalves(FromHex(v.plain)));
  }
  for (size_t length = 1; length <= 16; ++length) {
    SCOPED_TRACE(length);
    const std::string key = KeyString(kLongKey).substr(0, length);
    EXPECT_EQ(DecryptedBuffer(key, ReverseHalves(FromHex(kLongKeyCiphers[length - 1]))),
              ReverseHalves(FromHex(kLongKeyPlain)));
  }
}

TEST(BlowfishVectors, BigEndianBuffersDoNotDecrypt) {
  for (const Vector& v : kVectors) {
    SCOPED_TRACE(v.key);
    EXPECT_NE(DecryptedBuffer(KeyString(v.key), FromHex(v.cipher)), FromHex(v.plain));
  }
}

TEST(BlowfishVectors, EncryptBlockMatchesOnWords) {
  for (const Vector& v : kVectors) {
    SCOPED_TRACE(v.key);
    CBlowfish context = Keyed(KeyString(v.key));
    const Bytes plain = FromHex(v.plain);
    const Bytes cipher = FromHex(v.cipher);
    auto word = [](const Bytes& b, int at) {
      return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
    };
    uint32_t left = word(plain, 0);
    uint32_t right = word(plain, 4);
    CBlowfish::EncryptBlock(&context, &left, &right);
    EXPECT_EQ(left, word(cipher, 0));
    EXPECT_EQ(right, word(cipher, 4));
    CBlowfish::DecryptBlock(&context, &left, &right);
    EXPECT_EQ(left, word(plain, 0));
    EXPECT_EQ(right, word(plain, 4));
  }
}

TEST(BlowfishTables, ResetForgetsTheKey) {
  CBlowfish context = Keyed("secret");
  EXPECT_FALSE(SameTables(context, Fresh()));
  CBlowfish::InitTables(&context);
  EXPECT_TRUE(SameTables(context, Fresh()));
}

TEST(BlowfishKeySchedule, EmptyKeyLeavesTheConstants) {
  CBlowfish context = Fresh();
  CBlowfish::SetKey("", &context);
  EXPECT_TRUE(SameTables(context, Fresh()));
  EXPECT_TRUE(SameTables(Keyed(""), Fresh()));
}

TEST(BlowfishKeySchedule, OnlyTheFirst72BytesCount) {
  std::string key72;
  for (int i = 0; i < 72; ++i) key72 += static_cast<char>('!' + i);
  EXPECT_TRUE(SameTables(Keyed(key72), Keyed(key72 + "x")));
  EXPECT_TRUE(SameTables(Keyed(key72), Keyed(key72 + std::string(100, 'y'))));
  std::string changed_last = key72;
  changed_last[71] = '~';
  EXPECT_FALSE(SameTables(Keyed(key72), Keyed(changed_last)));
}

TEST(BlowfishKeySchedule, KeyIsReadCyclically) {
  EXPECT_TRUE(SameTables(Keyed("abc"), Keyed("abcabc")));
  EXPECT_TRUE(SameTables(Keyed("password"), Keyed("passwordpassword")));
  EXPECT_FALSE(SameTables(Keyed("abc"), Keyed("abcab")));
}

TEST(BlowfishKeySchedule, HighKeyByteFillsOnlyItsOwnByte) {
  // Sign-extended, 01 FF 01 FF would spread into every bit of its word, as FF does.
  EXPECT_FALSE(SameTables(Keyed("\x01\xFF\x01\xFF"), Keyed("\xFF")));
  EXPECT_TRUE(SameTables(Keyed("\xFF"), Keyed("\xFF\xFF\xFF\xFF")));
}

TEST(BlowfishDecrypt, RejectsPartialBlocksUnchanged) {
  const Bytes original = FromHex("00112233445566778899AABB");
  Bytes buffer = original;
  CBlowfish context = Keyed("key");
  testing::internal::CaptureStderr();
  CBlowfish::Decrypt(12, &context, buffer.data());
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "\aBlowfish requires the input to be a multiple of 8 bytes (64 bits) to work.\n");
  EXPECT_EQ(buffer, original);
}

TEST(BlowfishDecrypt, EmptyBufferIsNoWork) {
  unsigned char sentinel = 0x5A;
  CBlowfish context = Keyed("key");
  testing::internal::CaptureStderr();
  CBlowfish::Decrypt(0, &context, &sentinel);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(sentinel, 0x5A);
}

TEST(BlowfishDecrypt, BlocksAreIndependent) {
  const Bytes a = FromHex("0011223344556677");
  const Bytes b = FromHex("8899AABBCCDDEEFF");
  Bytes ab = a;
  ab.insert(ab.end(), b.begin(), b.end());
  Bytes ba = b;
  ba.insert(ba.end(), a.begin(), a.end());
  const Bytes plain_ab = DecryptedBuffer("key", ab);
  const Bytes plain_ba = DecryptedBuffer("key", ba);
  EXPECT_EQ(Bytes(plain_ab.begin(), plain_ab.begin() + 8), Bytes(plain_ba.begin() + 8, plain_ba.end()));
  EXPECT_EQ(Bytes(plain_ab.begin() + 8, plain_ab.end()), Bytes(plain_ba.begin(), plain_ba.begin() + 8));
  EXPECT_EQ(Bytes(plain_ab.begin(), plain_ab.begin() + 8), DecryptedBuffer("key", a));
}

}  // namespace
