// A bounds-checked little-endian reader over bytes whose layout comes from outside (compiled
// resources, templates): every read stays inside the buffer, and once one would run past the
// end the reader fails for good and yields zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// A resource compiler's name-or-ordinal field: 0xFFFF and a WORD, or a NUL-terminated string.
struct NameOrOrdinal {
  bool is_ordinal = false;
  uint16_t ordinal = 0;
  std::u16string text;
};

class ByteReader {
 public:
  ByteReader(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}

  bool ok() const { return ok_; }
  size_t offset() const { return offset_; }
  size_t remaining() const { return ok_ ? size_ - offset_ : 0; }

  uint8_t u8();
  uint16_t u16();
  uint32_t u32();
  // The next `n` bytes, or null (and failed) when fewer remain.
  const uint8_t* take(size_t n);
  void skip(size_t n) { take(n); }
  // Moves to `offset` from the start of the buffer (failed when it lies past the end).
  void seek(size_t offset);
  // Moves to the next multiple of `boundary` counted from the start of the buffer.
  void align(size_t boundary);
  // A NUL-terminated UTF-16 string; the NUL is consumed, not returned.
  std::u16string sz_string();
  NameOrOrdinal name_or_ordinal();

 private:
  const uint8_t* data_;
  size_t size_;
  size_t offset_ = 0;
  bool ok_ = true;
};

}  // namespace platform
