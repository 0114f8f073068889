#include "blowfish.h"

#include <stdio.h>
#include <string.h>

namespace {

uint32_t Feistel(const CBlowfish* context, uint32_t x) {
  return ((context->S[0][x >> 24] + context->S[1][(x >> 16) & 0xFF]) ^ context->S[2][(x >> 8) & 0xFF]) +
         context->S[3][x & 0xFF];
}

uint32_t LoadLittleEndian(const unsigned char* bytes) {
  return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

void StoreLittleEndian(uint32_t word, unsigned char* bytes) {
  bytes[0] = static_cast<unsigned char>(word);
  bytes[1] = static_cast<unsigned char>(word >> 8);
  bytes[2] = static_cast<unsigned char>(word >> 16);
  bytes[3] = static_cast<unsigned char>(word >> 24);
}

}  // namespace

void CBlowfish::SetKey(const char* key, CBlowfish* context) {
  const size_t length = strlen(key);
  if (length == 0) return;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(key);
  size_t next = 0;
  for (uint32_t& subkey : context->P) {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
      word = word << 8 | bytes[next];
      next = (next + 1) % length;
    }
    subkey ^= word;
  }
  uint32_t left = 0;
  uint32_t right = 0;
  for (int i = 0; i < 18; i += 2) {
    EncryptBlock(context, &left, &right);
    context->P[i] = left;
    context->P[i + 1] = right;
  }
  for (auto& box : context->S) {
    for (int j = 0; j < 256; j += 2) {
      EncryptBlock(context, &left, &right);
      box[j] = left;
      box[j + 1] = right;
    }
  }
}

void CBlowfish::EncryptBlock(CBlowfish* context, uint32_t* left, uint32_t* right) {
  uint32_t l = *left;
  uint32_t r = *right;
  for (int i = 0; i < 16; i += 2) {
    l ^= context->P[i];
    r ^= Feistel(context, l);
    r ^= context->P[i + 1];
    l ^= Feistel(context, r);
  }
  *left = r ^ context->P[17];
  *right = l ^ context->P[16];
}

void CBlowfish::DecryptBlock(CBlowfish* context, uint32_t* left, uint32_t* right) {
  uint32_t l = *left;
  uint32_t r = *right;
  for (int i = 17; i > 1; i -= 2) {
    l ^= context->P[i];
    r ^= Feistel(context, l);
    r ^= context->P[i - 1];
    l ^= Feistel(context, r);
  }
  *left = r ^ context->P[0];
  *right = l ^ context->P[1];
}

void CBlowfish::Initialize(const char* key, CBlowfish* context) {
  InitTables(context);
  if (*key != '\0') SetKey(key, context);
}

void CBlowfish::Decrypt(int length, CBlowfish* context, unsigned char* buffer) {
  if (length % 8 != 0) {
    fputs("\aBlowfish requires the input to be a multiple of 8 bytes (64 bits) to work.\n", stderr);
    return;
  }
  for (int offset = 0; offset < length; offset += 8) {
    uint32_t left = LoadLittleEndian(buffer + offset);
    uint32_t right = LoadLittleEndian(buffer + offset + 4);
    DecryptBlock(context, &left, &right);
    StoreLittleEndian(left, buffer + offset);
    StoreLittleEndian(right, buffer + offset + 4);
  }
}
