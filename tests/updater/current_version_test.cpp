// The current-version line: which archive in the current directory the service program is a
// copy of, judged by its size and its last-write second.
#include <gtest/gtest.h>
#include <windows.h>

#include "current_version.h"
#include "updater_folder.h"

namespace {

// 2026-12-08 10:00:00 UTC plus the given milliseconds.
FILETIME December8(WORD wHour = 10, WORD wMilliseconds = 0) {
  SYSTEMTIME moment = {2026, 12, 2, 8, wHour, 0, 0, wMilliseconds};
  FILETIME result = {};
  SystemTimeToFileTime(&moment, &result);
  return result;
}

class CurrentVersionTest : public updater_test::WorkFolderTest {
 protected:
  void WriteDated(const std::string& name, const std::string& bytes, const FILETIME& written) {
    Write(name, bytes);
    HANDLE hFile = CreateFileA(("C:\\Work\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << name;
    EXPECT_TRUE(SetFileTime(hFile, nullptr, nullptr, &written));
    CloseHandle(hFile);
  }
};

TEST_F(CurrentVersionTest, WithoutTheProgramTheVersionIsUnknown) {
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: Unknown");
  WriteDated("tarvolt20261201.exe", "archive", December8());
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: Unknown") << "archives alone";
}

TEST_F(CurrentVersionTest, AProgramWithoutAMatchShowsItsLocalWriteDate) {
  WriteDated("Tarvolt.exe", "program", December8());
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: Unknown {2026-12-08}");

  WriteDated("tarvolt20261201.exe", "program", December8(11));
  WriteDated("tarvolt20261202.exe", "program!", December8());
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: Unknown {2026-12-08}")
      << "another second, another size: no match";

  platform::machine::Options east;
  east.tz_bias_minutes = -600;  // UTC+10: 20:00 UTC is the next day there
  recreate(east);
  UseWorkFolder();
  WriteDated("Tarvolt.exe", "program", December8(20));
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: Unknown {2026-12-09}");
}

TEST_F(CurrentVersionTest, ACopyWithTheSameSizeAndSecondNamesTheVersion) {
  WriteDated("Tarvolt.exe", "program", December8(10, 250));
  WriteDated("tarvolt20261201.exe", "program", December8(10, 900));
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: 20261201") << "compared to the second";
  WriteDated("zolvane.exe", "program", December8());
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: ZOLVANE") << "any file of the same size and second";
}

TEST_F(CurrentVersionTest, OfTwoMatchesTheOneFoundLaterWinsAndTheLastFileFoundCounts) {
  // The machine's directory search returns names in order, as NTFS does.
  WriteDated("tarvolt.exe", "program", December8());
  WriteDated("tarvolt20261101.exe", "older", December8());
  WriteDated("tarvolt20261209.exe", "program", December8());
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: 20261209") << "the last file the search returns";
  WriteDated("tarvolt20261202.exe", "program", December8());
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: 20261209") << "the later of two matches";
  WriteDated("tarvolt20261209.exe", "changed!", December8());
  EXPECT_STREQ(CurrentVersionLine(), "Current version date: 20261202");
}

}  // namespace
