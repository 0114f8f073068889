// Share modes across the processes of the machine. Every open of a file that reads, writes or
// deletes is a row of the machine database (with the Linux process that holds it); a new open
// is admitted when its access fits the share modes of the opens that exist and their access
// fits its share mode. Rows of processes that have ended are ignored and dropped.
#pragma once

#include <windows.h>

#include "kernel/file_info.h"

namespace platform::share {

// Data access of an open, in the bit positions of the FILE_SHARE_* flags it needs.
constexpr DWORD kRead = FILE_SHARE_READ;
constexpr DWORD kWrite = FILE_SHARE_WRITE;
constexpr DWORD kDelete = FILE_SHARE_DELETE;

// The data access that a CreateFile access mask asks for.
DWORD access_of(DWORD desired_access);

// Both calls belong inside one machine::Transaction with the open itself, so that two processes
// cannot both pass the check.
bool admits(const files::Identity& file, DWORD access, DWORD share_mode);
// Records an open; 0 (nothing recorded) when it has no data access.
long long record(const files::Identity& file, DWORD access, DWORD share_mode);
// True when a live open of the file exists.
bool in_use(const files::Identity& file);

void release(long long row);

}  // namespace platform::share
