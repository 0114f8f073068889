// A RAS client for the RAS tests: `ras_holder NAME MS` dials the all-users entry NAME with its
// stored credentials and prints "dial=CODE handle=N". With MS > 0 it then arms a disconnection
// notification, waits up to MS (machine time) for it and prints "signalled=0|1 cpu_us=N", the
// processor time of the whole process during the wait. It exits with the dial's code and leaves
// the connection up.
#include <ras.h>
#include <raserror.h>
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>

namespace {

long long cpu_us() {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 87;
  RASDIALPARAMSA params;
  memset(&params, 0, sizeof params);
  params.dwSize = sizeof params;
  strncpy(params.szEntryName, argv[1], RAS_MaxEntryName);
  BOOL stored = FALSE;
  DWORD result = RasGetEntryDialParamsA(NULL, &params, &stored);
  HRASCONN connection = NULL;
  if (result == ERROR_SUCCESS) result = RasDialA(NULL, NULL, &params, 0, NULL, &connection);
  printf("dial=%u handle=%llu\n", result, static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(connection)));
  fflush(stdout);
  DWORD wait_ms = DWORD(strtoul(argv[2], NULL, 10));
  if (result != ERROR_SUCCESS || wait_ms == 0) return int(result);
  HANDLE dropped = CreateEventA(NULL, FALSE, FALSE, NULL);
  DWORD armed = RasConnectionNotificationA(connection, dropped, RASCN_Disconnection);
  if (armed != ERROR_SUCCESS) return int(armed);
  long long before = cpu_us();
  bool signalled = WaitForSingleObject(dropped, wait_ms) == WAIT_OBJECT_0;
  printf("signalled=%d cpu_us=%lld\n", signalled ? 1 : 0, cpu_us() - before);
  return 0;
}
