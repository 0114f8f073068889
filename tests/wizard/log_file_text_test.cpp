// The service log as the error page reads it: its lines whatever their line ends, the note for
// an empty log, and a log that the service holds open or locks.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "log_file_text.h"
#include "support/machine_fixture.h"
#include "support/wide.h"

namespace {

namespace fs = std::filesystem;
using testing_support::U;

const wchar_t kLog[] = L"C:\\Tarvolt\\Tarvolt.txt";
const char16_t kNoInformation[] = u"No Information found in log file.";

class LogFileTextTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    fs::create_directories(root_ / "drive_c" / "Tarvolt");
  }
  void Write(const std::string& bytes) {
    std::ofstream(root_ / "drive_c" / "Tarvolt" / "Tarvolt.txt", std::ios::binary) << bytes;
  }
  std::u16string Read() {
    CString strText = L"unchanged";
    EXPECT_TRUE(ReadLogFileText(kLog, strText));
    return U(strText);
  }
};

TEST_F(LogFileTextTest, EachLineEndsInANewLineWhateverTheFileUsed) {
  Write("09:00:01 Service started\r\n09:00:02 Dialling AUTO-A0\r\n");
  EXPECT_EQ(Read(), u"09:00:01 Service started\n09:00:02 Dialling AUTO-A0\n") << "no blank lines between";
  Write("first\nlast line without an end");
  EXPECT_EQ(Read(), u"first\nlast line without an end\n");
  Write("caf\xE9\r\n");
  EXPECT_EQ(Read(), u"caf\u00E9\n") << "8-bit text";
}

TEST_F(LogFileTextTest, AnEmptyLogGetsTheNoteButOneCharacterShows) {
  Write("");
  EXPECT_EQ(Read(), kNoInformation);
  Write("\r\n");
  EXPECT_EQ(Read(), kNoInformation) << "one empty line";
  Write("x");
  EXPECT_EQ(Read(), u"x\n");
}

TEST_F(LogFileTextTest, ALogTheServiceWritesIsReadAndALockedOneCountsAsMissing) {
  Write("before\r\n");
  HANDLE writer = CreateFileW(kLog, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Read(), u"before\n") << "read while the service holds it for writing";
  CloseHandle(writer);

  HANDLE locker = CreateFileW(kLog, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locker, INVALID_HANDLE_VALUE);
  CString strText = L"unchanged";
  EXPECT_FALSE(ReadLogFileText(kLog, strText));
  EXPECT_EQ(U(strText), u"unchanged");
  CloseHandle(locker);

  fs::remove(root_ / "drive_c" / "Tarvolt" / "Tarvolt.txt");
  EXPECT_FALSE(ReadLogFileText(kLog, strText));
  EXPECT_EQ(U(strText), u"unchanged");
}

}  // namespace
