#include "ras/entry_record.h"

#include <cstring>
#include <random>
#include <string>

#include "kernel/text.h"
#include "ras/record_sizes.h"
#include "ras/record_text.h"

namespace platform::ras {
namespace {

constexpr char16_t kGuidKey[] = u"Guid";
constexpr char16_t kOptions2Key[] = u"Options2";
// The pre-shared key flag of dwfOptions2 has a key of its own, so that a hand-written phone
// book can say it plainly.
constexpr char16_t kPresharedKeyKey[] = u"UsePreSharedKey";

// Every member kept in the phone book that the record's dwSize covers, with its key (and for
// numbers, the value of a new entry). `Record` is `Entry` or `const Entry`. No member visited
// needs more than the record's 4-byte packing, so the references to them are aligned.
template <class Entry, class Record, class Visitor>
void each_member(Record& r, Visitor& visit) {
#define MEMBER(key, name, ...) \
  if (WINSIM_HAS_MEMBER(Entry, name, r.dwSize)) visit(key, r.name __VA_OPT__(, ) __VA_ARGS__)
  MEMBER(u"Options", dwfOptions, 0);
  MEMBER(u"CountryID", dwCountryID, 0);
  MEMBER(u"CountryCode", dwCountryCode, 0);
  MEMBER(u"AreaCode", szAreaCode);
  MEMBER(u"PhoneNumber", szLocalPhoneNumber);
  MEMBER(u"IpAddress", ipaddr);
  MEMBER(u"DnsAddress", ipaddrDns);
  MEMBER(u"DnsAddressAlt", ipaddrDnsAlt);
  MEMBER(u"WinsAddress", ipaddrWins);
  MEMBER(u"WinsAddressAlt", ipaddrWinsAlt);
  MEMBER(u"FrameSize", dwFrameSize, 0);
  MEMBER(u"NetProtocols", dwfNetProtocols, RASNP_Ip);
  MEMBER(u"FramingProtocol", dwFramingProtocol, RASFP_Ppp);
  MEMBER(u"Script", szScript);
  MEMBER(u"AutodialDll", szAutodialDll);
  MEMBER(u"AutodialFunc", szAutodialFunc);
  MEMBER(u"DeviceType", szDeviceType);
  MEMBER(u"Device", szDeviceName);
  MEMBER(u"X25PadType", szX25PadType);
  MEMBER(u"X25Address", szX25Address);
  MEMBER(u"X25Facilities", szX25Facilities);
  MEMBER(u"X25UserData", szX25UserData);
  MEMBER(u"Channels", dwChannels, 0);
  MEMBER(u"SubEntries", dwSubEntries, 0);
  MEMBER(u"DialMode", dwDialMode, RASEDM_DialAll);
  MEMBER(u"DialPercent", dwDialExtraPercent, 75);
  MEMBER(u"DialSeconds", dwDialExtraSampleSeconds, 120);
  MEMBER(u"HangUpPercent", dwHangUpExtraPercent, 10);
  MEMBER(u"HangUpSeconds", dwHangUpExtraSampleSeconds, 120);
  MEMBER(u"IdleDisconnectSeconds", dwIdleDisconnectSeconds, 0);
  MEMBER(u"Type", dwType, RASET_Phone);
  MEMBER(u"EncryptionType", dwEncryptionType, ET_Optional);
  MEMBER(u"CustomAuthKey", dwCustomAuthKey, 0);
  MEMBER(u"CustomDialDll", szCustomDialDll);
  MEMBER(u"VpnStrategy", dwVpnStrategy, VS_Default);
  MEMBER(u"Options3", dwfOptions3, 0);
  MEMBER(u"DnsSuffix", szDnsSuffix);
  MEMBER(u"TcpWindowSize", dwTcpWindowSize, 0);
  MEMBER(u"PrerequisitePbk", szPrerequisitePbk);
  MEMBER(u"PrerequisiteEntry", szPrerequisiteEntry);
  MEMBER(u"RedialCount", dwRedialCount, 3);
  MEMBER(u"RedialPause", dwRedialPause, 60);
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

class ToRecord {
 public:
  explicit ToRecord(const PhonebookEntry& entry) : entry_(entry) {}
  void operator()(std::u16string_view key, DWORD& member, DWORD fallback) { member = number_or(entry_, key, fallback); }
  template <class Unit, size_t N>
  void operator()(std::u16string_view key, Unit (&member)[N]) {
    const std::u16string* value = entry_.find(key);
    put(member, value ? *value : std::u16string());
  }
  void operator()(std::u16string_view key, RASIPADDR& member) { member = parse_address(entry_.find(key)); }

 private:
  const PhonebookEntry& entry_;
};

class FromRecord {
 public:
  explicit FromRecord(PhonebookEntry& entry) : entry_(entry) {}
  void operator()(std::u16string_view key, const DWORD& member, DWORD) { entry_.set(key, number_text(member)); }
  template <class Unit, size_t N>
  void operator()(std::u16string_view key, const Unit (&member)[N]) {
    entry_.set(key, get(member));
  }
  void operator()(std::u16string_view key, const RASIPADDR& member) { entry_.set(key, address_text(member)); }

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
  ToRecord visit(entry);
  each_member<Entry>(record, visit);
  if (WINSIM_HAS_MEMBER(Entry, guidId, record.dwSize)) record.guidId = guid;
  if (WINSIM_HAS_MEMBER(Entry, dwfOptions2, record.dwSize))
    record.dwfOptions2 = (number_or(entry, kOptions2Key, 0) & ~DWORD(RASEO2_UsePreSharedKey)) |
                         (entry_uses_preshared_key(entry) ? RASEO2_UsePreSharedKey : 0);
}

template <class Entry>
void record_to_entry(const Entry& record, PhonebookEntry& entry) {
  FromRecord visit(entry);
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

}  // namespace platform::ras
