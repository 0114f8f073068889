// Quorril: answers one question about the phone books' VPN entries on standard output, as one
// line without a line feed. The exit code is always 0.
#include <windows.h>
#include <stdio.h>

#include "atlconv.h"
#include "query_ras_entries.h"

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 2) return 0;
  CStringW strAnswer = QueryRasEntries(argv[1]);
  // Wide text reaches the 8-bit stream in the ANSI code page.
  fputs(CW2A(strAnswer, CP_ACP), stdout);
  return 0;
}
