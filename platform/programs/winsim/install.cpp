// winsim install: the built programs and batch files into the machine's program folder
// C:\Tarvolt, and the machine's own system programs into C:\Windows\System32.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "commands.h"
#include "machine/root.h"
#include "kernel/text.h"
#include "machine_root.h"

namespace platform::tool {
namespace {

namespace fs = std::filesystem;

constexpr const char16_t* kSystemPrograms[] = {u"cmd.exe", u"net.exe"};

bool same_name(const fs::path& a, const fs::path& b) {
  return text::iequals(text::utf16(a.filename().string()), text::utf16(b.filename().string()));
}

// Programs, and the batch files that ship beside them.
bool is_program(const fs::directory_entry& entry) {
  std::string name = entry.path().filename().string();
  if (!entry.is_regular_file() || name.size() <= 4) return false;
  std::u16string extension = text::utf16(name.substr(name.size() - 4));
  return text::iequals(extension, u".exe") || text::iequals(extension, u".bat");
}

bool is_system_program(const fs::path& file) {
  std::u16string name = text::utf16(file.filename().string());
  return std::any_of(std::begin(kSystemPrograms), std::end(kSystemPrograms),
                     [&](const char16_t* system) { return text::iequals(name, system); });
}

std::vector<fs::path> programs_in(const fs::path& folder) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (is_program(entry)) found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found;
}

// Copies beside the target and renames over it, so that a program still running keeps its
// file; a file whose name differs only in case is the same file on Windows, so it goes too.
void install_file(const fs::path& source, const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder))
    if (same_name(entry.path(), source) && entry.path().filename() != source.filename()) fs::remove(entry.path());
  fs::path target = folder / source.filename();
  fs::path staging = folder / ("." + source.filename().string() + ".installing");
  fs::copy_file(source, staging, fs::copy_options::overwrite_existing);
  fs::permissions(staging, fs::status(source).permissions());
  fs::rename(staging, target);
}

}  // namespace

int install_command(const Args& args) {
  if (args.size() != 1) return fail("usage: winsim install BUILD_DIR");
  if (!attach_machine()) return 1;
  fs::path build = args[0];
  fs::path folder = fs::is_directory(build / "bin") ? build / "bin" : build;
  std::vector<fs::path> programs = programs_in(folder);
  if (programs.empty()) return fail("no programs (*.exe) in " + folder.string());
  try {
    for (const auto& program : programs) {
      bool system = is_system_program(program);
      install_file(program, machine::drive_c() / (system ? "Windows/System32" : "Tarvolt"));
      std::printf("%s\\%s\n", system ? "C:\\Windows\\System32" : "C:\\Tarvolt", program.filename().c_str());
    }
  } catch (const fs::filesystem_error& error) {
    return fail(std::string("install failed: ") + error.what());
  }
  std::printf("%zu program(s) installed.\n", programs.size());
  return 0;
}

}  // namespace platform::tool
