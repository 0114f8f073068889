// CWinApp::ParseCommandLine, over the C runtime's copies of the program's arguments.
#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>
#include <stdlib.h>

#include "ccommandlineinfo.h"
#include "cwinapp.h"

namespace {

template <class Ch>
void ParseArguments(CCommandLineInfo& rCmdInfo, int argc, const Ch* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const Ch* pszParam = argv[i];
    BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
    rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i == argc - 1);
  }
}

// A template, so that only the branch of the program's width is compiled.
template <class Ch>
void ParseRuntimeArguments(CCommandLineInfo& rCmdInfo) {
  if constexpr (sizeof(Ch) == 1) {
    ParseArguments<Ch>(rCmdInfo, __argc, __argv);
  } else if (__wargv != nullptr) {
    ParseArguments<Ch>(rCmdInfo, __argc, __wargv);
  } else {
    // The runtime fills the wide copies only for a program whose entry point is wide; the
    // command line split by the same rules stands in for them.
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) return;
    ParseArguments<Ch>(rCmdInfo, argc, argv);
    LocalFree(argv);
  }
}

}  // namespace

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) { ParseRuntimeArguments<CString::XCHAR>(rCmdInfo); }
