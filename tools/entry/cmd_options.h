// Pardex's command-line options: a fixed table, filled from the words after the program's name.
#pragma once

#include <windows.h>

#include "atlstr.h"

enum CmdOptionId {
  OPT_NAME,                // -n
  OPT_SERVER,              // -s
  OPT_USER,                // -u
  OPT_PASSWORD,            // -p
  OPT_PRESHARED_KEY,       // -k
  OPT_DECRYPT_PASSWORD,    // -d
  OPT_ENCRYPTED_PASSWORD,  // -ep
  OPT_ENCRYPTED_KEY,       // -ek
  OPT_REMOTE_GATEWAY,      // -rg
  OPT_VPN_TYPE,            // -vt
  CMD_OPTION_COUNT
};

struct CmdOption {
  LPCWSTR pszFlag;
  LPCWSTR pszUsage;  // shown when a required option is missing; null for the optional ones
  int nId;
  bool bTakesValue;
  bool bHasValue;     // a value was given, or a flag without value was
  CStringW strValue;  // the word that followed the flag
};

extern CmdOption g_CmdOptions[CMD_OPTION_COUNT];

// Clears every value, then reads argv[1] to argv[argc - 1]: a word equal to a flag (exactly)
// takes the next word as its value, whatever it looks like, unless it is the last word; the
// last flag given wins; other words are ignored.
void ParseCmdOptions(int argc, LPWSTR* argv);

// Empty when the required options are there; else the message that lists the missing ones.
CStringW MissingParametersText();
