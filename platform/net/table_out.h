// The size protocol of the IP helper's tables: a count, then the rows back to back.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include <windows.h>

namespace platform::net {

// Copies the rows when *size holds them; otherwise sets *size to what they need and gives
// ERROR_INSUFFICIENT_BUFFER. A null `size` is ERROR_INVALID_PARAMETER.
template <class Table, class Row>
DWORD copy_table(const std::vector<Row>& rows, Table* table, PULONG size) {
  if (!size) return ERROR_INVALID_PARAMETER;
  ULONG needed = ULONG(std::max(sizeof(Table), offsetof(Table, table) + rows.size() * sizeof(Row)));
  if (!table || *size < needed) {
    *size = needed;
    return ERROR_INSUFFICIENT_BUFFER;
  }
  table->dwNumEntries = DWORD(rows.size());
  if (!rows.empty()) std::memcpy(table->table, rows.data(), rows.size() * sizeof(Row));
  return NO_ERROR;
}

// The order bOrder asks for: by the addresses' numeric value.
template <class Row, class Key>
void sort_rows(std::vector<Row>& rows, Key key) {
  std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) { return key(a) < key(b); });
}

}  // namespace platform::net
