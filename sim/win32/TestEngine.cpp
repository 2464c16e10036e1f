// The simulated TESTENGINE.DLL: the calls the programmer binds by ordinal (TESTENGINE.def),
// answered by the shared simulated bench, the time each takes added to the shared total.

#include <cstdint>
#include <type_traits>

#include "link/win32/ChipLibraryCalls.h"
#include "sim/win32/LibraryCallTime.h"
#include "sim/win32/SharedBench.h"

using sim::win32::SharedBench;
using sim::win32::TimedCall;

extern "C" {

std::int32_t __stdcall EngineVersion(char* text) {
    return TimedCall([&] { return SharedBench().EngineVersion(text); });
}

std::uint32_t __stdcall EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                            std::int32_t timeout, std::int32_t retryTimeout) {
    return TimedCall(
        [&] { return SharedBench().EngineOpenTransport(transport, devicePath, flags, timeout, retryTimeout); });
}

std::uint32_t __stdcall EngineOpenSpi(const char* transport, std::int32_t flags) {
    return TimedCall([&] { return SharedBench().EngineOpenSpi(transport, flags); });
}

std::int32_t __stdcall EngineClose(std::uint32_t handle) {
    return TimedCall([&] { return SharedBench().EngineClose(handle); });
}

std::int32_t __stdcall EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                     std::uint16_t capacity, std::uint16_t* words, std::uint16_t* length) {
    return TimedCall([&] { return SharedBench().EngineReadKey(handle, key, store, capacity, words, length); });
}

std::int32_t __stdcall EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                      std::uint16_t length, const std::uint16_t* words) {
    return TimedCall([&] { return SharedBench().EngineWriteKey(handle, key, store, length, words); });
}

std::int32_t __stdcall EngineRestart(std::uint32_t handle, std::int32_t flags) {
    return TimedCall([&] { return SharedBench().EngineRestart(handle, flags); });
}

std::int32_t __stdcall EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) {
    return TimedCall([&] { return SharedBench().EngineChipName(handle, capacity, text); });
}

}  // extern "C"

// Each export has exactly the type the binding calls it through.
static_assert(std::is_same_v<decltype(&EngineVersion), devlink::win32::TEngineVersion>);
static_assert(std::is_same_v<decltype(&EngineOpenTransport), devlink::win32::TEngineOpenTransport>);
static_assert(std::is_same_v<decltype(&EngineOpenSpi), devlink::win32::TEngineOpenSpi>);
static_assert(std::is_same_v<decltype(&EngineClose), devlink::win32::TEngineClose>);
static_assert(std::is_same_v<decltype(&EngineReadKey), devlink::win32::TEngineReadKey>);
static_assert(std::is_same_v<decltype(&EngineWriteKey), devlink::win32::TEngineWriteKey>);
static_assert(std::is_same_v<decltype(&EngineRestart), devlink::win32::TEngineRestart>);
static_assert(std::is_same_v<decltype(&EngineChipName), devlink::win32::TEngineChipName>);
