#include <time.h>
#include <windows.h>

#include <utility>

#include "ctime.h"
#include "files_fixture.h"
#include "machine/clock.h"
#include "support/windows_time.h"

namespace {

using files_testing::FilesTest;
using testing_support::kUnixEpochTicks;
using testing_support::file_time;
using testing_support::text;
using testing_support::ticks;

class FilesTimesTest : public FilesTest {
 protected:
  struct Times {
    uint64_t creation, access, write;
  };

  // What GetFileTime, FindFirstFile and GetFileAttributesEx each tell of the file.
  void expect_times(const WCHAR* name, const Times& expected) {
    HANDLE h = open(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME c{}, a{}, w{};
    EXPECT_TRUE(GetFileTime(h, &c, &a, &w));
    CloseHandle(h);
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(name, &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    FindClose(find);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(name, GetFileExInfoStandard, &data));
    for (const Times& seen : {Times{ticks(c), ticks(a), ticks(w)},
                              Times{ticks(found.ftCreationTime), ticks(found.ftLastAccessTime),
                                    ticks(found.ftLastWriteTime)},
                              Times{ticks(data.ftCreationTime), ticks(data.ftLastAccessTime),
                                    ticks(data.ftLastWriteTime)}}) {
      EXPECT_EQ(seen.creation, expected.creation);
      EXPECT_EQ(seen.access, expected.access);
      EXPECT_EQ(seen.write, expected.write);
    }
  }
};

TEST_F(FilesTimesTest, TimesFollowTheMachineClock) {
  // 2001-09-09 01:46:40 UTC in machine time, far from the real time now.
  const int64_t base_ns = 1'000'000'000LL * 1'000'000'000LL;
  platform::clock::set_manual(base_ns);
  const uint64_t base_ft = uint64_t(base_ns / 100) + kUnixEpochTicks;

  HANDLE h = open(L"C:\\Tarvolt\\times.txt", GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  FILETIME created, accessed, written;
  ASSERT_TRUE(GetFileTime(h, &created, &accessed, &written));
  EXPECT_EQ(ticks(created), base_ft);
  EXPECT_EQ(ticks(written), base_ft);

  platform::clock::advance(60'000'000'000LL);  // a minute later a write changes the write time only
  DWORD n;
  ASSERT_TRUE(WriteFile(h, "x", 1, &n, nullptr));
  FILETIME accessed_after;
  ASSERT_TRUE(GetFileTime(h, &created, &accessed_after, &written));
  EXPECT_EQ(ticks(created), base_ft);
  EXPECT_EQ(ticks(accessed_after), ticks(accessed));
  EXPECT_EQ(ticks(written), base_ft + 600'000'000ULL);
  CloseHandle(h);
}

TEST_F(FilesTimesTest, EachTimeIsKeptToTheTickAndSeenByEveryReader) {
  put("Tarvolt/tarvolt20261209.exe", "archive");
  const WCHAR* name = L"C:\\Tarvolt\\tarvolt20261209.exe";
  // Three different times, none on a whole second, set through either kind of handle.
  const Times first{133'785'432'101'234'567ULL, 133'785'432'109'876'543ULL, 133'785'432'105'555'555ULL};
  const Times set{first.creation + 1, first.access + 2, first.write + 3};
  for (auto [access, times] : {std::pair{DWORD(FILE_WRITE_ATTRIBUTES), first}, std::pair{DWORD(GENERIC_WRITE), set}}) {
    HANDLE h = open(name, access, 0, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME c = file_time(times.creation), a = file_time(times.access), w = file_time(times.write);
    EXPECT_TRUE(SetFileTime(h, &c, &a, &w));
    CloseHandle(h);
    expect_times(name, times);
  }

  // A time not given stays as it was.
  HANDLE h = open(name, FILE_WRITE_ATTRIBUTES, 0, OPEN_EXISTING);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  FILETIME later = file_time(set.write + 10'000'000ULL);
  EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &later));
  CloseHandle(h);
  expect_times(name, {set.creation, set.access, set.write + 10'000'000ULL});

  // A handle for reading may not set them.
  h = open(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(SetFileTime(h, &later, &later, &later));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  CloseHandle(h);
}

// A download's Last-Modified time (UTC) turned into local standard time with the runtime's zone
// and built into a CTime from those parts gives the file that moment back.
TEST_F(FilesTimesTest, LocalPartsOfACTimeComeBackFromTheFile) {
  for (int bias : {-330, 300}) {  // UTC+05:30 and UTC-05:00, whatever the host's zone is
    platform::machine::Options options;
    options.tz_bias_minutes = bias;
    recreate(options);
    long zone = 0;
    ASSERT_EQ(_get_timezone(&zone), 0);
    EXPECT_EQ(zone, bias * 60L);

    const LONGLONG modified = 1796839200;  // 2026-12-09 18:00:00 UTC
    LONGLONG local = modified - zone;
    FILETIME local_moment = file_time(uint64_t(local) * 10'000'000ULL + kUnixEpochTicks);
    SYSTEMTIME parts;
    ASSERT_TRUE(FileTimeToSystemTime(&local_moment, &parts));
    CTime stamp(parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond, -1);
    EXPECT_EQ(stamp.GetTime(), modified);

    put("Tarvolt/stamped.exe", "x");
    HANDLE h = open(L"C:\\Tarvolt\\stamped.exe", GENERIC_WRITE, 0, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME moment = file_time(uint64_t(stamp.GetTime()) * 10'000'000ULL + kUnixEpochTicks);
    EXPECT_TRUE(SetFileTime(h, &moment, &moment, &moment));
    FILETIME written, local_written;
    ASSERT_TRUE(GetFileTime(h, nullptr, nullptr, &written));
    CloseHandle(h);
    ASSERT_TRUE(FileTimeToLocalFileTime(&written, &local_written));
    SYSTEMTIME read_back;
    ASSERT_TRUE(FileTimeToSystemTime(&local_written, &read_back));
    EXPECT_EQ(text(read_back), text(parts));
  }
}

}  // namespace
