// Controls without a background of their own are repainted through their parent: the parent
// redraws (and erases) what lies behind them first, and the control then paints over it.
#pragma once

class CWnd;

void RepaintOverParent(CWnd& control);
