// A static text that looks like a web link: blue, underlined while the mouse is over it, with the
// hand cursor. The state lives in window properties of the static and of its parent, so any
// number of statics of any parent can carry it.
#pragma once

#include <windows.h>

// Subclasses the static (and its parent, once) and makes its underlined font; TRUE.
BOOL MakeStaticHyperlink(HWND hStatic);
// The parent's procedure: the link's text colour, and its own procedure back at WM_DESTROY.
LRESULT CALLBACK HyperlinkParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The static's procedure: the hand cursor, the underline while the mouse is over it, and its
// procedure, font and properties back at WM_DESTROY.
LRESULT CALLBACK HyperlinkStaticProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
