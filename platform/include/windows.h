// The Win32 subset of the simulated machine. Programs include this header as they include the
// real one; each area of the machine declares its functions in a header of its own.
#pragma once

#include "winsim/types.h"
#include "winerror.h"
#include "winsim/kernel_handle.h"
#include "winsim/kernel_sync.h"
#include "winsim/kernel_time.h"
#include "winsim/kernel_file.h"
#include "winsim/kernel_module.h"
#include "winsim/kernel_codepage.h"
#include "winsim/kernel_process.h"
#include "winsim/kernel_format_message.h"
#include "winsim/kernel_system_info.h"
#include "winsim/user_message_box.h"
#include "winsim/user_system_metrics.h"
#include "winsim/crt_args.h"
#include "winreg.h"
#include "winsvc.h"
