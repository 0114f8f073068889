#include "pardex_command.h"

namespace {

bool NeedsQuotes(const CString& strValue) {
  return strValue.FindOneOf(L" \t\"") >= 0;
}

// Quoted by the rules that split a process command line into arguments: a backslash is literal
// unless a run of them stands before a double quote, so such runs are doubled and each quote
// gets one backslash of its own.
CString QuoteArgument(const CString& strValue) {
  if (!NeedsQuotes(strValue)) return strValue;
  CString strQuoted = L"\"";
  int nBackslashes = 0;
  for (int i = 0; i < strValue.GetLength(); ++i) {
    wchar_t ch = strValue[i];
    if (ch == L'\\') {
      ++nBackslashes;
      continue;
    }
    if (ch == L'"') nBackslashes = nBackslashes * 2 + 1;
    strQuoted += CString(L'\\', nBackslashes);
    nBackslashes = 0;
    strQuoted += ch;
  }
  strQuoted += CString(L'\\', nBackslashes * 2);
  strQuoted += L'"';
  return strQuoted;
}

// cmd.exe expands %...% everywhere and reads ^ > < | & + as its own outside double quotes; each
// quote it meets toggles that state.
CString EscapeForBatchFile(const CString& strArgument) {
  CString strEscaped;
  bool bInQuotes = false;
  for (int i = 0; i < strArgument.GetLength(); ++i) {
    wchar_t ch = strArgument[i];
    if (ch == L'"') {
      bInQuotes = !bInQuotes;
    } else if (ch == L'%') {
      strEscaped += L'%';
    } else if (!bInQuotes && CString(L"^><|&+").Find(ch) >= 0) {
      strEscaped += L'^';
    }
    strEscaped += ch;
  }
  return strEscaped;
}

CString SecretArgument(const CString& strValue, bool bForBatchFile) {
  CString strArgument = QuoteArgument(strValue);
  return bForBatchFile ? EscapeForBatchFile(strArgument) : strArgument;
}

}  // namespace

CString PardexCommandLine(const PardexEntry& entry, bool bForBatchFile) {
  CString strLine = L"pardex.exe -n " + entry.strEntry + L" -s " + entry.strServer + L" -u " +
                    entry.strUser + L" -p " + SecretArgument(entry.strPassword, bForBatchFile);
  if (!entry.strPreSharedKey.IsEmpty())
    strLine += L" -k " + SecretArgument(entry.strPreSharedKey, bForBatchFile);
  if (entry.bRemoteGateway) strLine += L" -rg ";
  return strLine;
}
