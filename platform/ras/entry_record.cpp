#include "ras/entry_record.h"

#include <cstring>
#include <random>
#include <string>

#include "kernel/text.h"
#include "ras/record_sizes.h"
#include "ras/record_text.h"

namespace winsim::ras {
namespace {

constexpr char16_t kGuidKey[] = u"Guid";
constexpr char16_t kOptions2Key[] = u"Options2";
// The pre-shared key flag of dwfOptions2 has a key of its own, so that a hand-written phone
// book can say it plainly.
constexpr char16_t kPresharedKeyKey[] = u"UsePreSharedKey";

// Every member kept in the phone book, with its key, where it ends in the record (and for
// numbers, the value of a new entry). `Record` is `Entry` or `const Entry`. No member visited
// needs more than the record's 4-byte packing, so the references to them are aligned.
template <class Entry, class Record, class Visitor>
void each_member(Record& r, Visitor& visit) {
#define MEMBER(name) r.name, WINSIM_END_OF(Entry, name)
  visit(u"Options", MEMBER(dwfOptions), 0);
  visit(u"CountryID", MEMBER(dwCountryID), 0);
  visit(u"CountryCode", MEMBER(dwCountryCode), 0);
  visit(u"AreaCode", MEMBER(szAreaCode));
  visit(u"PhoneNumber", MEMBER(szLocalPhoneNumber));
  visit(u"IpAddress", MEMBER(ipaddr));
  visit(u"DnsAddress", MEMBER(ipaddrDns));
  visit(u"DnsAddressAlt", MEMBER(ipaddrDnsAlt));
  visit(u"WinsAddress", MEMBER(ipaddrWins));
  visit(u"WinsAddressAlt", MEMBER(ipaddrWinsAlt));
  visit(u"FrameSize", MEMBER(dwFrameSize), 0);
  visit(u"NetProtocols", MEMBER(dwfNetProtocols), RASNP_Ip);
  visit(u"FramingProtocol", MEMBER(dwFramingProtocol), RASFP_Ppp);
  visit(u"Script", MEMBER(szScript));
  visit(u"AutodialDll", MEMBER(szAutodialDll));
  visit(u"AutodialFunc", MEMBER(szAutodialFunc));
  visit(u"DeviceType", MEMBER(szDeviceType));
  visit(u"Device", MEMBER(szDeviceName));
  visit(u"X25PadType", MEMBER(szX25PadType));
  visit(u"X25Address", MEMBER(szX25Address));
  visit(u"X25Facilities", MEMBER(szX25Facilities));
  visit(u"X25UserData", MEMBER(szX25UserData));
  visit(u"Channels", MEMBER(dwChannels), 0);
  visit(u"SubEntries", MEMBER(dwSubEntries), 0);
  visit(u"DialMode", MEMBER(dwDialMode), RASEDM_DialAll);
  visit(u"DialPercent", MEMBER(dwDialExtraPercent), 75);
  visit(u"DialSeconds", MEMBER(dwDialExtraSampleSeconds), 120);
  visit(u"HangUpPercent", MEMBER(dwHangUpExtraPercent), 10);
  visit(u"HangUpSeconds", MEMBER(dwHangUpExtraSampleSeconds), 120);
  visit(u"IdleDisconnectSeconds", MEMBER(dwIdleDisconnectSeconds), 0);
  visit(u"Type", MEMBER(dwType), RASET_Phone);
  visit(u"EncryptionType", MEMBER(dwEncryptionType), ET_Optional);
  visit(u"CustomAuthKey", MEMBER(dwCustomAuthKey), 0);
  visit(u"CustomDialDll", MEMBER(szCustomDialDll));
  visit(u"VpnStrategy", MEMBER(dwVpnStrategy), VS_Default);
  visit(u"Options3", MEMBER(dwfOptions3), 0);
  visit(u"DnsSuffix", MEMBER(szDnsSuffix));
  visit(u"TcpWindowSize", MEMBER(dwTcpWindowSize), 0);
  visit(u"PrerequisitePbk", MEMBER(szPrerequisitePbk));
  visit(u"PrerequisiteEntry", MEMBER(szPrerequisiteEntry));
  visit(u"RedialCount", MEMBER(dwRedialCount), 3);
  visit(u"RedialPause", MEMBER(dwRedialPause), 60);
#undef MEMBER
}

// A decimal DWORD; anything else is unreadable.
bool parse_number(const std::u16string* text, DWORD* value) {
  if (!text || text->empty() || text->size() > 10) return false;
  unsigned long long n = 0;
  for (char16_t c : *text) {
    if (c < u'0' || c > u'9') return false;
    n = n * 10 + (c - u'0');
  }
  if (n > 0xFFFFFFFFull) return false;
  *value = DWORD(n);
  return true;
}

DWORD number_or(const PhonebookEntry& entry, std::u16string_view key, DWORD fallback) {
  DWORD value = fallback;
  return parse_number(entry.find(key), &value) ? value : fallback;
}

std::u16string number_text(DWORD value) { return text::utf16(std::to_string(value)); }

// "a.b.c.d"; anything else reads as 0.0.0.0.
RASIPADDR parse_address(const std::u16string* text) {
  RASIPADDR address{};
  if (!text) return address;
  BYTE parts[4];
  size_t at = 0;
  for (int i = 0; i < 4; ++i) {
    size_t end = text->find(u'.', at);
    if ((i < 3) == (end == std::u16string::npos)) return address;
    std::u16string part = text->substr(at, end == std::u16string::npos ? std::u16string::npos : end - at);
    DWORD value = 0;
    if (part.size() > 3 || !parse_number(&part, &value) || value > 255) return address;
    parts[i] = BYTE(value);
    at = end + 1;
  }
  return RASIPADDR{parts[0], parts[1], parts[2], parts[3]};
}

std::u16string address_text(const RASIPADDR& a) {
  return text::utf16(std::to_string(a.a) + "." + std::to_string(a.b) + "." + std::to_string(a.c) + "." +
                     std::to_string(a.d));
}

// What a record of `size` bytes holds: the members that end inside it.
class Coverage {
 public:
  explicit Coverage(DWORD size) : size_(size) {}
  bool covers(size_t end) const { return end <= size_; }

 private:
  const DWORD size_;
};

class ToRecord : Coverage {
 public:
  ToRecord(const PhonebookEntry& entry, DWORD size) : Coverage(size), entry_(entry) {}
  void operator()(std::u16string_view key, DWORD& member, size_t end, DWORD fallback) {
    if (covers(end)) member = number_or(entry_, key, fallback);
  }
  template <class Unit, size_t N>
  void operator()(std::u16string_view key, Unit (&member)[N], size_t end) {
    if (!covers(end)) return;
    const std::u16string* value = entry_.find(key);
    put(member, value ? *value : std::u16string());
  }
  void operator()(std::u16string_view key, RASIPADDR& member, size_t end) {
    if (covers(end)) member = parse_address(entry_.find(key));
  }

 private:
  const PhonebookEntry& entry_;
};

class FromRecord : Coverage {
 public:
  FromRecord(DWORD size, PhonebookEntry& entry) : Coverage(size), entry_(entry) {}
  void operator()(std::u16string_view key, const DWORD& member, size_t end, DWORD) {
    if (covers(end)) entry_.set(key, number_text(member));
  }
  template <class Unit, size_t N>
  void operator()(std::u16string_view key, const Unit (&member)[N], size_t end) {
    if (covers(end)) entry_.set(key, get(member));
  }
  void operator()(std::u16string_view key, const RASIPADDR& member, size_t end) {
    if (covers(end)) entry_.set(key, address_text(member));
  }

 private:
  PhonebookEntry& entry_;
};

bool parse_guid(const std::u16string* text, GUID* guid) {
  if (!text || text->size() != 32) return false;
  unsigned char bytes[16];
  for (size_t i = 0; i < 32; ++i) {
    char16_t c = (*text)[i];
    int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10
              : c >= u'a' && c <= u'f' ? c - u'a' + 10 : -1;
    if (digit < 0) return false;
    if (i % 2 == 0) bytes[i / 2] = (unsigned char)(digit << 4);
    else bytes[i / 2] |= (unsigned char)digit;
  }
  std::memcpy(guid, bytes, sizeof bytes);
  return true;
}

std::u16string guid_text(const GUID& guid) {
  static const char kHex[] = "0123456789ABCDEF";
  unsigned char bytes[16];
  std::memcpy(bytes, &guid, sizeof bytes);
  std::u16string out;
  for (unsigned char b : bytes) {
    out += char16_t(kHex[b >> 4]);
    out += char16_t(kHex[b & 15]);
  }
  return out;
}

// Marks 16 bytes as a random (version 4) GUID.
GUID as_guid(unsigned char bytes[16]) {
  bytes[7] = (unsigned char)((bytes[7] & 0x0F) | 0x40);  // the high nibble of Data3
  bytes[8] = (unsigned char)((bytes[8] & 0x3F) | 0x80);
  GUID guid;
  std::memcpy(&guid, bytes, 16);
  return guid;
}

}  // namespace

template <class Entry>
void entry_to_record(const PhonebookEntry& entry, const GUID& guid, Entry& record) {
  ToRecord visit(entry, record.dwSize);
  each_member<Entry>(record, visit);
  if (WINSIM_HAS_MEMBER(Entry, guidId, record.dwSize)) record.guidId = guid;
  if (WINSIM_HAS_MEMBER(Entry, dwfOptions2, record.dwSize))
    record.dwfOptions2 = (number_or(entry, kOptions2Key, 0) & ~DWORD(RASEO2_UsePreSharedKey)) |
                         (entry_uses_preshared_key(entry) ? RASEO2_UsePreSharedKey : 0);
}

template <class Entry>
void record_to_entry(const Entry& record, PhonebookEntry& entry) {
  FromRecord visit(record.dwSize, entry);
  each_member<Entry>(record, visit);
  if (WINSIM_HAS_MEMBER(Entry, dwfOptions2, record.dwSize)) {
    entry.set(kOptions2Key, number_text(record.dwfOptions2 & ~DWORD(RASEO2_UsePreSharedKey)));
    entry.set(kPresharedKeyKey, (record.dwfOptions2 & RASEO2_UsePreSharedKey) ? u"1" : u"0");
  }
}

template void entry_to_record(const PhonebookEntry&, const GUID&, RASENTRYA&);
template void entry_to_record(const PhonebookEntry&, const GUID&, RASENTRYW&);
template void record_to_entry(const RASENTRYA&, PhonebookEntry&);
template void record_to_entry(const RASENTRYW&, PhonebookEntry&);

GUID entry_guid(const PhonebookEntry& entry, std::u16string_view phonebook) {
  GUID guid;
  if (parse_guid(entry.find(kGuidKey), &guid)) return guid;
  // FNV-1a over the phone book and the name, twice with different seeds.
  std::string identity = text::utf8(text::upper(phonebook) + u"\n" + text::upper(entry.name));
  unsigned char bytes[16];
  for (int half = 0; half < 2; ++half) {
    uint64_t hash = half ? 0x84222325cbf29ce4ull : 0xcbf29ce484222325ull;
    for (unsigned char c : identity) hash = (hash ^ c) * 0x100000001b3ull;
    std::memcpy(bytes + 8 * half, &hash, 8);
  }
  return as_guid(bytes);
}

GUID assign_new_guid(PhonebookEntry& entry) {
  std::random_device random;
  unsigned char bytes[16];
  for (int i = 0; i < 16; i += 4) {
    uint32_t r = random();
    std::memcpy(bytes + i, &r, 4);
  }
  GUID guid = as_guid(bytes);
  entry.set(kGuidKey, guid_text(guid));
  return guid;
}

std::u16string entry_phone_number(const PhonebookEntry& entry) {
  const std::u16string* value = entry.find(u"PhoneNumber");
  return value ? *value : std::u16string();
}

std::u16string entry_device_type(const PhonebookEntry& entry) {
  const std::u16string* value = entry.find(u"DeviceType");
  return value ? *value : std::u16string();
}

std::u16string entry_device_name(const PhonebookEntry& entry) {
  const std::u16string* value = entry.find(u"Device");
  return value ? *value : std::u16string();
}

DWORD entry_type(const PhonebookEntry& entry) { return number_or(entry, u"Type", RASET_Phone); }

DWORD entry_vpn_strategy(const PhonebookEntry& entry) { return number_or(entry, u"VpnStrategy", VS_Default); }

bool entry_uses_preshared_key(const PhonebookEntry& entry) { return number_or(entry, kPresharedKeyKey, 0) != 0; }

}  // namespace winsim::ras
