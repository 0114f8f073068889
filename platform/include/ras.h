// Remote Access Service: phone-book entries, credentials, dialling and connections. The records
// have the layouts of 64-bit Windows with WINVER 0x501 (packed to 4 bytes, as Windows packs its
// RAS records); the functions also take the older sizes of each record that Windows takes.
#pragma once

#include <windows.h>

#ifndef UNLEN
#define UNLEN 256
#endif
#ifndef PWLEN
#define PWLEN 256
#endif
#ifndef DNLEN
#define DNLEN 15
#endif

#ifndef TEXT
#ifdef UNICODE
#define TEXT(quote) L##quote
#else
#define TEXT(quote) quote
#endif
#endif

#ifndef WINSIM_LUID_DEFINED
#define WINSIM_LUID_DEFINED
typedef struct _LUID {
  DWORD LowPart;
  LONG HighPart;
} LUID, *PLUID;
#endif

#define RAS_MaxDeviceType 16
#define RAS_MaxPhoneNumber 128
#define RAS_MaxIpAddress 15
#define RAS_MaxIpxAddress 21
#define RAS_MaxEntryName 256
#define RAS_MaxDeviceName 128
#define RAS_MaxCallbackNumber RAS_MaxPhoneNumber
#define RAS_MaxAreaCode 10
#define RAS_MaxPadType 32
#define RAS_MaxX25Address 200
#define RAS_MaxFacilities 200
#define RAS_MaxUserData 200
#define RAS_MaxReplyMessage 1024
#define RAS_MaxDnsSuffix 256

DECLARE_HANDLE(HRASCONN);
typedef HRASCONN* LPHRASCONN;

#pragma pack(push, 4)

// Connection states (RasGetConnectStatus).
#define RASCS_PAUSED 0x1000
#define RASCS_DONE 0x2000
typedef enum tagRASCONNSTATE {
  RASCS_OpenPort = 0,
  RASCS_PortOpened,
  RASCS_ConnectDevice,
  RASCS_DeviceConnected,
  RASCS_AllDevicesConnected,
  RASCS_Authenticate,
  RASCS_AuthNotify,
  RASCS_AuthRetry,
  RASCS_AuthCallback,
  RASCS_AuthChangePassword,
  RASCS_AuthProject,
  RASCS_AuthLinkSpeed,
  RASCS_AuthAck,
  RASCS_ReAuthenticate,
  RASCS_Authenticated,
  RASCS_PrepareForCallback,
  RASCS_WaitForModemReset,
  RASCS_WaitForCallback,
  RASCS_Projected,
  RASCS_StartAuthentication,
  RASCS_CallbackComplete,
  RASCS_LogonNetwork,
  RASCS_SubEntryConnected,
  RASCS_SubEntryDisconnected,
  RASCS_Interactive = RASCS_PAUSED,
  RASCS_RetryAuthentication,
  RASCS_CallbackSetByCaller,
  RASCS_PasswordExpired,
  RASCS_InvokeEapUI,
  RASCS_Connected = RASCS_DONE,
  RASCS_Disconnected
} RASCONNSTATE, *LPRASCONNSTATE;

// RASCONN flags.
#define RASCF_AllUsers 0x00000001
#define RASCF_GlobalCreds 0x00000002

typedef struct tagRASCONNA {
  DWORD dwSize;
  HRASCONN hrasconn;
  CHAR szEntryName[RAS_MaxEntryName + 1];
  CHAR szDeviceType[RAS_MaxDeviceType + 1];
  CHAR szDeviceName[RAS_MaxDeviceName + 1];
  CHAR szPhonebook[MAX_PATH];
  DWORD dwSubEntry;
  GUID guidEntry;
  DWORD dwFlags;
  LUID luid;
} RASCONNA, *LPRASCONNA;

typedef struct tagRASCONNW {
  DWORD dwSize;
  HRASCONN hrasconn;
  WCHAR szEntryName[RAS_MaxEntryName + 1];
  WCHAR szDeviceType[RAS_MaxDeviceType + 1];
  WCHAR szDeviceName[RAS_MaxDeviceName + 1];
  WCHAR szPhonebook[MAX_PATH];
  DWORD dwSubEntry;
  GUID guidEntry;
  DWORD dwFlags;
  LUID luid;
} RASCONNW, *LPRASCONNW;

typedef struct tagRASCONNSTATUSA {
  DWORD dwSize;
  RASCONNSTATE rasconnstate;
  DWORD dwError;
  CHAR szDeviceType[RAS_MaxDeviceType + 1];
  CHAR szDeviceName[RAS_MaxDeviceName + 1];
  CHAR szPhoneNumber[RAS_MaxPhoneNumber + 1];
} RASCONNSTATUSA, *LPRASCONNSTATUSA;

typedef struct tagRASCONNSTATUSW {
  DWORD dwSize;
  RASCONNSTATE rasconnstate;
  DWORD dwError;
  WCHAR szDeviceType[RAS_MaxDeviceType + 1];
  WCHAR szDeviceName[RAS_MaxDeviceName + 1];
  WCHAR szPhoneNumber[RAS_MaxPhoneNumber + 1];
} RASCONNSTATUSW, *LPRASCONNSTATUSW;

typedef struct tagRASDIALPARAMSA {
  DWORD dwSize;
  CHAR szEntryName[RAS_MaxEntryName + 1];
  CHAR szPhoneNumber[RAS_MaxPhoneNumber + 1];
  CHAR szCallbackNumber[RAS_MaxCallbackNumber + 1];
  CHAR szUserName[UNLEN + 1];
  CHAR szPassword[PWLEN + 1];
  CHAR szDomain[DNLEN + 1];
  DWORD dwSubEntry;
  ULONG_PTR dwCallbackId;
} RASDIALPARAMSA, *LPRASDIALPARAMSA;

typedef struct tagRASDIALPARAMSW {
  DWORD dwSize;
  WCHAR szEntryName[RAS_MaxEntryName + 1];
  WCHAR szPhoneNumber[RAS_MaxPhoneNumber + 1];
  WCHAR szCallbackNumber[RAS_MaxCallbackNumber + 1];
  WCHAR szUserName[UNLEN + 1];
  WCHAR szPassword[PWLEN + 1];
  WCHAR szDomain[DNLEN + 1];
  DWORD dwSubEntry;
  ULONG_PTR dwCallbackId;
} RASDIALPARAMSW, *LPRASDIALPARAMSW;

typedef struct tagRASEAPINFO {
  DWORD dwSizeofEapInfo;
  BYTE* pbEapInfo;
} RASEAPINFO;

#define RDEOPT_UsePrefixSuffix 0x00000001
#define RDEOPT_PausedStates 0x00000002
#define RDEOPT_IgnoreModemSpeaker 0x00000004
#define RDEOPT_SetModemSpeaker 0x00000008
#define RDEOPT_IgnoreSoftwareCompression 0x00000010
#define RDEOPT_SetSoftwareCompression 0x00000020
#define RDEOPT_DisableConnectedUI 0x00000040
#define RDEOPT_DisableReconnectUI 0x00000080
#define RDEOPT_DisableReconnect 0x00000100
#define RDEOPT_NoUser 0x00000200

typedef struct tagRASDIALEXTENSIONS {
  DWORD dwSize;
  DWORD dwfOptions;
  HWND hwndParent;
  ULONG_PTR reserved;
  ULONG_PTR reserved1;
  RASEAPINFO RasEapInfo;
} RASDIALEXTENSIONS, *LPRASDIALEXTENSIONS;

// Entry names (RasEnumEntries): where each was found.
#define REN_User 0x00000000
#define REN_AllUsers 0x00000001

typedef struct tagRASENTRYNAMEA {
  DWORD dwSize;
  CHAR szEntryName[RAS_MaxEntryName + 1];
  DWORD dwFlags;
  CHAR szPhonebookPath[MAX_PATH + 1];
} RASENTRYNAMEA, *LPRASENTRYNAMEA;

typedef struct tagRASENTRYNAMEW {
  DWORD dwSize;
  WCHAR szEntryName[RAS_MaxEntryName + 1];
  DWORD dwFlags;
  WCHAR szPhonebookPath[MAX_PATH + 1];
} RASENTRYNAMEW, *LPRASENTRYNAMEW;

// Projections (RasGetProjectionInfo).
typedef enum tagRASPROJECTION {
  RASP_Amb = 0x10000,
  RASP_PppNbf = 0x803F,
  RASP_PppIpx = 0x802B,
  RASP_PppIp = 0x8021,
  RASP_PppCcp = 0x80FD,
  RASP_PppLcp = 0xC021,
  RASP_Slip = 0x20000,
  RASP_PppIpv6 = 0x8057
} RASPROJECTION, *LPRASPROJECTION;

#define RASIPO_VJ 0x00000001

typedef struct tagRASPPPIPA {
  DWORD dwSize;
  DWORD dwError;
  CHAR szIpAddress[RAS_MaxIpAddress + 1];
  CHAR szServerIpAddress[RAS_MaxIpAddress + 1];
  DWORD dwOptions;
  DWORD dwServerOptions;
} RASPPPIPA, *LPRASPPPIPA;

typedef struct tagRASPPPIPW {
  DWORD dwSize;
  DWORD dwError;
  WCHAR szIpAddress[RAS_MaxIpAddress + 1];
  WCHAR szServerIpAddress[RAS_MaxIpAddress + 1];
  DWORD dwOptions;
  DWORD dwServerOptions;
} RASPPPIPW, *LPRASPPPIPW;

// Notifications (RasConnectionNotification).
#define RASCN_Connection 0x00000001
#define RASCN_Disconnection 0x00000002
#define RASCN_BandwidthAdded 0x00000004
#define RASCN_BandwidthRemoved 0x00000008

typedef struct tagRASIPADDR {
  BYTE a;
  BYTE b;
  BYTE c;
  BYTE d;
} RASIPADDR;

// RASENTRY dwfOptions.
#define RASEO_UseCountryAndAreaCodes 0x00000001
#define RASEO_SpecificIpAddr 0x00000002
#define RASEO_SpecificNameServers 0x00000004
#define RASEO_IpHeaderCompression 0x00000008
#define RASEO_RemoteDefaultGateway 0x00000010
#define RASEO_DisableLcpExtensions 0x00000020
#define RASEO_TerminalBeforeDial 0x00000040
#define RASEO_TerminalAfterDial 0x00000080
#define RASEO_ModemLights 0x00000100
#define RASEO_SwCompression 0x00000200
#define RASEO_RequireEncryptedPw 0x00000400
#define RASEO_RequireMsEncryptedPw 0x00000800
#define RASEO_RequireDataEncryption 0x00001000
#define RASEO_NetworkLogon 0x00002000
#define RASEO_UseLogonCredentials 0x00004000
#define RASEO_PromoteAlternates 0x00008000
#define RASEO_SecureLocalFiles 0x00010000
#define RASEO_RequireEAP 0x00020000
#define RASEO_RequirePAP 0x00040000
#define RASEO_RequireSPAP 0x00080000
#define RASEO_Custom 0x00100000
#define RASEO_PreviewPhoneNumber 0x00200000
#define RASEO_SharedPhoneNumbers 0x00800000
#define RASEO_PreviewUserPw 0x01000000
#define RASEO_PreviewDomain 0x02000000
#define RASEO_ShowDialingProgress 0x04000000
#define RASEO_RequireCHAP 0x08000000
#define RASEO_RequireMsCHAP 0x10000000
#define RASEO_RequireMsCHAP2 0x20000000
#define RASEO_RequireW95MSCHAP 0x40000000
#define RASEO_CustomScript 0x80000000

// RASENTRY dwfOptions2.
#define RASEO2_SecureFileAndPrint 0x00000001
#define RASEO2_SecureClientForMSNet 0x00000002
#define RASEO2_DontNegotiateMultilink 0x00000004
#define RASEO2_DontUseRasCredentials 0x00000008
#define RASEO2_UsePreSharedKey 0x00000010
#define RASEO2_Internet 0x00000020
#define RASEO2_DisableNbtOverIP 0x00000040
#define RASEO2_UseGlobalDeviceSettings 0x00000080
#define RASEO2_ReconnectIfDropped 0x00000100
#define RASEO2_SharePhoneNumbers 0x00000200

// RASENTRY dwfNetProtocols, dwFramingProtocol.
#define RASNP_NetBEUI 0x00000001
#define RASNP_Ipx 0x00000002
#define RASNP_Ip 0x00000004
#define RASNP_Ipv6 0x00000008
#define RASFP_Ppp 0x00000001
#define RASFP_Slip 0x00000002
#define RASFP_Ras 0x00000004

// RASENTRY szDeviceType.
#define RASDT_Modem TEXT("modem")
#define RASDT_Isdn TEXT("isdn")
#define RASDT_X25 TEXT("x25")
#define RASDT_Vpn TEXT("vpn")
#define RASDT_Pad TEXT("pad")
#define RASDT_Generic TEXT("GENERIC")
#define RASDT_Serial TEXT("SERIAL")
#define RASDT_FrameRelay TEXT("FRAMERELAY")
#define RASDT_Atm TEXT("ATM")
#define RASDT_Sonet TEXT("SONET")
#define RASDT_SW56 TEXT("SW56")
#define RASDT_Irda TEXT("IRDA")
#define RASDT_Parallel TEXT("PARALLEL")
#define RASDT_PPPoE TEXT("PPPoE")

// RASENTRY dwType, dwEncryptionType, dwVpnStrategy, dwDialMode.
#define RASET_Phone 1
#define RASET_Vpn 2
#define RASET_Direct 3
#define RASET_Internet 4
#define RASET_Broadband 5
#define ET_None 0
#define ET_Require 1
#define ET_RequireMax 2
#define ET_Optional 3
#define VS_Default 0
#define VS_PptpOnly 1
#define VS_PptpFirst 2
#define VS_L2tpOnly 3
#define VS_L2tpFirst 4
#define VS_SstpOnly 5
#define VS_SstpFirst 6
#define VS_Ikev2Only 7
#define VS_Ikev2First 8
#define RASEDM_DialAll 1
#define RASEDM_DialAsNeeded 2

typedef struct tagRASENTRYA {
  DWORD dwSize;
  DWORD dwfOptions;
  DWORD dwCountryID;
  DWORD dwCountryCode;
  CHAR szAreaCode[RAS_MaxAreaCode + 1];
  CHAR szLocalPhoneNumber[RAS_MaxPhoneNumber + 1];
  DWORD dwAlternateOffset;
  RASIPADDR ipaddr;
  RASIPADDR ipaddrDns;
  RASIPADDR ipaddrDnsAlt;
  RASIPADDR ipaddrWins;
  RASIPADDR ipaddrWinsAlt;
  DWORD dwFrameSize;
  DWORD dwfNetProtocols;
  DWORD dwFramingProtocol;
  CHAR szScript[MAX_PATH];
  CHAR szAutodialDll[MAX_PATH];
  CHAR szAutodialFunc[MAX_PATH];
  CHAR szDeviceType[RAS_MaxDeviceType + 1];
  CHAR szDeviceName[RAS_MaxDeviceName + 1];
  CHAR szX25PadType[RAS_MaxPadType + 1];
  CHAR szX25Address[RAS_MaxX25Address + 1];
  CHAR szX25Facilities[RAS_MaxFacilities + 1];
  CHAR szX25UserData[RAS_MaxUserData + 1];
  DWORD dwChannels;
  DWORD dwReserved1;
  DWORD dwReserved2;
  DWORD dwSubEntries;
  DWORD dwDialMode;
  DWORD dwDialExtraPercent;
  DWORD dwDialExtraSampleSeconds;
  DWORD dwHangUpExtraPercent;
  DWORD dwHangUpExtraSampleSeconds;
  DWORD dwIdleDisconnectSeconds;
  DWORD dwType;
  DWORD dwEncryptionType;
  DWORD dwCustomAuthKey;
  GUID guidId;
  CHAR szCustomDialDll[MAX_PATH];
  DWORD dwVpnStrategy;
  DWORD dwfOptions2;
  DWORD dwfOptions3;
  CHAR szDnsSuffix[RAS_MaxDnsSuffix];
  DWORD dwTcpWindowSize;
  CHAR szPrerequisitePbk[MAX_PATH];
  CHAR szPrerequisiteEntry[RAS_MaxEntryName + 1];
  DWORD dwRedialCount;
  DWORD dwRedialPause;
} RASENTRYA, *LPRASENTRYA;

typedef struct tagRASENTRYW {
  DWORD dwSize;
  DWORD dwfOptions;
  DWORD dwCountryID;
  DWORD dwCountryCode;
  WCHAR szAreaCode[RAS_MaxAreaCode + 1];
  WCHAR szLocalPhoneNumber[RAS_MaxPhoneNumber + 1];
  DWORD dwAlternateOffset;
  RASIPADDR ipaddr;
  RASIPADDR ipaddrDns;
  RASIPADDR ipaddrDnsAlt;
  RASIPADDR ipaddrWins;
  RASIPADDR ipaddrWinsAlt;
  DWORD dwFrameSize;
  DWORD dwfNetProtocols;
  DWORD dwFramingProtocol;
  WCHAR szScript[MAX_PATH];
  WCHAR szAutodialDll[MAX_PATH];
  WCHAR szAutodialFunc[MAX_PATH];
  WCHAR szDeviceType[RAS_MaxDeviceType + 1];
  WCHAR szDeviceName[RAS_MaxDeviceName + 1];
  WCHAR szX25PadType[RAS_MaxPadType + 1];
  WCHAR szX25Address[RAS_MaxX25Address + 1];
  WCHAR szX25Facilities[RAS_MaxFacilities + 1];
  WCHAR szX25UserData[RAS_MaxUserData + 1];
  DWORD dwChannels;
  DWORD dwReserved1;
  DWORD dwReserved2;
  DWORD dwSubEntries;
  DWORD dwDialMode;
  DWORD dwDialExtraPercent;
  DWORD dwDialExtraSampleSeconds;
  DWORD dwHangUpExtraPercent;
  DWORD dwHangUpExtraSampleSeconds;
  DWORD dwIdleDisconnectSeconds;
  DWORD dwType;
  DWORD dwEncryptionType;
  DWORD dwCustomAuthKey;
  GUID guidId;
  WCHAR szCustomDialDll[MAX_PATH];
  DWORD dwVpnStrategy;
  DWORD dwfOptions2;
  DWORD dwfOptions3;
  WCHAR szDnsSuffix[RAS_MaxDnsSuffix];
  DWORD dwTcpWindowSize;
  WCHAR szPrerequisitePbk[MAX_PATH];
  WCHAR szPrerequisiteEntry[RAS_MaxEntryName + 1];
  DWORD dwRedialCount;
  DWORD dwRedialPause;
} RASENTRYW, *LPRASENTRYW;

// Credentials (RasSetCredentials).
#define RASCM_UserName 0x00000001
#define RASCM_Password 0x00000002
#define RASCM_Domain 0x00000004
#define RASCM_DefaultCreds 0x00000008
#define RASCM_PreSharedKey 0x00000010
#define RASCM_ServerPreSharedKey 0x00000020
#define RASCM_DDMPreSharedKey 0x00000040

typedef struct tagRASCREDENTIALSA {
  DWORD dwSize;
  DWORD dwMask;
  CHAR szUserName[UNLEN + 1];
  CHAR szPassword[PWLEN + 1];
  CHAR szDomain[DNLEN + 1];
} RASCREDENTIALSA, *LPRASCREDENTIALSA;

typedef struct tagRASCREDENTIALSW {
  DWORD dwSize;
  DWORD dwMask;
  WCHAR szUserName[UNLEN + 1];
  WCHAR szPassword[PWLEN + 1];
  WCHAR szDomain[DNLEN + 1];
} RASCREDENTIALSW, *LPRASCREDENTIALSW;

#pragma pack(pop)

#ifdef __cplusplus
// The x64 sizes: the handle, dwCallbackId and the pointers are 8 bytes, at 4-byte alignment.
static_assert(sizeof(RASENTRYNAMEA) == 532 && sizeof(RASENTRYNAMEW) == 1048);
static_assert(sizeof(RASCONNA) == 708 && sizeof(RASCONNW) == 1372);
static_assert(sizeof(RASENTRYA) == 2884 && sizeof(RASENTRYW) == 5616);
static_assert(sizeof(RASDIALPARAMSA) == 1064 && sizeof(RASDIALPARAMSW) == 2108);
static_assert(sizeof(RASCONNSTATUSA) == 288 && sizeof(RASCONNSTATUSW) == 564);
static_assert(sizeof(RASPPPIPA) == 48 && sizeof(RASPPPIPW) == 80);
static_assert(sizeof(RASCREDENTIALSA) == 540 && sizeof(RASCREDENTIALSW) == 1068);
static_assert(sizeof(RASDIALEXTENSIONS) == 44);
#endif

#ifdef __cplusplus
extern "C" {
#endif

DWORD WINAPI RasEnumEntriesA(LPCSTR reserved, LPCSTR lpszPhonebook, LPRASENTRYNAMEA lprasentryname, LPDWORD lpcb,
                             LPDWORD lpcEntries);
DWORD WINAPI RasEnumEntriesW(LPCWSTR reserved, LPCWSTR lpszPhonebook, LPRASENTRYNAMEW lprasentryname, LPDWORD lpcb,
                             LPDWORD lpcEntries);
DWORD WINAPI RasGetEntryPropertiesA(LPCSTR lpszPhonebook, LPCSTR lpszEntry, LPRASENTRYA lpRasEntry,
                                    LPDWORD lpdwEntryInfoSize, LPBYTE lpbDeviceInfo, LPDWORD lpdwDeviceInfoSize);
DWORD WINAPI RasGetEntryPropertiesW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry, LPRASENTRYW lpRasEntry,
                                    LPDWORD lpdwEntryInfoSize, LPBYTE lpbDeviceInfo, LPDWORD lpdwDeviceInfoSize);
DWORD WINAPI RasSetEntryPropertiesA(LPCSTR lpszPhonebook, LPCSTR lpszEntry, LPRASENTRYA lpRasEntry,
                                    DWORD dwEntryInfoSize, LPBYTE lpbDeviceInfo, DWORD dwDeviceInfoSize);
DWORD WINAPI RasSetEntryPropertiesW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry, LPRASENTRYW lpRasEntry,
                                    DWORD dwEntryInfoSize, LPBYTE lpbDeviceInfo, DWORD dwDeviceInfoSize);
DWORD WINAPI RasDeleteEntryA(LPCSTR lpszPhonebook, LPCSTR lpszEntry);
DWORD WINAPI RasDeleteEntryW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry);
DWORD WINAPI RasSetCredentialsA(LPCSTR lpszPhonebook, LPCSTR lpszEntry, LPRASCREDENTIALSA lpCredentials,
                                BOOL fClearCredentials);
DWORD WINAPI RasSetCredentialsW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry, LPRASCREDENTIALSW lpCredentials,
                                BOOL fClearCredentials);
DWORD WINAPI RasGetEntryDialParamsA(LPCSTR lpszPhonebook, LPRASDIALPARAMSA lprasdialparams, LPBOOL lpfPassword);
DWORD WINAPI RasGetEntryDialParamsW(LPCWSTR lpszPhonebook, LPRASDIALPARAMSW lprasdialparams, LPBOOL lpfPassword);
DWORD WINAPI RasDialA(LPRASDIALEXTENSIONS lpRasDialExtensions, LPCSTR lpszPhonebook, LPRASDIALPARAMSA lpRasDialParams,
                      DWORD dwNotifierType, LPVOID lpvNotifier, LPHRASCONN lphRasConn);
DWORD WINAPI RasDialW(LPRASDIALEXTENSIONS lpRasDialExtensions, LPCWSTR lpszPhonebook, LPRASDIALPARAMSW lpRasDialParams,
                      DWORD dwNotifierType, LPVOID lpvNotifier, LPHRASCONN lphRasConn);
DWORD WINAPI RasHangUpA(HRASCONN hrasconn);
DWORD WINAPI RasHangUpW(HRASCONN hrasconn);
DWORD WINAPI RasEnumConnectionsA(LPRASCONNA lprasconn, LPDWORD lpcb, LPDWORD lpcConnections);
DWORD WINAPI RasEnumConnectionsW(LPRASCONNW lprasconn, LPDWORD lpcb, LPDWORD lpcConnections);
DWORD WINAPI RasGetConnectStatusA(HRASCONN hrasconn, LPRASCONNSTATUSA lprasconnstatus);
DWORD WINAPI RasGetConnectStatusW(HRASCONN hrasconn, LPRASCONNSTATUSW lprasconnstatus);
DWORD WINAPI RasGetProjectionInfoA(HRASCONN hrasconn, RASPROJECTION rasprojection, LPVOID lpprojection, LPDWORD lpcb);
DWORD WINAPI RasGetProjectionInfoW(HRASCONN hrasconn, RASPROJECTION rasprojection, LPVOID lpprojection, LPDWORD lpcb);
DWORD WINAPI RasConnectionNotificationA(HRASCONN hrasconn, HANDLE hEvent, DWORD dwFlags);
DWORD WINAPI RasConnectionNotificationW(HRASCONN hrasconn, HANDLE hEvent, DWORD dwFlags);
DWORD WINAPI RasGetErrorStringA(UINT ResourceId, LPSTR lpszString, DWORD InBufSize);
DWORD WINAPI RasGetErrorStringW(UINT ResourceId, LPWSTR lpszString, DWORD InBufSize);

#ifdef __cplusplus
}
#endif

#ifdef UNICODE
#define RASCONN RASCONNW
#define RASCONNSTATUS RASCONNSTATUSW
#define RASDIALPARAMS RASDIALPARAMSW
#define RASENTRYNAME RASENTRYNAMEW
#define RASPPPIP RASPPPIPW
#define RASENTRY RASENTRYW
#define RASCREDENTIALS RASCREDENTIALSW
#define RasEnumEntries RasEnumEntriesW
#define RasGetEntryProperties RasGetEntryPropertiesW
#define RasSetEntryProperties RasSetEntryPropertiesW
#define RasDeleteEntry RasDeleteEntryW
#define RasSetCredentials RasSetCredentialsW
#define RasGetEntryDialParams RasGetEntryDialParamsW
#define RasDial RasDialW
#define RasHangUp RasHangUpW
#define RasEnumConnections RasEnumConnectionsW
#define RasGetConnectStatus RasGetConnectStatusW
#define RasGetProjectionInfo RasGetProjectionInfoW
#define RasConnectionNotification RasConnectionNotificationW
#define RasGetErrorString RasGetErrorStringW
#else
#define RASCONN RASCONNA
#define RASCONNSTATUS RASCONNSTATUSA
#define RASDIALPARAMS RASDIALPARAMSA
#define RASENTRYNAME RASENTRYNAMEA
#define RASPPPIP RASPPPIPA
#define RASENTRY RASENTRYA
#define RASCREDENTIALS RASCREDENTIALSA
#define RasEnumEntries RasEnumEntriesA
#define RasGetEntryProperties RasGetEntryPropertiesA
#define RasSetEntryProperties RasSetEntryPropertiesA
#define RasDeleteEntry RasDeleteEntryA
#define RasSetCredentials RasSetCredentialsA
#define RasGetEntryDialParams RasGetEntryDialParamsA
#define RasDial RasDialA
#define RasHangUp RasHangUpA
#define RasEnumConnections RasEnumConnectionsA
#define RasGetConnectStatus RasGetConnectStatusA
#define RasGetProjectionInfo RasGetProjectionInfoA
#define RasConnectionNotification RasConnectionNotificationA
#define RasGetErrorString RasGetErrorStringA
#endif
typedef RASCONN* LPRASCONN;
typedef RASCONNSTATUS* LPRASCONNSTATUS;
typedef RASDIALPARAMS* LPRASDIALPARAMS;
typedef RASENTRYNAME* LPRASENTRYNAME;
typedef RASPPPIP* LPRASPPPIP;
typedef RASENTRY* LPRASENTRY;
typedef RASCREDENTIALS* LPRASCREDENTIALS;
