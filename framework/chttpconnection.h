// A connection to a server's HTTP service; OpenRequest makes the requests sent over it.
#pragma once

#include "cinternetconnection.h"

class CHttpFile;

class CHttpConnection : public CInternetConnection {
  DECLARE_DYNAMIC(CHttpConnection)

 public:
  CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                  LPCTSTR pstrUserName = nullptr, LPCTSTR pstrPassword = nullptr, DWORD_PTR dwContext = 1);

  // A request for the object (HttpOpenRequest), not sent yet; to be deleted by the caller.
  // Accept types: a null-terminated list, null for none; version null: HTTP/1.1. Throws
  // CInternetException* when the request cannot be made.
  CHttpFile* OpenRequest(LPCTSTR pstrVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer = nullptr,
                         DWORD_PTR dwContext = 1, LPCTSTR* ppstrAcceptTypes = nullptr, LPCTSTR pstrVersion = nullptr,
                         DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
};
