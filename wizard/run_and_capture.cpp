#include "run_and_capture.h"

#include <initializer_list>
#include <vector>

namespace {

const DWORD kReadChunk = 1023;

void CloseHandles(std::initializer_list<HANDLE> handles) {
  for (HANDLE handle : handles) CloseHandle(handle);
}

}  // namespace

bool RunAndCapture(const CString& strCommandLine, CString& strOutput) {
  SECURITY_ATTRIBUTES inheritable = {};
  inheritable.nLength = sizeof inheritable;
  inheritable.lpSecurityDescriptor = nullptr;
  inheritable.bInheritHandle = TRUE;

  HANDLE hOutputRead = nullptr, hOutputWrite = nullptr;
  if (!CreatePipe(&hOutputRead, &hOutputWrite, &inheritable, 0)) return false;
  HANDLE hErrorWrite = nullptr;
  if (!DuplicateHandle(GetCurrentProcess(), hOutputWrite, GetCurrentProcess(), &hErrorWrite, 0, TRUE,
                       DUPLICATE_SAME_ACCESS)) {
    CloseHandles({hOutputRead, hOutputWrite});
    return false;
  }
  HANDLE hInputRead = nullptr, hInputWrite = nullptr;
  if (!CreatePipe(&hInputRead, &hInputWrite, &inheritable, 0)) {
    CloseHandles({hOutputRead, hOutputWrite, hErrorWrite});
    return false;
  }
  // The child must not inherit the ends that stay here, or the pipe would never break.
  SetHandleInformation(hOutputRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(hInputWrite, HANDLE_FLAG_INHERIT, 0);

  if (!LaunchWithPipes(strCommandLine, hOutputWrite, hInputRead, hErrorWrite)) {
    CloseHandles({hOutputRead, hOutputWrite, hErrorWrite, hInputRead, hInputWrite});
    return false;
  }
  // Only the child, and whatever inherits from it, keeps the write side open from here on.
  CloseHandles({hOutputWrite, hInputRead, hErrorWrite});

  bool bResult = ReadPipeOutput(hOutputRead, strOutput);
  CloseHandles({hOutputRead, hInputWrite});
  return bResult;
}

bool LaunchWithPipes(const CString& strCommandLine, HANDLE hStdOutput, HANDLE hStdInput, HANDLE hStdError) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = hStdInput;
  startup.hStdOutput = hStdOutput;
  startup.hStdError = hStdError;

  // CreateProcessW may write into its command line.
  std::vector<WCHAR> commandLine(static_cast<size_t>(strCommandLine.GetLength()) + 1, 0);
  for (int i = 0; i < strCommandLine.GetLength(); ++i) commandLine[static_cast<size_t>(i)] = strCommandLine[i];

  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandles({process.hProcess, process.hThread});
  return true;
}

bool ReadPipeOutput(HANDLE hRead, CString& strOutput) {
  char buffer[kReadChunk];
  std::vector<WCHAR> converted;
  DWORD dwRead = 0;
  while (ReadFile(hRead, buffer, kReadChunk, &dwRead, nullptr)) {
    if (dwRead == 0) continue;
    int nChars = MultiByteToWideChar(CP_THREAD_ACP, 0, buffer, static_cast<int>(dwRead), nullptr, 0);
    if (nChars <= 0) continue;
    converted.assign(static_cast<size_t>(nChars), 0);
    MultiByteToWideChar(CP_THREAD_ACP, 0, buffer, static_cast<int>(dwRead), converted.data(), nChars);
    strOutput.Append(converted.data(), nChars);
  }
  return GetLastError() == ERROR_BROKEN_PIPE;
}
