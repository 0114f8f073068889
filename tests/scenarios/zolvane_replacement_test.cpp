// The replacement road: the service Halvorn installed by the wizard's batch file and connected,
// archives of its program in the program folder, and Zolvane putting the selected one in place of
// the program, reinstalling the service through the machine's command interpreter; and what a
// failed copy or a vanished archive leaves.
#include <cctype>
#include <fstream>

#include "scenarios/zolvane_fixture.h"

namespace {

using namespace zolvane_testing;

std::string upper(std::string text) {
  for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

const char kNewest[] = "tarvolt20261201";
const char kOlder[] = "tarvolt20261120";
const char kInstalledNote[] = "Tarvolt service has been installed successfully";

class ZolvaneReplacement : public ZolvaneTest {
 protected:
  // Two archives: the search finds the older first, so the newest ends on top of the list.
  void put_archives() {
    set_write_time(in_program_folder("tarvolt.exe"), Utc(2026, 11, 15, 10, 0, 0));
    put_archive(std::string(kOlder) + ".exe", Utc(2026, 11, 20, 9, 30, 0));
    put_archive(std::string(kNewest) + ".exe", Utc(2026, 12, 1, 8, 0, 0));
  }
  std::string program_bytes() { return file_bytes(in_program_folder("Tarvolt.exe")); }
  int install_notes() {
    std::string log = file_bytes(program_folder() / "Tarvolt.txt");
    int n = 0;
    for (size_t at = log.find(kInstalledNote); at != std::string::npos; at = log.find(kInstalledNote, at + 1)) ++n;
    return n;
  }
  // A value left under the service's key by hand: only a removal of the service takes it away.
  static void mark_service_key() {
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Halvorn", 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    const BYTE one = 1;
    EXPECT_EQ(RegSetValueExA(key, "LeftByHand", 0, REG_BINARY, &one, 1), ERROR_SUCCESS);
    RegCloseKey(key);
  }
  void expect_list_of_both_archives() {
    EXPECT_EQ(items(), (std::vector<Item>{{kNewest, true}, {kOlder, false}}));
    EXPECT_TRUE(enabled(kUseSelected));
  }
};

TEST_F(ZolvaneReplacement, TheSelectedArchiveReplacesTheProgramAndTheServiceIsInstalledAgainStopped) {
  install_halvorn();
  put_archives();
  const std::string settings = service_settings();
  ASSERT_NE(settings.find("    ImagePath    REG_EXPAND_SZ    C:\\Tarvolt\\tarvolt.exe\n"), std::string::npos)
      << settings;
  mark_service_key();
  ASSERT_EQ(install_notes(), 1);

  start_zolvane();
  expect_list_of_both_archives();
  EXPECT_EQ(text_of(kCurrentVersion), "Current version date: Unknown {2026-11-15}") << "no archive matches it";

  LoggedBox box = click_for_box(kUseSelected);
  EXPECT_EQ(box.caption, "Success");
  EXPECT_EQ(box.text, "Successfully updated your dialer to tarvolt20261201.exe");
  EXPECT_GE(wait_for_zolvane_end(), 0) << "the dialog closes and the updater ends";

  EXPECT_EQ(program_bytes(), file_bytes(program_folder() / "tarvolt20261201.exe"));
  EXPECT_EQ(files_named("Tarvolt.exe"), 1);
  EXPECT_EQ(files_named("DeleteMe.exe"), 0) << "the backup is gone";
  EXPECT_EQ(files_named("tarvolt20261201.exe"), 1) << "the archive stays";
  // "tarvolt -d" removed the service with its key, "tarvolt.exe -i  -r 192.168.1.2" wrote it again.
  // The program path may carry the new file's case ("Tarvolt.exe"): Windows paths ignore case.
  EXPECT_EQ(upper(service_settings()), upper(settings));
  EXPECT_EQ(install_notes(), 2);
  EXPECT_NE(sc_state().find("STOPPED"), std::string::npos) << sc_state();
}

TEST_F(ZolvaneReplacement, AFailedCopyKeepsTheProgramTheServiceStoppedAndTheDialogOpen) {
  install_halvorn();
  put_archives();
  const std::string before = program_bytes();
  start_zolvane();
  expect_list_of_both_archives();

  // Another process holds the program open without sharing write or delete access: neither the
  // backup rename nor the copy can touch it.
  HANDLE held = CreateFileA("C:\\Tarvolt\\Tarvolt.exe", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  LoggedBox box = click_for_box(kUseSelected);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "Unable to update your dialer to the selected version\nRestoring previous version");
  EXPECT_TRUE(ShowsStopIcon(box));
  CloseHandle(held);

  EXPECT_EQ(program_bytes(), before);
  EXPECT_EQ(files_named("DeleteMe.exe"), 0);
  EXPECT_EQ(service_state(), DWORD(SERVICE_STOPPED));
  EXPECT_TRUE(dialog_open());
  expect_list_of_both_archives();

  // Released, the same dialog replaces it; the service, stopped already, needs no stop.
  box = click_for_box(kUseSelected);
  EXPECT_EQ(box.text, "Successfully updated your dialer to tarvolt20261201.exe");
  EXPECT_GE(wait_for_zolvane_end(), 0);
  EXPECT_EQ(program_bytes(), file_bytes(program_folder() / "tarvolt20261201.exe"));
  EXPECT_EQ(service_state(), DWORD(SERVICE_STOPPED));
}

// No service is installed here: the stop finds none and the replacement goes on to its checks.
TEST_F(ZolvaneReplacement, AnArchiveGoneSinceTheListWasFilledIsRefused) {
  put_archives();
  const std::string before = program_bytes();
  start_zolvane();
  expect_list_of_both_archives();
  fs::remove(program_folder() / "tarvolt20261201.exe");

  LoggedBox box = click_for_box(kUseSelected);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "The item selected is invalid because the file does not exist.");
  EXPECT_TRUE(ShowsStopIcon(box));
  EXPECT_EQ(program_bytes(), before);
  EXPECT_EQ(files_named("DeleteMe.exe"), 0);
  EXPECT_TRUE(dialog_open());
  EXPECT_EQ(items(), (std::vector<Item>{{kNewest, true}, {kOlder, false}})) << "the list stays as it was";
}

}  // namespace
