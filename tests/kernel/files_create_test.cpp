#include <windows.h>

#include <fcntl.h>

#include "files_fixture.h"
#include "kernel/file_object.h"
#include "kernel/handles.h"

namespace {

using files_testing::FilesTest;

class FilesCreateTest : public FilesTest {};

// A child started by another thread at the same time must not inherit the descriptor: only
// inheritable handles pass to children, through the machine's own handover.
TEST_F(FilesCreateTest, DescriptorIsCloseOnExecEvenForAnInheritableHandle) {
  SECURITY_ATTRIBUTES inherit = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE h = CreateFileW(L"C:\\Tarvolt\\child.log", GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  auto object = platform::handles::get_as<platform::files::FileObject>(h);
  ASSERT_NE(object, nullptr);
  EXPECT_TRUE(fcntl(object->native_fd(), F_GETFD) & FD_CLOEXEC);
  CloseHandle(h);
}

TEST_F(FilesCreateTest, AnsiNamesAreWindows1252) {
  HANDLE h = CreateFileA("C:\\Tarvolt\\\x80 price.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(std::filesystem::exists(c("Tarvolt/\xe2\x82\xac price.txt")));
}

}  // namespace
