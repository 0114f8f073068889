// Runs a program hidden and collects what it writes to its standard output and standard error
// (one pipe for both). The child counts as finished when every holder of the pipe's write side
// has closed it, grandchildren that inherited it included; its exit code is never read.
#pragma once

#include <windows.h>

#include "cstringt.h"

// True when the child started and its output was read to the end; the output is appended to
// strOutput.
bool RunAndCapture(const CString& strCommandLine, CString& strOutput);
// Starts the command line with the three standard handles; true when it started.
bool LaunchWithPipes(const CString& strCommandLine, HANDLE hStdOutput, HANDLE hStdInput, HANDLE hStdError);
// Appends everything read from the pipe, converted from the thread's ANSI code page; true when
// the read ended because the pipe broke.
bool ReadPipeOutput(HANDLE hRead, CString& strOutput);
