#include <windows.h>

#include <atomic>
#include <thread>

#include "registry/registry_fixture.h"
#include "support/program_runner.h"
#include "support/shared_words.h"

namespace {

using registry_testing::MachineRegistryTest;
using registry_testing::terminated_utf16;
using testing_support::Finished;
using testing_support::run_program;
using testing_support::SharedWords;

class RegistryAcrossProcesses : public MachineRegistryTest {
 protected:
  int writer(const std::vector<std::string>& args) { return run_program(testing_support::program_dir() / "reg_writer.exe", args).exit_code; }
  Finished race(const std::vector<std::string>& args) { return run_program(testing_support::program_dir() / "reg_race.exe", args); }
  std::string words_file(const char* name) { return (root_ / name).string(); }
};

TEST_F(RegistryAcrossProcesses, AValueSetByAChildIsReadByTheParentsNextCall) {
  EXPECT_EQ(read_bytes(key_, L"Owner"), "<absent>");
  ASSERT_EQ(writer({"set", "SOFTWARE\\Tarvolt Test", "Owner", "child one"}), 0);
  EXPECT_EQ(read_bytes(key_, L"Owner"), terminated_utf16(u"child one")) << "through the handle opened before";
  ASSERT_EQ(writer({"set", "SOFTWARE\\Tarvolt Test", "OWNER", "child two"}), 0);
  EXPECT_EQ(read_bytes(key_, L"Owner"), terminated_utf16(u"child two"));
}

// The test and a child take turns: each one's very next read after the other's write returned
// must give that write, a thousand times over, with no pause between.
TEST_F(RegistryAcrossProcesses, EachSideReadsTheOthersWriteWithItsVeryNextCall) {
  const uint64_t kRounds = 1000;
  SharedWords words(words_file("turns"), 2);
  ASSERT_TRUE(words.mapped());
  Finished child;
  std::atomic<bool> child_ended = false;
  std::thread follower([&] {
    child = race({"follow", words_file("turns"), std::to_string(kRounds)});
    child_ended = true;
  });
  uint64_t wrong_rounds = 0;
  for (uint64_t k = 1; k <= kRounds; ++k) {
    uint64_t turn = 2 * k - 1;
    ASSERT_EQ(RegSetValueExW(key_, L"Turn", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&turn), sizeof turn),
              ERROR_SUCCESS);
    words.store(0, turn);
    while (words.load(1) != turn && !child_ended) std::this_thread::yield();
    if (words.load(1) != turn) break;
    // Through the handle opened before the loop, and through a key opened now.
    uint64_t read = 0;
    DWORD size = sizeof read;
    ASSERT_EQ(RegQueryValueExW(key_, L"Turn", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size), ERROR_SUCCESS);
    HKEY opened = nullptr;
    uint64_t read_opened = 0;
    size = sizeof read_opened;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, registry_testing::kTestKey, 0, KEY_QUERY_VALUE, &opened), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExW(opened, L"Turn", nullptr, nullptr, reinterpret_cast<BYTE*>(&read_opened), &size),
              ERROR_SUCCESS);
    RegCloseKey(opened);
    if (read != 2 * k || read_opened != 2 * k) ++wrong_rounds;
  }
  follower.join();
  EXPECT_EQ(child.exit_code, 0) << child.err;
  EXPECT_EQ(wrong_rounds, 0u);
}

TEST_F(RegistryAcrossProcesses, AKeyDeletedByAChildIsDeletedForTheParentsHandle) {
  HKEY sub = create(key_, L"Shared\\Inner");
  set_string(sub, L"Any", u"value");
  // Read once, so that what this process holds of the registry has the key.
  EXPECT_EQ(read_bytes(sub, L"Any"), terminated_utf16(u"value"));
  EXPECT_EQ(subkeys(key_), std::vector<std::string>{"Shared"});
  ASSERT_EQ(writer({"delete", "SOFTWARE\\Tarvolt Test\\Shared"}), 0);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(sub, L"Any", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(RegEnumValueW(sub, 0, nullptr, &size, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
  EXPECT_EQ(subkeys(key_), std::vector<std::string>{});
  HKEY again = nullptr;
  EXPECT_EQ(RegOpenKeyExW(key_, L"Shared\\Inner", 0, KEY_READ, &again), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegCloseKey(sub), ERROR_SUCCESS) << "a handle on a deleted key still closes";
}

// Eight processes write their own values and read everyone's after each write: every read gives
// a value its writer wrote, and never one older than a write whose call had returned.
TEST_F(RegistryAcrossProcesses, ABurstOfWritersAndReadersInEightProcessesNeverReadsAStaleValue) {
  const int kProcesses = 8;
  SharedWords words(words_file("burst"), kProcesses);
  ASSERT_TRUE(words.mapped());
  std::vector<Finished> finished(kProcesses);
  std::vector<std::thread> processes;
  for (int i = 0; i < kProcesses; ++i)
    processes.emplace_back([&, i] {
      finished[i] = race({"burst", words_file("burst"), std::to_string(i), std::to_string(kProcesses), "150"});
    });
  for (std::thread& process : processes) process.join();
  for (int i = 0; i < kProcesses; ++i) EXPECT_EQ(finished[i].exit_code, 0) << "process " << i << ": " << finished[i].err;
  for (int i = 0; i < kProcesses; ++i) {
    std::u16string name = u"P" + std::u16string(1, char16_t(u'0' + i));
    EXPECT_EQ(read_bytes(key_, reinterpret_cast<const WCHAR*>(name.c_str())),
              terminated_utf16(std::u16string(1, char16_t(u'0' + i)) + u":150"));
  }
}

}  // namespace
