// The program's one application object, built before the framework's entry point runs.
#include "tarvolt_app.h"

RV_TarvoltApp theApp;
