// Produces encrypted parameters the way the outside tool does, for the tests and benchmarks:
// "==" marker, value, NUL filler, little-endian CRC-32; Blowfish ECB with little-endian halves
// keyed with the password's bytes; standard Base64.
#pragma once

#include <stddef.h>

#include <string>
#include <string_view>
#include <vector>

namespace cipher_testing {

using Bytes = std::vector<unsigned char>;

// The fewest NULs that make the record a multiple of 8 bytes.
size_t SmallestFiller(size_t value_length);
// Appends the CRC-32 of everything before it, least significant byte first.
Bytes Seal(Bytes body);
// The plaintext record; `filler` must complete it to a multiple of 8 bytes.
Bytes MakeRecord(std::string_view value, size_t filler);
void EncryptEcb(Bytes& data, const char* password);
std::string EncodeBase64(const Bytes& data);

// All layers at once, with the smallest filler.
std::string EncryptParameter(std::string_view value, const char* password);

}  // namespace cipher_testing
