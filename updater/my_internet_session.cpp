#include "my_internet_session.h"

CMyInternetSession::CMyInternetSession(LPCTSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType,
                                       LPCTSTR pstrProxyName, LPCTSTR pstrProxyBypass, DWORD dwFlags)
    : CInternetSession(pstrAgent, dwContext, dwAccessType, pstrProxyName, pstrProxyBypass, dwFlags) {}

CMyInternetSession::~CMyInternetSession() {}

void CMyInternetSession::OnStatusCallback(DWORD_PTR, DWORD dwInternetStatus, LPVOID lpvStatusInformation, DWORD) {
  // The updater's dialog has no place for progress: the text is made and let go.
  CString strStatus = StatusText(dwInternetStatus, lpvStatusInformation);
  strStatus.Empty();
}

CString CMyInternetSession::StatusText(DWORD dwInternetStatus, LPVOID lpvStatusInformation) {
  CString strStatus;
  switch (dwInternetStatus) {
    case INTERNET_STATUS_RESOLVING_NAME:
      strStatus.Format("Resolving name %s", static_cast<LPCSTR>(lpvStatusInformation));
      break;
    case INTERNET_STATUS_NAME_RESOLVED:
      strStatus.Format("Name resolved %s", static_cast<LPCSTR>(lpvStatusInformation));
      break;
    case INTERNET_STATUS_CONNECTING_TO_SERVER:
      strStatus = "Connecting to socket address";
      break;
    case INTERNET_STATUS_CONNECTED_TO_SERVER:
      strStatus = "Connected to socket address";
      break;
    case INTERNET_STATUS_SENDING_REQUEST:
      strStatus = "Sending request";
      break;
    case INTERNET_STATUS_REQUEST_SENT:
      strStatus = "Request sent";
      break;
    case INTERNET_STATUS_RECEIVING_RESPONSE:
    case INTERNET_STATUS_HANDLE_CLOSING:
      break;
    case INTERNET_STATUS_RESPONSE_RECEIVED:
      strStatus = "Response received";
      break;
    case INTERNET_STATUS_CLOSING_CONNECTION:
      strStatus = "Closing the connection to the server";
      break;
    case INTERNET_STATUS_CONNECTION_CLOSED:
      strStatus = "Connection to the server closed";
      break;
    case INTERNET_STATUS_HANDLE_CREATED:
      strStatus = "Handle created";
      break;
    case INTERNET_STATUS_REQUEST_COMPLETE:
      strStatus = "Request complete";
      break;
    case INTERNET_STATUS_REDIRECT:
      strStatus = "Being redirected";
      break;
    default:
      strStatus.Format("Unknown status: %d", static_cast<int>(dwInternetStatus));
      break;
  }
  return strStatus;
}
