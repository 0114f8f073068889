// CRC-32 as in IEEE 802.3 (reflected polynomial 0xEDB88320, preset and final complement).
#pragma once

#include <windows.h>

// A length of 0 or below gives 0.
DWORD Crc32(const BYTE* data, int length);
