#include <windows.h>

#include "files_fixture.h"
#include "machine/clock.h"
#include "support/windows_time.h"

namespace {

using files_testing::FilesTest;
using testing_support::kUnixEpochTicks;
using testing_support::ticks;

class FilesTimesTest : public FilesTest {};

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

}  // namespace
