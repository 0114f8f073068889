// The program's one application object, built before the framework's entry point runs.
#include "zolvane_app.h"

CZolvaneApp theApp;
