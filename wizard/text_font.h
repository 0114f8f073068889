// The sheet's text font on the further texts and fields of a page (the body static 1044 gets it
// from the page's base).
#pragma once

#include <initializer_list>

#include "cfont.h"
#include "cwnd.h"

void SetTextFont(CWnd& page, const CFont& font, std::initializer_list<int> controlIds);
