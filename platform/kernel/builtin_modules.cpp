#include "kernel/builtin_modules.h"

#include <icmpapi.h>
#include <iphlpapi.h>

#include "comctl/rich_edit.h"
#include "kernel/text.h"
#include "net/interface_entry.h"

namespace platform::modules {
namespace {

struct Export {
  const char* name;
  FARPROC function;
};

// Through void (*)(), which converts to every function type without a warning.
template <class F>
FARPROC entry(F* function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

struct Module {
  const char16_t* name;  // without ".dll"
  std::initializer_list<Export> exports;
  void (*on_load)() = nullptr;  // what LoadLibrary of it brings along (window classes)
};

// The one table of run-time modules and the names they export.
const Module kModules[] = {
    {u"kernel32",
     {{"FreeLibrary", entry(FreeLibrary)},
      {"GetModuleHandleA", entry(GetModuleHandleA)},
      {"GetModuleHandleW", entry(GetModuleHandleW)},
      {"GetNativeSystemInfo", entry(GetNativeSystemInfo)},
      {"GetProcAddress", entry(GetProcAddress)},
      {"LoadLibraryA", entry(LoadLibraryA)},
      {"LoadLibraryW", entry(LoadLibraryW)}}},
    {u"iphlpapi",
     {{"AddIPAddress", entry(AddIPAddress)},
      {"CreateIpForwardEntry", entry(CreateIpForwardEntry)},
      {"DeleteIPAddress", entry(DeleteIPAddress)},
      {"DeleteIpForwardEntry", entry(DeleteIpForwardEntry)},
      {"GetAdaptersInfo", entry(GetAdaptersInfo)},
      {"GetIfEntry", entry(GetIfEntry)},
      {"GetInterfaceInfo", entry(GetInterfaceInfo)},
      {"GetIpAddrTable", entry(GetIpAddrTable)},
      {"GetIpForwardTable", entry(GetIpForwardTable)},
      {"GetIpInterfaceEntry", entry(net::get_ip_interface_entry)},
      {"GetIpNetTable", entry(GetIpNetTable)},
      {"IcmpCloseHandle", entry(IcmpCloseHandle)},
      {"IcmpCreateFile", entry(IcmpCreateFile)},
      {"IcmpSendEcho", entry(IcmpSendEcho)},
      {"IpReleaseAddress", entry(IpReleaseAddress)},
      {"IpRenewAddress", entry(IpRenewAddress)},
      {"SetIpNetEntry", entry(SetIpNetEntry)}}},
    {u"icmp",
     {{"IcmpCloseHandle", entry(IcmpCloseHandle)},
      {"IcmpCreateFile", entry(IcmpCreateFile)},
      {"IcmpSendEcho", entry(IcmpSendEcho)}}},
    {u"riched20", {}, comctl::register_rich_edit_classes},
    {u"msftedit", {}, comctl::register_rich_edit_classes},
};

// Where the modules seem to lie: the high region 64-bit Windows loads its system DLLs into, far
// above 4 GiB, so that a module handle squeezed through 32 bits shows.
HMODULE handle_of(size_t i) { return reinterpret_cast<HMODULE>(uintptr_t(0x7FF800000000 + i * 0x00100000)); }

}  // namespace

HMODULE find(std::u16string_view name) {
  size_t slash = name.find_last_of(u"\\/");
  if (slash != std::u16string_view::npos) name.remove_prefix(slash + 1);
  if (name.size() > 4 && text::iequals(name.substr(name.size() - 4), u".dll")) name.remove_suffix(4);
  for (size_t i = 0; i < std::size(kModules); ++i)
    if (text::iequals(name, kModules[i].name)) return handle_of(i);
  return nullptr;
}

HMODULE load(std::u16string_view name) {
  HMODULE module = find(name);
  for (size_t i = 0; module && i < std::size(kModules); ++i)
    if (module == handle_of(i) && kModules[i].on_load) kModules[i].on_load();
  return module;
}

bool is_builtin(HMODULE module) {
  for (size_t i = 0; i < std::size(kModules); ++i)
    if (module == handle_of(i)) return true;
  return false;
}

FARPROC export_of(HMODULE module, std::string_view name) {
  for (size_t i = 0; i < std::size(kModules); ++i) {
    if (module != handle_of(i)) continue;
    for (const Export& e : kModules[i].exports)
      if (name == e.name) return e.function;
  }
  return nullptr;
}

}  // namespace platform::modules
