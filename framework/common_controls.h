// The common control classes are registered on demand, as the framework's windows need them: a
// control the program creates, or the pages of a sheet whose templates hold such controls.
#pragma once

#include <windows.h>

namespace framework {

// ICC_* classes; registering a class again is harmless.
void RegisterCommonControls(DWORD dwICC);

}  // namespace framework
