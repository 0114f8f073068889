#include "max_connection_life.h"

#include <stdlib.h>
#include <time.h>

#include "tarvolt_app.h"

unsigned ComputeMaxConnectionLife(RV_TarvoltApp* pApp) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  unsigned sinceMidnight = now.wHour * 3600u + now.wMinute * 60u + now.wSecond;
  int hours = pApp->GetMaxConnectionHours();
  int days = hours / 24;
  if (days > 0) hours = days * 24;
  unsigned base = unsigned(hours) * 3600u;
  unsigned life = days > 0 ? base - sinceMidnight : base;
  srand(unsigned(time(nullptr)));
  life += unsigned(rand() % 3600);
  pApp->WriteLog(2, "Max Duration : %u", base);
  pApp->WriteLog(2, "Lapse Time in Seconds : %u", sinceMidnight);
  pApp->WriteLog(2, "Max Connection Life set to : %u seconds", life);
  return life;
}
