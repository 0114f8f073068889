// The size protocol of the RAS enumerations: records back to back in the caller's buffer, each
// of the size the first one's dwSize names; ERROR_BUFFER_TOO_SMALL with the size needed and
// the count when they do not fit. A null buffer asks for the size (of current records).
#pragma once

#include <ras.h>
#include <raserror.h>

#include <cstring>
#include <vector>

#include "ras/record_sizes.h"

namespace platform::ras {

// `fill(record, item)` writes one record whose dwSize is set and whose other bytes are zero.
template <class Record, class Item, class Fill>
DWORD fill_records(Record* buffer, DWORD* buffer_size, DWORD* count, const std::vector<Item>& items, Fill fill) {
  if (!buffer_size || !count) return ERROR_INVALID_PARAMETER;
  if (buffer && !known_size<Record>(buffer->dwSize)) return ERROR_INVALID_SIZE;
  const DWORD record_size = buffer ? buffer->dwSize : DWORD(sizeof(Record));
  const DWORD needed = record_size * DWORD(items.size());
  if (needed == 0) {
    *buffer_size = 0;
    *count = 0;
    return ERROR_SUCCESS;
  }
  if (!buffer || *buffer_size < needed) {
    *buffer_size = needed;
    *count = DWORD(items.size());
    return ERROR_BUFFER_TOO_SMALL;
  }
  char* at = reinterpret_cast<char*>(buffer);
  for (const Item& item : items) {
    // Records of an older size stand closer than sizeof(Record): each is built whole, then its
    // first record_size bytes are copied into place.
    Record record;
    std::memset(&record, 0, sizeof record);
    record.dwSize = record_size;
    fill(record, item);
    std::memcpy(at, &record, record_size);
    at += record_size;
  }
  *buffer_size = needed;
  *count = DWORD(items.size());
  return ERROR_SUCCESS;
}

}  // namespace platform::ras
