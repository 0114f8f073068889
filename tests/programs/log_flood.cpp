// Writes numbered lines into the service log until it is killed: "Flood N " and N % 40 copies
// of 'x', so that a line cut short or mixed with another does not read as a whole one.
#include <windows.h>

#include <string>

#include "tarvolt_app.h"

int main() {
  RV_TarvoltApp app;
  for (unsigned n = 0;; ++n) app.WriteLog(1, "Flood %u %s", n, std::string(n % 40, 'x').c_str());
}
