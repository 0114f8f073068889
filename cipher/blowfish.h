// Blowfish (64-bit block, 16 rounds) for decoding encrypted parameters in ECB mode.
// A block of a byte buffer is split into two little-endian 32-bit halves: bytes 0-3 are the left
// half, bytes 4-7 the right half, each with its least significant byte first.
#pragma once

#include <stdint.h>

struct CBlowfish {
  uint32_t P[18];
  uint32_t S[4][256];

  // Sets the tables to the published initial constants, forgetting any key.
  static void InitTables(CBlowfish* context);
  // Key schedule over the tables as they stand; the key's first 72 bytes count, cyclically.
  // An empty key leaves the tables unchanged.
  static void SetKey(const char* key, CBlowfish* context);
  static void EncryptBlock(CBlowfish* context, uint32_t* left, uint32_t* right);
  static void DecryptBlock(CBlowfish* context, uint32_t* left, uint32_t* right);
  // InitTables, then SetKey when the key is not empty.
  static void Initialize(const char* key, CBlowfish* context);
  // ECB decryption in place. A length that is not a multiple of 8 leaves the buffer unchanged
  // and only writes a message to the standard error stream.
  static void Decrypt(int length, CBlowfish* context, unsigned char* buffer);
};
