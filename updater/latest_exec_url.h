// The index's "latestexec_url" value, "http://" + host + "/" + file name, as the download of the
// newest version splits it.
#pragma once

#include "cstringt.h"

// The file name is the text after the last "/", the host the text before it without any
// "http://"; a folder between host and file name stays in the host.
void SplitLatestExecUrl(const CString& strUrl, CString& strHost, CString& strFileName);
// A name that stays in the current directory and names one file: not empty, not "." or "..", and
// without "\", "/", ":" or a wildcard. The index is the server's text, so a name that could reach
// elsewhere, or match several files, is refused.
bool IsPlainFileName(const CString& strFileName);
