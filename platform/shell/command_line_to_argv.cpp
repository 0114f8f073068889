// CommandLineToArgvW: the arguments in one LocalAlloc block, the pointers first.
#include <shellapi.h>

#include <cstring>

#include "kernel/command_line.h"
#include "kernel/text.h"

namespace {

std::u16string module_path() {
  WCHAR path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::u16string(reinterpret_cast<const char16_t*>(path), n);
}

}  // namespace

extern "C" LPWSTR* WINAPI CommandLineToArgvW(LPCWSTR lpCmdLine, int* pNumArgs) {
  if (!pNumArgs) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<std::u16string> args;
  if (!lpCmdLine || !*lpCmdLine)
    args.push_back(module_path());
  else
    args = platform::command_line::split(platform::text::from_wide(lpCmdLine), platform::command_line::Rules::shell);

  size_t pointer_bytes = (args.size() + 1) * sizeof(LPWSTR);
  size_t bytes = pointer_bytes;
  for (const auto& arg : args) bytes += (arg.size() + 1) * sizeof(WCHAR);
  auto* block = static_cast<LPWSTR*>(LocalAlloc(LMEM_FIXED, bytes));
  if (!block) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto* chars = reinterpret_cast<WCHAR*>(reinterpret_cast<char*>(block) + pointer_bytes);
  for (size_t i = 0; i < args.size(); ++i) {
    block[i] = chars;
    std::memcpy(chars, args[i].data(), args[i].size() * sizeof(WCHAR));
    chars[args[i].size()] = 0;
    chars += args[i].size() + 1;
  }
  block[args.size()] = nullptr;
  *pNumArgs = static_cast<int>(args.size());
  return block;
}
