#include "cwinapp.h"

#include <stdlib.h>
#include <string.h>

#include "path_text.h"
#include "resource_instance.h"
#include "win_api_t.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp = nullptr;

CString::PCXSTR DuplicateText(const CString& text) {
  size_t bytes = (static_cast<size_t>(text.GetLength()) + 1) * sizeof(CString::XCHAR);
  void* copy = malloc(bytes);
  if (copy == nullptr) AfxThrowMemoryException();
  memcpy(copy, text.GetString(), bytes);
  return static_cast<CString::PCXSTR>(copy);
}

void Replace(CString::PCXSTR& member, const CString& text) {
  CString::PCXSTR copy = DuplicateText(text);
  free(const_cast<CString::PXSTR>(member));
  member = copy;
}

CString ProgramPath() {
  CString path;
  for (DWORD size = MAX_PATH;; size *= 2) {
    DWORD n = framework::GetModuleFileNameT(path.GetBuffer(static_cast<int>(size)), size);
    if (n < size) {
      path.ReleaseBuffer(static_cast<int>(n));
      return path;
    }
  }
}

}  // namespace

CWinApp::CWinApp(CString::PCXSTR lpszAppName)
    : m_pszAppName(lpszAppName != nullptr ? DuplicateText(lpszAppName) : nullptr),
      m_pszExeName(nullptr),
      m_pszRegistryKey(nullptr),
      m_pszProfileName(nullptr),
      m_lpCmdLine(nullptr),
      m_hInstance(nullptr),
      m_nCmdShow(0) {
  g_pApp = this;
  AttachToCurrentThread();
  m_hThread = ::GetCurrentThread();
}

CWinApp::~CWinApp() {
  for (CString::PCXSTR text : {m_pszAppName, m_pszExeName, m_pszRegistryKey, m_pszProfileName})
    free(const_cast<CString::PXSTR>(text));
  if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() { return m_pMainWnd != nullptr ? CWinThread::Run() : ExitInstance(); }

void CWinApp::SetRegistryKey(CString::PCXSTR lpszRegistryKey) {
  Replace(m_pszRegistryKey, lpszRegistryKey);
  Replace(m_pszProfileName, m_pszAppName);
}

CWinApp* AfxGetApp() { return g_pApp; }

CString::PCXSTR AfxGetAppName() { return g_pApp != nullptr ? g_pApp->m_pszAppName : nullptr; }

HICON CWinApp::LoadIcon(CString::PCXSTR lpszResourceName) const {
  return ::LoadIcon(framework::ResourceInstance(), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }

HINSTANCE AfxGetInstanceHandle() { return g_pApp != nullptr ? g_pApp->m_hInstance : nullptr; }

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, CString::PXSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return FALSE;
  pApp->m_hInstance = hInstance;
  pApp->m_lpCmdLine = lpCmdLine;
  pApp->m_nCmdShow = nCmdShow;
  if (pApp->m_pszExeName == nullptr) Replace(pApp->m_pszExeName, framework::FileTitleOf(ProgramPath()));
  if (pApp->m_pszAppName == nullptr) Replace(pApp->m_pszAppName, pApp->m_pszExeName);
  return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, CString::PXSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) return -1;
  if (!pApp->InitInstance()) return pApp->ExitInstance();
  return pApp->Run();
}
