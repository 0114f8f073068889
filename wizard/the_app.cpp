// The program's one application object, built before the framework's entry point runs.
#include "mardell_app.h"

CMardellApp theApp;
