// The machine's default gateways, as the router page shows and refuses them.
#pragma once

#include "cstringt.h"

// Every gateway of every adapter, in the adapters' order, separated by blanks; empty when the
// adapters cannot be read.
CString ListDefaultGateways();

// How a router stands to a list made by ListDefaultGateways: 0 when it is empty (nothing but
// dots and zeros, as a blank address field reads), the position of its address in the list
// plus 1 when it is one of the list's addresses, -1 otherwise. Whole addresses are compared, so
// 10.0.0.1 is not found in "10.0.0.10".
int FindGatewayInList(const CString& strGateways, const CString& strRouter);
