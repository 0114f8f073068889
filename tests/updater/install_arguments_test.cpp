// The arguments of the Tarvolt line of the wizard's installation batch file, with which the
// replacement installs the service again.
#include <gtest/gtest.h>

#include "cexception.h"
#include "reinstall_dialer_service.h"
#include "updater_folder.h"

namespace {

using InstallArgumentsTest = updater_test::WorkFolderTest;

TEST_F(InstallArgumentsTest, TheWizardsTarvoltLineGivesEverythingFromItsFirstBlank) {
  Write("installservice.bat",
        "sornet.exe AUTO-A\r\n"
        "pardex.exe -n AUTO-A0 -s vpn1.example.net -u alice -p secret\r\n"
        "Tarvolt -i  -ip 10.8.0.2 -r 192.168.1.2 \r\n"
        "net start halvorn\r\n");
  EXPECT_STREQ(ReadInstallArguments(), "-i  -ip 10.8.0.2 -r 192.168.1.2") << "inner blanks as written";
}

TEST_F(InstallArgumentsTest, TheLastTarvoltLineWins) {
  Write("installservice.bat", "tarvolt.exe -i -r 192.168.1.2\r\nrem TARVOLT -i -r 192.168.1.3\r\nnet start halvorn\r\n");
  EXPECT_STREQ(ReadInstallArguments(), "TARVOLT -i -r 192.168.1.3") << "the text after the first blank";
  Write("installservice.bat", "Tarvolt -i -r 192.168.1.2\r\nTarvolt -i\r\n");
  EXPECT_STREQ(ReadInstallArguments(), "-i");
}

TEST_F(InstallArgumentsTest, BlanksOnlyGiveNothingAndErrorIsKept) {
  Write("installservice.bat", "Tarvolt    \r\nnet start halvorn\r\n");
  EXPECT_STREQ(ReadInstallArguments(), "");
  Write("installservice.bat", "Tarvolt ERROR\r\n");
  EXPECT_STREQ(ReadInstallArguments(), "ERROR");
}

TEST_F(InstallArgumentsTest, ALineWithoutABlankIsTakenWhole) {
  Write("installservice.bat", "\tcall\ttarvolt.exe\t\r\n");
  EXPECT_STREQ(ReadInstallArguments(), "call\ttarvolt.exe") << "trimmed at both ends";
  Write("installservice.bat", "xtarvoltx\n");
  EXPECT_STREQ(ReadInstallArguments(), "xtarvoltx") << "a line end without CR";
}

TEST_F(InstallArgumentsTest, WithoutTheFileOrATarvoltLineThereAreNoArguments) {
  EXPECT_STREQ(ReadInstallArguments(), "");
  Write("installservice.bat", "sornet.exe AUTO-A\r\nnet start halvorn\r\n");
  EXPECT_STREQ(ReadInstallArguments(), "");
}

TEST_F(InstallArgumentsTest, ABatchFileThatCannotBeReadThrows) {
  Write("installservice.bat", "Tarvolt -i\r\n");
  HANDLE hLocker = CreateFileA("C:\\Work\\installservice.bat", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(hLocker, INVALID_HANDLE_VALUE);
  bool bThrown = false;
  try {
    ReadInstallArguments();
  } catch (CException* e) {
    e->Delete();
    bThrown = true;
  }
  CloseHandle(hLocker);
  EXPECT_TRUE(bThrown) << "the replacement reports it as an exception";
}

}  // namespace
