#include "ccommandlineinfo.h"

CCommandLineInfo::CCommandLineInfo()
    : m_bShowSplash(TRUE),
      m_bRunEmbedded(FALSE),
      m_bRunAutomated(FALSE),
      m_bRegisterPerUser(FALSE),
      m_nShellCommand(FileNew) {}

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(CString::PCXSTR pszParam, BOOL bFlag, BOOL bLast) {
  if (bFlag) {
    ParseParamFlag(CStringA(pszParam));
  } else {
    ParseParamNotFlag(pszParam);
  }
  ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam) {
  static const struct {
    const char* name;
    ShellCommand command;
  } kCommands[] = {{"pt", FilePrintTo},       {"p", FilePrint},           {"dde", FileDDE},
                   {"Register", AppRegister}, {"Regserver", AppRegister}, {"Unregister", AppUnregister},
                   {"Unregserver", AppUnregister}};
  CStringA flag(pszParam);
  for (const auto& entry : kCommands) {
    if (flag.CompareNoCase(entry.name) == 0) {
      m_nShellCommand = entry.command;
      return;
    }
  }
  if (flag.CompareNoCase("Embedding") == 0) m_bRunEmbedded = TRUE;
  if (flag.CompareNoCase("Automation") == 0) m_bRunAutomated = TRUE;
}

void CCommandLineInfo::ParseParamNotFlag(CString::PCXSTR pszParam) {
  if (m_strFileName.IsEmpty()) {
    m_strFileName = pszParam;
  } else if (m_nShellCommand == FilePrintTo) {
    // After the file: the printer, its driver and its port, in this order.
    for (CString* part : {&m_strPrinterName, &m_strDriverName, &m_strPortName}) {
      if (part->IsEmpty()) {
        *part = pszParam;
        return;
      }
    }
  }
}

void CCommandLineInfo::ParseLast(BOOL bLast) {
  if (!bLast) return;
  if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
  m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}
