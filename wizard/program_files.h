// The programs and files that must lie in the program folder beside the wizard.
#pragma once

extern const wchar_t* const g_requiredProgramFiles[];
extern const int g_nRequiredProgramFiles;
