#include "cwaitcursor.h"

#include "wait_cursor.h"

CWaitCursor::CWaitCursor() { framework::DoWaitCursor(1); }

CWaitCursor::~CWaitCursor() { framework::DoWaitCursor(-1); }

void CWaitCursor::Restore() { framework::DoWaitCursor(0); }
