// ShellExecute and ShellExecuteEx on programs and batch files: results, process handles, exit
// codes; and a batch file given to CreateProcess.
#include <shellapi.h>

#include "shell_fixture.h"

namespace {

using shell_testing::ShellTest;
namespace fs = std::filesystem;

int result_of(HINSTANCE h) { return static_cast<int>(reinterpret_cast<INT_PTR>(h)); }

DWORD finished_exit_code(HANDLE process) {
  EXPECT_EQ(WaitForSingleObject(process, 30000), WAIT_OBJECT_0);
  DWORD code = 12345;
  EXPECT_TRUE(GetExitCodeProcess(process, &code));
  CloseHandle(process);
  return code;
}

SHELLEXECUTEINFOW info_for(LPCWSTR file, LPCWSTR parameters, LPCWSTR directory) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = L"open";
  info.lpFile = file;
  info.lpParameters = parameters;
  info.lpDirectory = directory;
  info.nShow = SW_HIDE;
  return info;
}

TEST_F(ShellTest, ExecuteExGivesTheProcessAndItsExitCode) {
  SHELLEXECUTEINFOW info = info_for(L"winsim_echo.exe", L"5 \"two words\"", L"C:\\Tarvolt");
  ASSERT_TRUE(ShellExecuteExW(&info));
  EXPECT_GT(result_of(info.hInstApp), 32);
  ASSERT_NE(info.hProcess, nullptr);
  EXPECT_EQ(finished_exit_code(info.hProcess), 5u);

  // A batch file runs through cmd.exe, in the given directory; its exit code is the process's.
  write("Work/exit.bat", "@echo off\r\nif exist marker.txt exit /b 4\r\nexit /b 9\r\n");
  write("Work/marker.txt", "");
  info = info_for(L"exit.bat", nullptr, L"C:\\Work");
  ASSERT_TRUE(ShellExecuteExW(&info));
  EXPECT_EQ(finished_exit_code(info.hProcess), 4u);

  // Without SEE_MASK_NOCLOSEPROCESS no handle comes back.
  info = info_for(L"winsim_echo.exe", L"0", nullptr);
  info.fMask = 0;
  ASSERT_TRUE(ShellExecuteExW(&info));
  EXPECT_EQ(info.hProcess, nullptr);
}

TEST_F(ShellTest, FailuresGiveTheDocumentedResults) {
  EXPECT_EQ(result_of(ShellExecuteW(nullptr, L"open", L"missing.exe", nullptr, L".", SW_HIDE)), SE_ERR_FNF);
  EXPECT_EQ(result_of(ShellExecuteW(nullptr, nullptr, L"C:\\No Folder\\x.exe", nullptr, nullptr, SW_HIDE)),
            SE_ERR_PNF);
  EXPECT_EQ(result_of(ShellExecuteW(nullptr, L"print", L"winsim_echo.exe", nullptr, nullptr, SW_HIDE)),
            SE_ERR_NOASSOC);
  write("Tarvolt/notes.txt", "text");
  EXPECT_EQ(result_of(ShellExecuteA(nullptr, "open", "notes.txt", "", ".", SW_HIDE)), SE_ERR_NOASSOC);

  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.lpFile = "missing.bat";
  EXPECT_FALSE(ShellExecuteExA(&info));
  EXPECT_EQ(result_of(info.hInstApp), SE_ERR_FNF);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  info.cbSize = 0;
  EXPECT_FALSE(ShellExecuteExA(&info));
}

TEST_F(ShellTest, ShellExecuteOfABatchFileWithTheWizardsArguments) {
  // The wizard's call: verb "open", empty parameters, directory ".", hidden; it does not wait.
  write("Tarvolt/installservice.bat", "@echo off\r\ncopy winsim_echo.exe started.exe\r\n");
  ASSERT_GT(result_of(ShellExecuteW(nullptr, L"open", L"installservice.bat", L"", L".", SW_HIDE)), 32);
  for (int i = 0; i < 3000 && !fs::exists(host("Tarvolt/started.exe")); ++i) Sleep(10);
  EXPECT_TRUE(fs::exists(host("Tarvolt/started.exe")));
}

TEST_F(ShellTest, CreateProcessRunsABatchFileThroughCmd) {
  write("Tarvolt/job.bat", "@echo off\r\nexit /b %1\r\n");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION pi{};
  WCHAR line[] = L"job.bat 6";
  ASSERT_TRUE(CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                             &pi));
  CloseHandle(pi.hThread);
  EXPECT_EQ(finished_exit_code(pi.hProcess), 6u);
}

}  // namespace
