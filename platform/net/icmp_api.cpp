// ICMP echo: IcmpCreateFile, IcmpSendEcho, IcmpCloseHandle. An echo takes exactly the machine
// time the world gives its round trip; a lost one waits out its whole time-out.
#include <icmpapi.h>
#include <windows.h>

#include <cstring>

#include "machine/clock.h"
#include "kernel/handles.h"
#include "kernel/wait.h"
#include "net/echo.h"

using namespace platform;

namespace {

class IcmpObject : public Object {};

constexpr UCHAR kReplyTtl = 128;
// Room the reply buffer keeps beyond the reply and its data: an ICMP error message.
constexpr DWORD kErrorMessageRoom = 8;

// Waits until `deadline_ns` of machine time; the work before it counts toward the wait.
void wait_until(int64_t deadline_ns) {
  int64_t left = deadline_ns - clock::now_ns();
  if (left > 0) wait::sleep(DWORD((left + 999999) / 1000000));
}

DWORD fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

extern "C" {

HANDLE WINAPI IcmpCreateFile(void) { return handles::add(std::make_shared<IcmpObject>()); }

BOOL WINAPI IcmpCloseHandle(HANDLE IcmpHandle) {
  if (!handles::get_as<IcmpObject>(IcmpHandle) || !handles::close(IcmpHandle)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

DWORD WINAPI IcmpSendEcho(HANDLE IcmpHandle, IPAddr DestinationAddress, LPVOID RequestData, WORD RequestSize,
                          PIP_OPTION_INFORMATION, LPVOID ReplyBuffer, DWORD ReplySize, DWORD Timeout) {
  const int64_t sent_ns = clock::now_ns();
  if (!handles::get_as<IcmpObject>(IcmpHandle) || !ReplyBuffer || ReplySize < sizeof(ICMP_ECHO_REPLY) ||
      (RequestSize && !RequestData))
    return fail(ERROR_INVALID_PARAMETER);
  if (ReplySize < sizeof(ICMP_ECHO_REPLY) + RequestSize + kErrorMessageRoom) return fail(ERROR_INSUFFICIENT_BUFFER);
  net::EchoOutcome outcome = net::echo(DestinationAddress);
  auto* reply = static_cast<ICMP_ECHO_REPLY*>(ReplyBuffer);
  std::memset(reply, 0, sizeof *reply);
  reply->Address = DestinationAddress;
  if (outcome.kind == net::EchoOutcome::no_route) {
    reply->Status = IP_GENERAL_FAILURE;
    return fail(IP_GENERAL_FAILURE);
  }
  if (outcome.kind == net::EchoOutcome::lost || DWORD(outcome.round_trip_ms) > Timeout) {
    wait_until(sent_ns + int64_t(Timeout) * 1000000);
    reply->Status = IP_REQ_TIMED_OUT;
    return fail(IP_REQ_TIMED_OUT);
  }
  wait_until(sent_ns + int64_t(outcome.round_trip_ms) * 1000000);
  reply->Status = IP_SUCCESS;
  reply->RoundTripTime = ULONG(outcome.round_trip_ms);
  reply->DataSize = RequestSize;
  reply->Data = reply + 1;
  if (RequestSize) std::memcpy(reply->Data, RequestData, RequestSize);
  reply->Options.Ttl = kReplyTtl;
  return 1;
}

}  // extern "C"
