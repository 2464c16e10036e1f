// The simulated TESTFLASH.DLL: the SPI port listing (TESTFLASH.def), answered by the
// shared simulated bench, the time it takes added to the shared total.

#include <cstdint>
#include <type_traits>

#include "link/win32/ChipLibraryCalls.h"
#include "sim/win32/LibraryCallTime.h"
#include "sim/win32/SharedBench.h"

extern "C" std::int32_t __stdcall FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                                    std::uint16_t* count) {
    return sim::win32::TimedCall(
        [&] { return sim::win32::SharedBench().FlashListSpiPorts(capacity, portNames, transports, count); });
}

// The export has exactly the type the binding calls it through.
static_assert(std::is_same_v<decltype(&FlashListSpiPorts), devlink::win32::TFlashListSpiPorts>);
