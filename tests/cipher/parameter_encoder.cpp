#include "parameter_encoder.h"

#include <stdint.h>

#include <utility>

#include "blowfish.h"
#include "crc32.h"

namespace cipher_testing {

namespace {

uint32_t Load(const unsigned char* bytes) {
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

void Store(uint32_t word, unsigned char* bytes) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(word >> (8 * i));
}

}  // namespace

size_t SmallestFiller(size_t value_length) { return (8 - (value_length + 6) % 8) % 8; }

Bytes Seal(Bytes body) {
  unsigned char crc[4];
  Store(Crc32(body.data(), static_cast<int>(body.size())), crc);
  body.insert(body.end(), crc, crc + 4);
  return body;
}

Bytes MakeRecord(std::string_view value, size_t filler) {
  Bytes body{'=', '='};
  body.insert(body.end(), value.begin(), value.end());
  body.insert(body.end(), filler, 0);
  return Seal(std::move(body));
}

void EncryptEcb(Bytes& data, const char* password) {
  CBlowfish context;
  CBlowfish::Initialize(password, &context);
  for (size_t offset = 0; offset + 8 <= data.size(); offset += 8) {
    uint32_t left = Load(&data[offset]);
    uint32_t right = Load(&data[offset + 4]);
    CBlowfish::EncryptBlock(&context, &left, &right);
    Store(left, &data[offset]);
    Store(right, &data[offset + 4]);
  }
}

std::string EncodeBase64(const Bytes& data) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  for (size_t i = 0; i < data.size(); i += 3) {
    const size_t n = data.size() - i < 3 ? data.size() - i : 3;
    uint32_t bits = uint32_t(data[i]) << 16;
    if (n > 1) bits |= uint32_t(data[i + 1]) << 8;
    if (n > 2) bits |= data[i + 2];
    for (size_t k = 0; k < 4; ++k) text += k <= n ? kAlphabet[(bits >> (18 - 6 * k)) & 0x3F] : '=';
  }
  return text;
}

std::string EncryptParameter(std::string_view value, const char* password) {
  Bytes record = MakeRecord(value, SmallestFiller(value.size()));
  EncryptEcb(record, password);
  return EncodeBase64(record);
}

}  // namespace cipher_testing
