// The machine's built-in DLLs. Every program links the whole platform, so each built-in DLL is
// as loaded as an imported one: always there, never unloaded.
#pragma once

#include <string_view>

#include <windows.h>

namespace platform::modules {

// The module a name stands for: case-insensitive, with or without ".dll", with or without a
// folder in front. Null when the machine has no such DLL.
HMODULE find(std::u16string_view name);
// The same for LoadLibrary: the module's load-time work (its window classes) done.
HMODULE load(std::u16string_view name);
bool is_builtin(HMODULE module);
// An exported function of a built-in module, or null.
FARPROC export_of(HMODULE module, std::string_view name);

}  // namespace platform::modules
