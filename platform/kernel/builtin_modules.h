// The machine's built-in DLLs. Every program links each area whole, so each built-in DLL is as
// loaded as an imported one: always there, never unloaded. The area that implements a DLL
// registers it before main from a static object: `const modules::Builtin dll(u"name", {...});`.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace platform::modules {

struct Export {
  const char* name;
  FARPROC function;
};

// An exported function as GetProcAddress hands it out (through void (*)(), which converts to
// every function type without a warning).
template <class F>
FARPROC entry(F* function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

// An entry of a module's message table, as FormatMessage with FORMAT_MESSAGE_FROM_HMODULE
// finds it: the English text, without its closing CR LF.
struct Message {
  DWORD id;
  const char* text;
};

struct Builtin {
  // `name` without ".dll"; `on_load` is what LoadLibrary of it brings along (window classes).
  Builtin(const char16_t* name, std::vector<Export> exports, void (*on_load)() = nullptr,
          std::vector<Message> messages = {});
};

// The module a name stands for: case-insensitive, with or without ".dll", with or without a
// folder in front. Null when the machine has no such DLL.
HMODULE find(std::u16string_view name);
// The same for LoadLibrary: the module's load-time work (its window classes) done.
HMODULE load(std::u16string_view name);
bool is_builtin(HMODULE module);
// An exported function of a built-in module, or null.
FARPROC export_of(HMODULE module, std::string_view name);
// The text of a message in a built-in module's table, ending in CR LF as the table keeps it;
// nothing when the module or its table has no such message.
std::optional<std::u16string> message_of(HMODULE module, DWORD id);

}  // namespace platform::modules
