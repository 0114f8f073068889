// The number and dotted-address rules of the service's command line and settings.
#pragma once

#include <windows.h>

// Leading white space, an optional sign, then decimal digits up to the first other character;
// no digits give 0. Wraps like 32-bit arithmetic, so the low bits of any long number are exact.
int ParseNumber(const char* text);

// Splits the text at runs of '.', and converts the first four parts by ParseNumber into the
// four bytes in text order, each its low 8 bits; a missing part gives 0. Nothing is refused.
void ParseDottedIp(const char* text, BYTE address[4]);
