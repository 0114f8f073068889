// Compiled resources in the resource compiler's binary .res format: a sequence of entries, each
// a header (sizes, type and name as name-or-ordinal, language, flags) and its data, DWORD-aligned.
// The Linux build embeds a program's .res; the resource functions look up its entries here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <windows.h>

#include "kernel/byte_reader.h"

namespace platform::resources {

struct Entry {
  NameOrOrdinal type;
  NameOrOrdinal name;
  uint16_t language = 0;
  uint16_t memory_flags = 0;
  const uint8_t* data = nullptr;
  uint32_t size = 0;
};

using Image = std::vector<Entry>;

// The entries of `bytes`, in file order, without the empty leading entry; parsing stops at the
// first header that does not fit. The entries point into `bytes`.
Image parse(const void* bytes, size_t size);

// The language a thread of this machine uses when a caller asks for none (English, US).
constexpr WORD kThreadLanguage = 0x0409;

// The entry of `type` and `name` in `language` (0: the thread's), else the language-neutral one,
// else any. Null with ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND in `error`.
const Entry* find(const Image& image, const NameOrOrdinal& type, const NameOrOrdinal& name, WORD language,
                  DWORD* error);

// The resources the build embedded into this program; empty when it has none.
const Image& program();

}  // namespace platform::resources
