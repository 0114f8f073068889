// The dwSize values each RAS record takes: its current size and the older ones Windows still
// takes (the members an older size lacks are neither read nor written).
#pragma once

#include <ras.h>

#include <algorithm>

namespace winsim::ras {

template <class Record>
struct RecordSizes;

#define WINSIM_RECORD_SIZES(record, ...) \
  template <>                            \
  struct RecordSizes<record> {           \
    static constexpr DWORD known[] = {__VA_ARGS__, sizeof(record)}; \
  }

WINSIM_RECORD_SIZES(RASENTRYNAMEA, 264);
WINSIM_RECORD_SIZES(RASENTRYNAMEW, 520);
WINSIM_RECORD_SIZES(RASCONNA, 412, 676, 692);
WINSIM_RECORD_SIZES(RASCONNW, 816, 1340, 1356);
WINSIM_RECORD_SIZES(RASENTRYA, 1768, 1796, 2088);
WINSIM_RECORD_SIZES(RASENTRYW, 3468, 3496, 4048);
WINSIM_RECORD_SIZES(RASDIALPARAMSA, 1052);
WINSIM_RECORD_SIZES(RASDIALPARAMSW, 2096);
WINSIM_RECORD_SIZES(RASCONNSTATUSA, 160);
WINSIM_RECORD_SIZES(RASCONNSTATUSW, 304);
WINSIM_RECORD_SIZES(RASPPPIPA, 24, 40);
WINSIM_RECORD_SIZES(RASPPPIPW, 40, 72);
WINSIM_RECORD_SIZES(RASDIALEXTENSIONS, 16);
template <>
struct RecordSizes<RASCREDENTIALSA> {
  static constexpr DWORD known[] = {sizeof(RASCREDENTIALSA)};
};
template <>
struct RecordSizes<RASCREDENTIALSW> {
  static constexpr DWORD known[] = {sizeof(RASCREDENTIALSW)};
};

#undef WINSIM_RECORD_SIZES

template <class Record>
bool known_size(DWORD size) {
  const auto& known = RecordSizes<Record>::known;
  return std::find(std::begin(known), std::end(known), size) != std::end(known);
}

// Whether `member` of `record` lies inside the record's first `size` bytes.
template <class Record, class Member>
bool has_member(const Record& record, const Member& member, DWORD size) {
  auto offset = reinterpret_cast<const char*>(&member) - reinterpret_cast<const char*>(&record);
  return size_t(offset) + sizeof(Member) <= size;
}

}  // namespace winsim::ras
