#pragma once
// The simulated unit behind the simulated TESTENGINE.DLL and TESTFLASH.DLL: the bench in
// the state file that `zenta sim` shows and changes (ZENTA_SIM_STATE, or the default
// location). Both libraries load it before every call, so they and `zenta sim` always
// agree on what sits on the link.

#include "sim/SimLibrary.h"

namespace sim::win32 {

TSimLibrary& SharedBench();

}  // namespace sim::win32
