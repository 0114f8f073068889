// The dwSize values each RAS record takes: its current size and the older ones Windows still
// takes (the members an older size lacks are neither read nor written). An older size is the
// structure through that version's last member, padded to the record's alignment: the size of
// that version in this build's data model.
#pragma once

#include <ras.h>

#include <algorithm>
#include <concepts>
#include <cstddef>

namespace platform::ras {

// Where `member` of `type` ends: the bytes a record must have to hold it.
#define WINSIM_END_OF(type, member) (offsetof(type, member) + sizeof(((type*)nullptr)->member))

constexpr DWORD padded_size(size_t size, size_t alignment) {
  return DWORD((size + alignment - 1) / alignment * alignment);
}

// The size of the version of `type` whose last member is `member`.
#define WINSIM_SIZE_THROUGH(type, member) ::platform::ras::padded_size(WINSIM_END_OF(type, member), alignof(type))

// Whether a record of `size` bytes holds `member`. Computed from the layout, never from the
// member's address: the records are packed, and their 8-byte members may be misaligned.
#define WINSIM_HAS_MEMBER(type, member, size) (WINSIM_END_OF(type, member) <= size_t(size))

template <class Record, class... Forms>
concept one_of = (std::same_as<Record, Forms> || ...);

template <class Record>
struct RecordSizes;

// The sizes of the records `forms` (the character forms of one record): the older versions,
// each named by its last member, then the current one.
#define WINSIM_STRIP(...) __VA_ARGS__
#define WINSIM_RECORD_SIZES(forms, ...)                                       \
  template <class Record>                                                     \
    requires one_of<Record, WINSIM_STRIP forms>                               \
  struct RecordSizes<Record> {                                                \
    static constexpr DWORD known[] = {__VA_ARGS__ __VA_OPT__(, ) sizeof(Record)}; \
  }
#define THROUGH(member) WINSIM_SIZE_THROUGH(Record, member)

WINSIM_RECORD_SIZES((RASENTRYNAMEA, RASENTRYNAMEW), THROUGH(szEntryName));
// Windows NT 4; with the phone book and sub-entry; with the entry's GUID.
WINSIM_RECORD_SIZES((RASCONNA, RASCONNW), THROUGH(szDeviceName), THROUGH(dwSubEntry), THROUGH(guidEntry));
// Windows NT 4; with the dial policy; with the Windows 2000 members.
WINSIM_RECORD_SIZES((RASENTRYA, RASENTRYW), THROUGH(dwReserved2), THROUGH(dwIdleDisconnectSeconds),
                    THROUGH(dwVpnStrategy));
WINSIM_RECORD_SIZES((RASDIALPARAMSA, RASDIALPARAMSW), THROUGH(szDomain));
WINSIM_RECORD_SIZES((RASCONNSTATUSA, RASCONNSTATUSW), THROUGH(szDeviceName));
WINSIM_RECORD_SIZES((RASPPPIPA, RASPPPIPW), THROUGH(szIpAddress), THROUGH(szServerIpAddress));
WINSIM_RECORD_SIZES((RASDIALEXTENSIONS), THROUGH(reserved));
WINSIM_RECORD_SIZES((RASCREDENTIALSA, RASCREDENTIALSW));

#undef THROUGH
#undef WINSIM_RECORD_SIZES
#undef WINSIM_STRIP

template <class Record>
bool known_size(DWORD size) {
  const auto& known = RecordSizes<Record>::known;
  return std::find(std::begin(known), std::end(known), size) != std::end(known);
}

}  // namespace platform::ras
