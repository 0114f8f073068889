// Reads and writes values under HKLM\SOFTWARE\Tarvolt Test in step with other processes, which
// say through a file of shared words (tests/support/shared_words.h) what they have written, and
// checks that every read sees every write whose call had returned before it:
//   reg_race follow WORDS ROUNDS
//       in turn with the test: waits for word 0 to become 2k-1, reads "Turn" (which must be
//       2k-1), writes 2k and sets word 1 to 2k-1, for k = 1..ROUNDS
//   reg_race burst WORDS INDEX PROCESSES ROUNDS
//       writes "P<INDEX>" = "INDEX:k" for k = 1..ROUNDS, setting word INDEX to k once each write
//       has returned, and after each write reads every process's value, which must be one its
//       writer wrote, no older than its word said before the read, nor older than the last read
// Every read opens the key, queries and closes it, as a program reads its settings. Exits 0 when
// every read was right, 1 with the first wrong one on stderr.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../support/shared_words.h"

namespace {

const char kKey[] = "SOFTWARE\\Tarvolt Test";

// False when the key or the value is absent.
bool read_value(const char* name, std::string* data) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  char buffer[64] = {};
  DWORD size = sizeof buffer;
  LONG error = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (error != ERROR_SUCCESS) return false;
  data->assign(buffer, size);
  return true;
}

bool write_value(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
  LONG error = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
  return error == ERROR_SUCCESS;
}

[[noreturn]] void wrong(const std::string& what) {
  std::fprintf(stderr, "reg_race: %s\n", what.c_str());
  std::exit(1);
}

int follow(const char* words_file, uint64_t rounds) {
  testing_support::SharedWords words(words_file, 2);
  if (!words.mapped()) wrong("cannot map the shared words");
  for (uint64_t k = 1; k <= rounds; ++k) {
    if (!words.wait_for(0, 2 * k - 1)) wrong("the test did not take its turn " + std::to_string(k));
    std::string data;
    uint64_t turn = 0;
    if (!read_value("Turn", &data) || data.size() != sizeof turn) wrong("no turn to read in round " + std::to_string(k));
    std::memcpy(&turn, data.data(), sizeof turn);
    if (turn != 2 * k - 1) wrong("round " + std::to_string(k) + " read " + std::to_string(turn));
    turn = 2 * k;
    if (!write_value("Turn", REG_BINARY, &turn, sizeof turn)) wrong("cannot write the turn");
    words.store(1, 2 * k - 1);
  }
  return 0;
}

int burst(const char* words_file, unsigned index, unsigned processes, uint64_t rounds) {
  testing_support::SharedWords words(words_file, processes);
  if (!words.mapped()) wrong("cannot map the shared words");
  std::vector<uint64_t> last_read(processes, 0);
  for (uint64_t k = 1; k <= rounds; ++k) {
    std::string mine = "P" + std::to_string(index);
    std::string text = std::to_string(index) + ":" + std::to_string(k);
    if (!write_value(mine.c_str(), REG_SZ, text.c_str(), DWORD(text.size() + 1))) wrong("cannot write " + mine);
    words.store(index, k);
    for (unsigned j = 0; j < processes; ++j) {
      uint64_t returned = words.load(j);
      std::string name = "P" + std::to_string(j);
      std::string data;
      uint64_t seen = 0;
      if (read_value(name.c_str(), &data)) {
        std::string prefix = std::to_string(j) + ":";
        char* end = nullptr;
        if (data.rfind(prefix, 0) != 0) wrong(name + " holds \"" + data + "\", which no writer wrote");
        seen = std::strtoull(data.c_str() + prefix.size(), &end, 10);
        if (*end != '\0' || end != data.c_str() + data.size() - 1 || seen == 0 || seen > rounds)
          wrong(name + " holds \"" + data + "\", which no writer wrote");
      }
      if (seen < returned)
        wrong(name + " read as " + std::to_string(seen) + " after its write of " + std::to_string(returned) + " returned");
      if (seen < last_read[j])
        wrong(name + " read as " + std::to_string(seen) + " after it was read as " + std::to_string(last_read[j]));
      last_read[j] = seen;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "follow") == 0) return follow(argv[2], std::strtoull(argv[3], nullptr, 10));
  if (argc == 6 && std::strcmp(argv[1], "burst") == 0) {
    unsigned index = unsigned(std::strtoul(argv[3], nullptr, 10));
    unsigned processes = unsigned(std::strtoul(argv[4], nullptr, 10));
    if (processes == 0 || index >= processes) return 2;
    return burst(argv[2], index, processes, std::strtoull(argv[5], nullptr, 10));
  }
  return 2;
}
