// The template library's counted string is the framework's CStringT.
#pragma once

#include "cstringt.h"
