// The sizes the programs give Windows for its records. A program asks for the version of a record
// that it was written for; the SDK's structure may be a later, longer one, so the size is that of
// the structure through the version's last member, padded as the version's own structure was.
#pragma once

#include <stddef.h>

constexpr unsigned RecordSizeThrough(size_t cbThroughMember, size_t cbAlignment) {
  return static_cast<unsigned>((cbThroughMember + cbAlignment - 1) / cbAlignment * cbAlignment);
}

// The size of `type` up to and including `member`.
#define SIZEOF_THROUGH(type, member) \
  RecordSizeThrough(offsetof(type, member) + sizeof(((type*)nullptr)->member), alignof(type))

// The documented figure of a size on 32-bit Windows, checked where the build is 32-bit Windows;
// other builds have the layouts of their own data model.
#if defined(_WIN32) && !defined(_WIN64)
#define WIN32_RECORD_SIZE(size, figure) static_assert((size) == (figure), #size " is " #figure " bytes on 32-bit Windows")
#else
#define WIN32_RECORD_SIZE(size, figure) static_assert((size) > 0, #size " is a size")
#endif
