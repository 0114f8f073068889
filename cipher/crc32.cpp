#include "crc32.h"

DWORD Crc32(const BYTE* data, int length) {
  if (length <= 0) return 0;
  // Built at every call: the decoder runs once per program start and keeps no state.
  DWORD table[256];
  for (DWORD n = 0; n < 256; ++n) {
    DWORD c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  DWORD crc = 0xFFFFFFFFu;
  for (int i = 0; i < length; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}
