#include "cdataexchange.h"

#include <charconv>
#include <limits>
#include <type_traits>

#include "cinvalidargexception.h"
#include "cwinapp.h"
#include "cwnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0), m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
  if (hWndCtrl == nullptr) AfxThrowInvalidArgException();
  m_idLastControl = static_cast<UINT>(nIDC);
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_idLastControl != 0) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), static_cast<int>(m_idLastControl));
    ::SetFocus(hWndCtrl);
    if (m_bEditLastControl) ::SendMessageW(hWndCtrl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

namespace {

CString WindowText(HWND hWnd) {
  CString text;
  int length = ::GetWindowTextLength(hWnd);
  ::GetWindowText(hWnd, text.GetBuffer(length + 1), length + 1);
  text.ReleaseBuffer();
  return text;
}

// Tells the user why the entry was refused, then fails the exchange.
[[noreturn]] void Refuse(CDataExchange* pDX, const CString& why) {
  ::MessageBox(pDX->m_pDlgWnd->GetSafeHwnd(), why, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
  pDX->Fail();
}

bool IsBlank(CString::XCHAR ch) { return ch == ' ' || ch == '\t'; }

// The decimal number of the text, blanks around it allowed; false when there is none or it does
// not fit in Number.
template <class Number>
bool ParseDecimal(const CString& text, Number& value) {
  const CString::XCHAR* p = text.GetString();
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  if (negative && std::is_unsigned_v<Number>) return false;
  if (*p < '0' || *p > '9') return false;
  // Accumulated as a negative number, so that the signed minimum fits as well.
  using Wide = std::conditional_t<std::is_unsigned_v<Number>, unsigned long long, long long>;
  const Wide limit = negative ? static_cast<Wide>(std::numeric_limits<Number>::min())
                              : static_cast<Wide>(std::numeric_limits<Number>::max());
  Wide magnitude = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    Wide digit = static_cast<Wide>(*p - '0');
    if (negative) {
      if (magnitude < (limit + digit) / 10) return false;
      magnitude = magnitude * 10 - digit;
    } else {
      if (magnitude > (limit - digit) / 10) return false;
      magnitude = magnitude * 10 + digit;
    }
  }
  while (IsBlank(*p)) ++p;
  if (*p != 0) return false;
  value = static_cast<Number>(magnitude);
  return true;
}

template <class Number>
void ExchangeNumber(CDataExchange* pDX, int nIDC, Number& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    if (!ParseDecimal(WindowText(hWndCtrl), value)) {
      Refuse(pDX, std::is_unsigned_v<Number> ? CString(L"Please enter a positive integer.")
                                             : CString(L"Please enter an integer."));
    }
  } else {
    char digits[24];
    *std::to_chars(digits, digits + sizeof(digits) - 1, value).ptr = 0;
    ::SetWindowText(hWndCtrl, CString(digits));
  }
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd)) AfxThrowInvalidArgException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = WindowText(hWndCtrl);
  } else {
    ::SetWindowText(hWndCtrl, value);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeNumber(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeNumber(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeNumber(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, unsigned long& value) { ExchangeNumber(pDX, nIDC, value); }

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
  } else {
    // A value that is no check state shows as unchecked.
    if (value < BST_UNCHECKED || value > BST_INDETERMINATE) value = BST_UNCHECKED;
    ::SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (pDX->m_bSaveAndValidate) {
    if (value.GetLength() > nChars) {
      CString why;
      why.Format(CString(L"Please enter no more than %d characters."), nChars);
      Refuse(pDX, why);
    }
  } else if (pDX->m_idLastControl != 0 && pDX->m_bEditLastControl) {
    HWND hWndCtrl = ::GetDlgItem(pDX->m_pDlgWnd->GetSafeHwnd(), static_cast<int>(pDX->m_idLastControl));
    ::SendMessageW(hWndCtrl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
  }
}
