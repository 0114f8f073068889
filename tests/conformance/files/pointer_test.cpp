#include <windows.h>

#include "files_fixture.h"
#include "support/windows_time.h"

namespace {

using files_testing::FilesTest;
using files_testing::W;
using testing_support::ticks;

class FilesPointerTest : public FilesTest {
 protected:
  HANDLE scratch() { return open(at(u"big.bin"), GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS); }
};

TEST_F(FilesPointerTest, PositionsAndSizesBeyondFourGigabytes) {
  HANDLE h = scratch();
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  // 5 GiB + 3: high DWORD 1, low DWORD 0x40000003 (a sparse file).
  LONG high = 1;
  EXPECT_EQ(SetFilePointer(h, 0x40000003, &high, FILE_BEGIN), DWORD(0x40000003));
  EXPECT_EQ(high, 1);
  DWORD n;
  ASSERT_TRUE(WriteFile(h, "z", 1, &n, nullptr));
  DWORD size_high = 0;
  EXPECT_EQ(GetFileSize(h, &size_high), DWORD(0x40000004));
  EXPECT_EQ(size_high, DWORD(1));
  LARGE_INTEGER size;
  ASSERT_TRUE(GetFileSizeEx(h, &size));
  EXPECT_EQ(size.QuadPart, 0x140000004LL);

  // Moving back by a negative 64-bit distance from the end.
  high = -1;
  EXPECT_EQ(SetFilePointer(h, -1, &high, FILE_END), DWORD(0x40000003));
  EXPECT_EQ(high, 1);
  char c = 0;
  ASSERT_TRUE(ReadFile(h, &c, 1, &n, nullptr));
  EXPECT_EQ(c, 'z');

  // Without a high part the result must fit in the DWORD.
  EXPECT_EQ(SetFilePointer(h, 0, nullptr, FILE_END), INVALID_SET_FILE_POINTER);
  EXPECT_NE(GetLastError(), DWORD(NO_ERROR));

  // 0xFFFFFFFF is a valid low part: the last error tells success.
  high = 0;
  SetLastError(ERROR_INVALID_FUNCTION);
  EXPECT_EQ(SetFilePointer(h, LONG(0xFFFFFFFF), &high, FILE_BEGIN), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), DWORD(NO_ERROR));
  EXPECT_EQ(high, 0);

  LARGE_INTEGER distance, position;
  distance.QuadPart = 10;
  ASSERT_TRUE(SetFilePointerEx(h, distance, &position, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(h));
  ASSERT_TRUE(GetFileSizeEx(h, &size));
  EXPECT_EQ(size.QuadPart, 10);
  CloseHandle(h);
}

TEST_F(FilesPointerTest, NegativeSeeksFailAndLeaveThePointer) {
  HANDLE h = scratch();
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD n;
  ASSERT_TRUE(WriteFile(h, "0123456789", 10, &n, nullptr));
  EXPECT_EQ(SetFilePointer(h, 4, nullptr, FILE_BEGIN), DWORD(4));
  EXPECT_EQ(SetFilePointer(h, -5, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NEGATIVE_SEEK));
  LARGE_INTEGER distance, position;
  distance.QuadPart = -11;
  EXPECT_FALSE(SetFilePointerEx(h, distance, &position, FILE_END));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NEGATIVE_SEEK));
  EXPECT_EQ(SetFilePointer(h, 0, nullptr, FILE_CURRENT), DWORD(4));
  EXPECT_EQ(SetFilePointer(h, 0, nullptr, 7), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));

  // Seeking past the end and writing fills the gap with zeros.
  EXPECT_EQ(SetFilePointer(h, 2, nullptr, FILE_END), DWORD(12));
  ASSERT_TRUE(WriteFile(h, "!", 1, &n, nullptr));
  CloseHandle(h);
  std::string data = slurp(u"big.bin");
  EXPECT_EQ(data, std::string("0123456789\0\0!", 13));
}

TEST_F(FilesPointerTest, SetFileTimeSetsTheTimesGivenAndNeedsWriteAccess) {
  HANDLE h = open(at(u"times.txt"), GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD n;
  ASSERT_TRUE(WriteFile(h, "x", 1, &n, nullptr));
  FILETIME accessed;
  ASSERT_TRUE(GetFileTime(h, nullptr, &accessed, nullptr));

  // Each given time is set, null ones stay.
  FILETIME old_time = {0x12345670, 0x01B00000};
  ASSERT_TRUE(SetFileTime(h, &old_time, nullptr, &old_time));
  FILETIME c2, a2, w2;
  ASSERT_TRUE(GetFileTime(h, &c2, &a2, &w2));
  EXPECT_EQ(ticks(c2), ticks(old_time));
  EXPECT_EQ(ticks(w2), ticks(old_time));
  EXPECT_EQ(ticks(a2), ticks(accessed));
  CloseHandle(h);

  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW(W(at(u"times.txt")), GetFileExInfoStandard, &data));
  EXPECT_EQ(ticks(data.ftCreationTime), ticks(old_time));
  EXPECT_EQ(ticks(data.ftLastWriteTime), ticks(old_time));
  EXPECT_EQ(data.nFileSizeLow, DWORD(1));

  // Setting times needs write access.
  HANDLE reader = open(at(u"times.txt"), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  EXPECT_FALSE(SetFileTime(reader, nullptr, nullptr, &old_time));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  CloseHandle(reader);
}

}  // namespace
