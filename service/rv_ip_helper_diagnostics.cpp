// Diagnostics that the service does not call: adapters, the address and ARP tables, a sample
// address, address leases, and the system's error texts.
#include <stdlib.h>
#include <string.h>

#include "rv_ip_helper.h"
#include "tarvolt_app.h"

namespace {

const DWORD kSampleInterface = 2;
const DWORD kStaticArpEntry = 4;
const char* const kArpTypes[] = {"", " OTHER", " INVALID", " DYNAMIC", " STATIC"};

// Reads a table by the IP helper's two-call rule: the size, then the table into a buffer that
// the caller frees. Null unless the answer is 0.
template <class Table, class Read>
DWORD ReadTable(Read read, Table*& pTable) {
  pTable = nullptr;
  ULONG cbTable = 0;
  DWORD dwResult = read(nullptr, &cbTable);
  if (dwResult == ERROR_INSUFFICIENT_BUFFER) {
    pTable = static_cast<Table*>(malloc(cbTable));
    if (pTable == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    dwResult = read(pTable, &cbTable);
  }
  if (dwResult != NO_ERROR) {
    free(pTable);
    pTable = nullptr;
  }
  return dwResult;
}

// An interface name of the system as 8-bit text.
CStringA NarrowName(const WCHAR* pszName, size_t cchMax) {
  int nLength = 0;
  while (static_cast<size_t>(nLength) < cchMax && pszName[nLength] != 0) ++nLength;
  return CStringA(CStringW(pszName, nLength));
}

}  // namespace

void RV_IpHelper::ListAdapters() {
  ULONG cbAdapters = 0;
  if (GetAdaptersInfo(nullptr, &cbAdapters) != ERROR_BUFFER_OVERFLOW) return;
  IP_ADAPTER_INFO* pAdapters = static_cast<IP_ADAPTER_INFO*>(malloc(cbAdapters));
  if (pAdapters == nullptr) return;
  DWORD dwResult = GetAdaptersInfo(pAdapters, &cbAdapters);
  if (dwResult == NO_ERROR)
    LogAdapterAddresses(pAdapters);
  else
    LogSystemError(dwResult);
  free(pAdapters);
}

void RV_IpHelper::LogAdapterAddresses(const IP_ADAPTER_INFO* pAdapters) {
  for (const IP_ADAPTER_INFO* pAdapter = pAdapters; pAdapter != nullptr; pAdapter = pAdapter->Next)
    for (const IP_ADDR_STRING* pAddress = &pAdapter->IpAddressList; pAddress != nullptr; pAddress = pAddress->Next)
      m_pApp->WriteLog(1, "%s", pAddress->IpAddress.String);
}

DWORD RV_IpHelper::GetAddrTable(PMIB_IPADDRTABLE& pTable) {
  return ReadTable([](MIB_IPADDRTABLE* p, ULONG* pcb) { return static_cast<DWORD>(GetIpAddrTable(p, pcb, FALSE)); },
                   pTable);
}

void RV_IpHelper::LogAddrTable(const MIB_IPADDRTABLE* pTable) {
  for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
    m_pApp->WriteLog(1, "   IP: %s", Dotted(pTable->table[i].dwAddr).GetString());
    m_pApp->WriteLog(1, "   BC IP: %s\n", Dotted(pTable->table[i].dwBCastAddr).GetString());
  }
}

bool RV_IpHelper::AddSampleAddress() {
  ULONG ulInstance = 0;
  DWORD dwResult =
      AddIPAddress(inet_addr("192.168.1.20"), inet_addr("255.255.255.0"), kSampleInterface, &m_ulNTEContext, &ulInstance);
  if (dwResult == NO_ERROR) return true;
  LogSystemError(dwResult);
  return false;
}

bool RV_IpHelper::DeleteAddress(ULONG ulContext) {
  DWORD dwResult = DeleteIPAddress(ulContext != 0 ? ulContext : m_ulNTEContext);
  if (dwResult == NO_ERROR) return true;
  LogSystemError(dwResult);
  return false;
}

bool RV_IpHelper::ChangeAdapterLease(DWORD(WINAPI* pfnChange)(PIP_ADAPTER_INDEX_MAP)) {
  IP_ADAPTER_INDEX_MAP adapter;
  memset(&adapter, 0, sizeof(adapter));
  adapter.Index = kSampleInterface;
  DWORD dwResult = pfnChange(&adapter);
  if (dwResult == NO_ERROR) return true;
  LogSystemError(dwResult);
  return false;
}

bool RV_IpHelper::ReleaseAddress() { return ChangeAdapterLease(IpReleaseAddress); }

bool RV_IpHelper::RenewAddress() { return ChangeAdapterLease(IpRenewAddress); }

void RV_IpHelper::LogSystemError(DWORD dwError) {
  char* pszText = nullptr;
  DWORD dwFlags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (FormatMessageA(dwFlags, nullptr, dwError, 0x400, reinterpret_cast<LPSTR>(&pszText), 0, nullptr) == 0) return;
  // A system text may hold percent signs: it is logged as text, not as a format.
  m_pApp->WriteLog(2, "%s", pszText);
  LocalFree(pszText);
}

PMIB_IPNETTABLE RV_IpHelper::ReadArpTable() {
  PMIB_IPNETTABLE pTable = nullptr;
  ReadTable([](MIB_IPNETTABLE* p, ULONG* pcb) { return static_cast<DWORD>(GetIpNetTable(p, pcb, FALSE)); }, pTable);
  return pTable;
}

PMIB_IPNETTABLE RV_IpHelper::ListArpTable() {
  PMIB_IPNETTABLE pTable = ReadArpTable();
  if (pTable != nullptr) LogArpTable(pTable);
  return pTable;
}

void RV_IpHelper::LogArpTable(const MIB_IPNETTABLE* pTable) {
  for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
    const MIB_IPNETROW& row = pTable->table[i];
    MIB_IFROW interfaceRow;
    memset(&interfaceRow, 0, sizeof(interfaceRow));
    interfaceRow.dwIndex = row.dwIndex;
    CStringA strName;
    if (GetIfEntry(&interfaceRow) == NO_ERROR)
      strName = NarrowName(interfaceRow.wszName, sizeof(interfaceRow.wszName) / sizeof(interfaceRow.wszName[0]));
    m_pApp->WriteLog(3, "Idx: %lu Name: %s", static_cast<unsigned long>(row.dwIndex), strName.GetString());
    CString strAddress = Dotted(row.dwAddr);
    m_pApp->WriteLog(1, "   IP: %s", strAddress.GetString());
    m_pApp->WriteLog(3, "   IP: %s%s", strAddress.GetString(), kArpTypes[row.dwType <= 4 ? row.dwType : 0]);
    DWORD cbPhysical = row.dwPhysAddrLen < MAXLEN_PHYSADDR ? row.dwPhysAddrLen : MAXLEN_PHYSADDR;
    if (cbPhysical > 0) {
      CString strPhysical;
      for (DWORD b = 0; b < cbPhysical; ++b) strPhysical.AppendFormat(b == 0 ? "%02X" : ":%02X", row.bPhysAddr[b]);
      m_pApp->WriteLog(3, "%s", strPhysical.GetString());
    }
  }
}

void RV_IpHelper::MakeFirstArpEntryStatic() {
  PMIB_IPNETTABLE pTable = ReadArpTable();
  if (pTable == nullptr) return;
  if (pTable->dwNumEntries > 0) {
    MIB_IPNETROW row = pTable->table[0];
    row.dwType = kStaticArpEntry;
    SetIpNetEntry(&row);
  }
  free(pTable);
}
