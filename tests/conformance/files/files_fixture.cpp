#include "files_fixture.h"

#include <string>

namespace files_testing {

namespace {

using testing_support::u16;

// Deletes a folder with everything in it, read-only entries included.
void remove_tree(const std::u16string& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(W(folder + u"\\*"), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::u16string name = U(data.cFileName);
      if (name == u"." || name == u"..") continue;
      std::u16string path = folder + u"\\" + name;
      SetFileAttributesW(W(path), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        remove_tree(path);
      else
        DeleteFileW(W(path));
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(W(folder));
}

}  // namespace

void FilesTest::SetUp() {
  WCHAR buffer[MAX_PATH];
  DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
  ASSERT_GT(length, 0u);
  saved_cwd_ = U(buffer, length);
  length = GetTempPathW(MAX_PATH, buffer);
  ASSERT_GT(length, 0u);
  std::u16string base = U(buffer, length) + u"Tarvolt conformance " + u16(std::to_string(GetCurrentProcessId()));
  for (int n = 1; folder_.empty(); ++n) {
    std::u16string candidate = base + u"." + u16(std::to_string(n));
    if (CreateDirectoryW(W(candidate), nullptr))
      folder_ = candidate;
    else
      ASSERT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS)) << u8(candidate);
  }
}

void FilesTest::TearDown() {
  SetCurrentDirectoryW(W(saved_cwd_));
  if (!folder_.empty()) remove_tree(folder_);
}

void FilesTest::put(const std::u16string& relative, const std::string& content) const {
  for (size_t slash = relative.find(u'\\'); slash != std::u16string::npos; slash = relative.find(u'\\', slash + 1))
    CreateDirectoryW(W(at(relative.substr(0, slash))), nullptr);
  // Opened, written and cut to its new length: an existing file keeps its attributes.
  HANDLE h = open(at(relative), GENERIC_WRITE, 0, OPEN_ALWAYS);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << u8(relative) << ": error " << GetLastError();
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(h, content.data(), DWORD(content.size()), &written, nullptr));
  EXPECT_TRUE(SetEndOfFile(h));
  CloseHandle(h);
}

std::string FilesTest::slurp(const std::u16string& relative) const {
  HANDLE h = open(at(relative), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
  if (h == INVALID_HANDLE_VALUE) return "<cannot open>";
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  CloseHandle(h);
  return content;
}

std::u16string FilesTest::lower(std::u16string path) {
  for (char16_t& c : path)
    if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
  return path;
}

std::u16string FilesTest::upper(std::u16string path) {
  for (char16_t& c : path)
    if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
  return path;
}

std::string FilesTest::ansi(const std::u16string& path) {
  int n = WideCharToMultiByte(CP_ACP, 0, W(path), int(path.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, W(path), int(path.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace files_testing
