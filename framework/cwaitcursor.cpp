#include "cwaitcursor.h"

namespace {

HCURSOR ShowWaitCursor() { return ::SetCursor(::LoadCursor(nullptr, IDC_WAIT)); }

}  // namespace

CWaitCursor::CWaitCursor() : m_hcurPrevious(ShowWaitCursor()) {}

CWaitCursor::~CWaitCursor() { ::SetCursor(m_hcurPrevious); }

void CWaitCursor::Restore() { ShowWaitCursor(); }
