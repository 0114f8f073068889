// Text conversions between the two widths in a code page chosen at construction (the thread's
// ANSI code page unless one is given). Short texts live in an inline buffer of
// t_nBufferLength units, longer ones on the heap. A null text converts to null; text the code
// page refuses converts to an empty string.
#pragma once

#include <windows.h>

template <class From, class To>
class CAtlConversion {
 public:
  CAtlConversion(const CAtlConversion&) = delete;
  CAtlConversion& operator=(const CAtlConversion&) = delete;

 protected:
  CAtlConversion() = default;
  ~CAtlConversion() {
    if (m_psz != m_pszInline) delete[] m_psz;
  }
  void Init(const From* psz, UINT nCodePage, To* pszInline, int nInline) {
    m_pszInline = pszInline;
    if (psz == nullptr) {
      m_psz = nullptr;
      return;
    }
    m_psz = pszInline;
    int nLength = Convert(nCodePage, psz, nullptr, 0);
    if (nLength <= 0) {
      m_psz[0] = 0;
      return;
    }
    if (nLength > nInline) m_psz = new To[nLength];
    Convert(nCodePage, psz, m_psz, nLength);
  }

  To* m_psz = nullptr;

 private:
  static int Convert(UINT nCodePage, const wchar_t* psz, char* pszOut, int nOut) {
    return ::WideCharToMultiByte(nCodePage, 0, psz, -1, pszOut, nOut, nullptr, nullptr);
  }
  static int Convert(UINT nCodePage, const char* psz, wchar_t* pszOut, int nOut) {
    return ::MultiByteToWideChar(nCodePage, 0, psz, -1, pszOut, nOut);
  }

  To* m_pszInline = nullptr;
};

// Wide to 8-bit.
template <int t_nBufferLength = 128>
class CW2AEX : public CAtlConversion<wchar_t, char> {
 public:
  CW2AEX(LPCWSTR psz, UINT nCodePage = CP_THREAD_ACP) { Init(psz, nCodePage, m_szBuffer, t_nBufferLength); }
  operator LPSTR() const { return m_psz; }

 private:
  char m_szBuffer[t_nBufferLength];
};

// 8-bit to wide.
template <int t_nBufferLength = 128>
class CA2WEX : public CAtlConversion<char, wchar_t> {
 public:
  CA2WEX(LPCSTR psz, UINT nCodePage = CP_THREAD_ACP) { Init(psz, nCodePage, m_szBuffer, t_nBufferLength); }
  operator LPWSTR() const { return m_psz; }

 private:
  wchar_t m_szBuffer[t_nBufferLength];
};

typedef CW2AEX<> CW2A;
typedef CA2WEX<> CA2W;
