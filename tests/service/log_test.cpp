// The service log: levels read from the registry on every call, the line format, appending,
// the cut at 10 MiB, and a logger that cannot reach its file.
#include <gtest/gtest.h>

#include <fstream>

#include "machine/clock.h"
#include "rv_log.h"
#include "rv_log_object.h"
#include "service/tarvolt_fixture.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

class LogTest : public TarvoltTest {
 protected:
  void SetUp() override {
    TarvoltTest::SetUp();
    run_command_line({"-i"});
    std::filesystem::remove(log_path());
  }
  // Waits until the log's last line is this text.
  bool ends_with_line(const std::string& text) {
    std::string tail = text + "\r\n";
    for (int i = 0; i < 2000; ++i, Sleep(5)) {
      std::ifstream in(log_path(), std::ios::binary | std::ios::ate);
      std::streamoff size = in.tellg();
      if (size < std::streamoff(tail.size())) continue;
      std::string last(tail.size(), 0);
      in.seekg(size - std::streamoff(tail.size()));
      in.read(last.data(), std::streamsize(last.size()));
      if (last == tail) return true;
    }
    return false;
  }
  void set_threshold(int level) { write_value("", "GenerateLog", REG_BINARY, bytes({level})); }
  void write_file(const std::filesystem::path& path, size_t size, char fill) {
    std::ofstream out(path, std::ios::binary);
    std::string block(1 << 20, fill);
    for (size_t left = size; left > 0;) {
      size_t n = std::min(left, block.size());
      out.write(block.data(), std::streamsize(n));
      left -= n;
    }
  }
};

// Machine time for a UTC date and time.
int64_t utc_ns(int year, int month, int day, int hour, int minute, int second, int ms) {
  SYSTEMTIME st{};
  st.wYear = WORD(year);
  st.wMonth = WORD(month);
  st.wDay = WORD(day);
  st.wHour = WORD(hour);
  st.wMinute = WORD(minute);
  st.wSecond = WORD(second);
  st.wMilliseconds = WORD(ms);
  FILETIME ft;
  EXPECT_TRUE(SystemTimeToFileTime(&st, &ft));
  int64_t ticks = (int64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return (ticks - 116444736000000000LL) * 100;
}

TEST_F(LogTest, TimeStampsPadEveryFieldButTheMilliseconds) {
  struct Case {
    int64_t when;
    const char* prefix;
  } cases[] = {
      {utc_ns(2011, 12, 29, 16, 48, 33, 123), "2011-12-29, 16:48:33.0123\t: "},
      {utc_ns(2026, 9, 1, 0, 5, 7, 0), "2026-09-01, 00:05:07.00\t: "},
      {utc_ns(2026, 10, 10, 10, 10, 10, 7), "2026-10-10, 10:10:10.07\t: "},
      {utc_ns(2026, 1, 9, 9, 59, 59, 45), "2026-01-09, 09:59:59.045\t: "},
      {utc_ns(2026, 1, 9, 23, 0, 0, 999), "2026-01-09, 23:00:00.0999\t: "},
  };
  for (const Case& c : cases) {
    platform::clock::set_manual(c.when);
    EXPECT_EQ(std::string(RV_LogObject::FormatTimestamp().GetString()), c.prefix);
  }
  platform::clock::set_real();
}

TEST_F(LogTest, TheThresholdIsReadOnEveryCall) {
  RV_TarvoltApp app;
  set_threshold(0);
  app.WriteLog(1, "never written");
  EXPECT_FALSE(std::filesystem::exists(log_path()));

  set_threshold(1);
  app.WriteLog(1, "level %d of %s", 1, "three");
  app.WriteLog(2, "hidden at 1");
  set_threshold(3);
  app.WriteLog(3, "100%% detailed\twith a tab");
  app.WriteLog(1, "");
  app.CloseLogger();
  std::vector<std::string> expected{"level 1 of three", "100% detailed\twith a tab", "ShutdownServices Part 12",
                                    "Closing the logger and Shutting Down", std::string(52, '-')};
  EXPECT_EQ(log_messages(), expected);
}

TEST_F(LogTest, AtLevelTwoTheLoggerIntroducesItselfAndAppendsToAnExistingLog) {
  {
    std::ofstream old(log_path(), std::ios::binary);
    old << "earlier run\r\n";
  }
  set_threshold(2);
  RV_TarvoltApp app;
  app.WriteLog(2, "first");
  app.WriteLog(3, "too detailed");
  app.CloseLogger();
  std::string text = log_text();
  EXPECT_EQ(text.rfind("earlier run\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\t: Logger Initialized\r\n"), std::string::npos);
  EXPECT_LT(text.find("Logger Initialized"), text.find("first"));
  EXPECT_EQ(text.find("too detailed"), std::string::npos);

  // A message after the close starts a new logger instead of using the deleted one.
  app.WriteLog(1, "after the close");
  app.CloseLogger();
  EXPECT_NE(log_text().find("after the close\r\n"), std::string::npos);
}

TEST_F(LogTest, ReadersAndWritersShareTheOpenLogButCannotDeleteIt) {
  RV_TarvoltApp app;
  app.WriteLog(1, "open");
  // Once a line is in the file the logger has it open.
  for (int i = 0; i < 500 && !std::filesystem::exists(log_path()); ++i) Sleep(5);
  HANDLE reader = CreateFileA("C:\\Tarvolt\\Tarvolt.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE);
  CloseHandle(reader);
  EXPECT_FALSE(DeleteFileA("C:\\Tarvolt\\Tarvolt.txt"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  app.CloseLogger();
}

TEST_F(LogTest, TheLogIsCutToItsNewerHalfAtTenMebibytes) {
  struct Case {
    size_t before;
    size_t kept;  // bytes of the old file that stay
  } cases[] = {
      {RV_Log::kCutSize - 1, RV_Log::kCutSize - 1},
      {RV_Log::kCutSize, RV_Log::kKeepFrom},
      {RV_Log::kCutSize + 1000, RV_Log::kKeepFrom + 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    // The old file's first half is 'a', the rest 'b', so the kept bytes show where the cut fell.
    write_file(log_path(), RV_Log::kKeepFrom, 'a');
    {
      std::ofstream tail(log_path(), std::ios::binary | std::ios::app);
      tail << std::string(c.before - RV_Log::kKeepFrom, 'b');
    }
    RV_TarvoltApp app;
    app.WriteLog(1, "after the check");
    // Looked at once that line is written: the closing lines may come in a later cycle, whose
    // own size check may then cut a file that has grown past the limit.
    ASSERT_TRUE(ends_with_line("after the check"));
    std::string text = log_text();
    app.CloseLogger();
    ASSERT_GT(text.size(), c.kept);
    EXPECT_EQ(text.find("after the check"), text.find("\t: after the check") + 3);
    EXPECT_EQ(text.find_first_not_of("ab"), c.kept) << "the new lines follow the kept bytes";
    EXPECT_EQ(text[0], c.kept == c.before ? 'a' : 'b');
    EXPECT_FALSE(std::filesystem::exists(root_ / "drive_c/Tarvolt/VPNLogger.tmp"));
    std::filesystem::remove(log_path());
  }
}

TEST_F(LogTest, ATemporaryFileLeftByAnEarlierCutDoesNotStopTheNextOne) {
  write_file(root_ / "drive_c/Tarvolt/VPNLogger.tmp", 100, 'x');
  write_file(log_path(), RV_Log::kCutSize, 'b');
  RV_TarvoltApp app;
  app.WriteLog(1, "still written");
  app.CloseLogger();
  EXPECT_LT(std::filesystem::file_size(log_path()), RV_Log::kKeepFrom + 400) << "only the closing lines follow the kept half";
  EXPECT_NE(log_text().find("still written\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(root_ / "drive_c/Tarvolt/VPNLogger.tmp"));
}

TEST_F(LogTest, ALogThatCannotBeOpenedNeitherBlocksNorGrows) {
  std::filesystem::create_directory(log_path());  // a folder where the file should be
  RV_TarvoltApp app;
  for (int i = 0; i < 1000; ++i) app.WriteLog(1, "lost %d", i);
  app.CloseLogger();  // returns although the logger thread never ran a cycle
  EXPECT_TRUE(std::filesystem::is_directory(log_path()));
}

TEST_F(LogTest, AFailedCutKeepsTheLoggerWriting) {
  // The temporary name taken by a folder: the rename of the cut fails every time.
  std::filesystem::create_directory(root_ / "drive_c/Tarvolt/VPNLogger.tmp");
  write_file(log_path(), RV_Log::kCutSize, 'b');
  RV_TarvoltApp app;
  app.WriteLog(1, "first cycle");
  Sleep(50);
  app.WriteLog(1, "second cycle");
  app.CloseLogger();
  std::string text = log_text();
  EXPECT_NE(text.find("first cycle\r\n"), std::string::npos);
  EXPECT_NE(text.find("second cycle\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tarvolt_testing
