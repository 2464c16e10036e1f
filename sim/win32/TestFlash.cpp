// The simulated TESTFLASH.DLL: the SPI port listing (TESTFLASH.def), answered by the
// shared simulated bench.

#include <cstdint>

#include "sim/win32/SharedBench.h"

extern "C" std::int32_t __stdcall FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                                    std::uint16_t* count) {
    return sim::win32::SharedBench().FlashListSpiPorts(capacity, portNames, transports, count);
}
