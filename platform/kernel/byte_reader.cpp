#include "kernel/byte_reader.h"

namespace platform {

const uint8_t* ByteReader::take(size_t n) {
  if (!ok_ || n > size_ - offset_) {
    ok_ = false;
    return nullptr;
  }
  const uint8_t* at = data_ + offset_;
  offset_ += n;
  return at;
}

uint8_t ByteReader::u8() {
  const uint8_t* p = take(1);
  return p ? p[0] : 0;
}

uint16_t ByteReader::u16() {
  const uint8_t* p = take(2);
  return p ? uint16_t(p[0] | p[1] << 8) : 0;
}

uint32_t ByteReader::u32() {
  const uint8_t* p = take(4);
  return p ? uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24 : 0;
}

void ByteReader::seek(size_t offset) {
  if (offset > size_) ok_ = false;
  if (ok_) offset_ = offset;
}

void ByteReader::align(size_t boundary) {
  size_t past = offset_ % boundary;
  if (past) skip(boundary - past);
}

std::u16string ByteReader::sz_string() {
  std::u16string text;
  while (ok_) {
    char16_t c = u16();
    if (!ok_ || c == 0) break;
    text.push_back(c);
  }
  return text;
}

NameOrOrdinal ByteReader::name_or_ordinal() {
  NameOrOrdinal field;
  if (remaining() >= 2 && data_[offset_] == 0xFF && data_[offset_ + 1] == 0xFF) {
    skip(2);
    field.is_ordinal = true;
    field.ordinal = u16();
  } else {
    field.text = sz_string();
  }
  return field;
}

}  // namespace platform
