// The older Windows Sockets header: the machine declares the same subset in both.
#pragma once

#include "winsock2.h"
