// The folder Zolvane was started from, as its command line names it: the folder the replacement
// works in.
#pragma once

#include "cstringt.h"

// The text up to and including the last backslash (arguments included), without any double
// quote; empty when there is no backslash, so that paths built on it are relative.
CString LaunchFolderOf(const CString& strCommandLine);
// The launch folder of this process's command line.
CString LaunchFolder();
