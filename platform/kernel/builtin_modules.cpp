#include "kernel/builtin_modules.h"

#include "kernel/text.h"

namespace platform::modules {
namespace {

struct Module {
  const char16_t* name;
  std::vector<Export> exports;
  void (*on_load)();
  std::vector<Message> messages;
};

std::vector<Module>& modules() {
  static std::vector<Module> registered;
  return registered;
}

// Where the modules seem to lie: the high region 64-bit Windows loads its system DLLs into, far
// above 4 GiB, so that a module handle squeezed through 32 bits shows.
HMODULE handle_of(size_t i) { return reinterpret_cast<HMODULE>(uintptr_t(0x7FF800000000 + i * 0x00100000)); }

const Module* module_of(HMODULE module) {
  for (size_t i = 0; i < modules().size(); ++i)
    if (module == handle_of(i)) return &modules()[i];
  return nullptr;
}

const Builtin kernel32(u"kernel32", {{"FreeLibrary", entry(FreeLibrary)},
                                     {"GetModuleHandleA", entry(GetModuleHandleA)},
                                     {"GetModuleHandleW", entry(GetModuleHandleW)},
                                     {"GetNativeSystemInfo", entry(GetNativeSystemInfo)},
                                     {"GetProcAddress", entry(GetProcAddress)},
                                     {"LoadLibraryA", entry(LoadLibraryA)},
                                     {"LoadLibraryW", entry(LoadLibraryW)}});

}  // namespace

Builtin::Builtin(const char16_t* name, std::vector<Export> exports, void (*on_load)(), std::vector<Message> messages) {
  modules().push_back({name, std::move(exports), on_load, std::move(messages)});
}

HMODULE find(std::u16string_view name) {
  size_t slash = name.find_last_of(u"\\/");
  if (slash != std::u16string_view::npos) name.remove_prefix(slash + 1);
  if (name.size() > 4 && text::iequals(name.substr(name.size() - 4), u".dll")) name.remove_suffix(4);
  for (size_t i = 0; i < modules().size(); ++i)
    if (text::iequals(name, modules()[i].name)) return handle_of(i);
  return nullptr;
}

HMODULE load(std::u16string_view name) {
  HMODULE module = find(name);
  if (const Module* m = module_of(module); m && m->on_load) m->on_load();
  return module;
}

bool is_builtin(HMODULE module) { return module_of(module) != nullptr; }

FARPROC export_of(HMODULE module, std::string_view name) {
  if (const Module* m = module_of(module))
    for (const Export& e : m->exports)
      if (name == e.name) return e.function;
  return nullptr;
}

std::optional<std::u16string> message_of(HMODULE module, DWORD id) {
  if (const Module* m = module_of(module))
    for (const Message& message : m->messages)
      if (message.id == id) return text::from_ansi(message.text) + u"\r\n";
  return std::nullopt;
}

}  // namespace platform::modules
