// Loads the rich edit 2.0 library ("riched20.dll"), which registers the RichEdit20A and
// RichEdit20W window classes, once per process; TRUE when it is loaded. A dialog with a rich
// edit control needs it before it is created.
#pragma once

#include <windows.h>

BOOL AfxInitRichEdit2();
