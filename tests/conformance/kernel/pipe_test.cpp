#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PipeTest, ReadGivesWhatIsThereAndBreaksOnceEveryWriterClosed) {
  HANDLE r, w;
  ASSERT_TRUE(CreatePipe(&r, &w, nullptr, 4096));
  DWORD done = 0;
  ASSERT_TRUE(WriteFile(w, "abc", 3, &done, nullptr));
  char buffer[100];
  ASSERT_TRUE(ReadFile(r, buffer, sizeof buffer, &done, nullptr));
  EXPECT_EQ(std::string(buffer, done), "abc");

  ASSERT_TRUE(WriteFile(w, "xy", 2, &done, nullptr));
  DWORD peeked = 0, available = 0;
  ASSERT_TRUE(PeekNamedPipe(r, buffer, sizeof buffer, &peeked, &available, nullptr));
  EXPECT_EQ(available, 2u);
  EXPECT_EQ(std::string(buffer, peeked), "xy");

  HANDLE second_writer;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), w, GetCurrentProcess(), &second_writer, 0, FALSE,
                              DUPLICATE_SAME_ACCESS));
  CloseHandle(w);
  ASSERT_TRUE(ReadFile(r, buffer, sizeof buffer, &done, nullptr));  // peeking took nothing
  EXPECT_EQ(std::string(buffer, done), "xy");
  ASSERT_TRUE(PeekNamedPipe(r, nullptr, 0, nullptr, &available, nullptr));  // a copy still writes
  EXPECT_EQ(available, 0u);
  CloseHandle(second_writer);
  EXPECT_FALSE(ReadFile(r, buffer, sizeof buffer, &done, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_BROKEN_PIPE));
  EXPECT_EQ(done, 0u);
  EXPECT_FALSE(PeekNamedPipe(r, nullptr, 0, nullptr, &available, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_BROKEN_PIPE));
  CloseHandle(r);
}

TEST(PipeTest, WriteWithoutReaderFailsWithNoData) {
  HANDLE r, w;
  ASSERT_TRUE(CreatePipe(&r, &w, nullptr, 0));
  CloseHandle(r);
  DWORD done = 7;
  EXPECT_FALSE(WriteFile(w, "abc", 3, &done, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_DATA));
  EXPECT_EQ(done, 0u);
  CloseHandle(w);
}

}  // namespace
