#include "sim/win32/LibraryCallTime.h"

#include <windows.h>

namespace sim::win32 {
namespace {

// A named mapping of the session: the libraries loaded in the program and a test driving
// it see the same total. Each process keeps its view open until it ends.
volatile LONG64* MapSharedTotal() {
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG64),
                                        L"Local\\ZentaSimulatedLibraryCallTime");
    if (mapping == nullptr) return nullptr;
    return static_cast<volatile LONG64*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG64)));
}

volatile LONG64* SharedTotal() {
    static volatile LONG64* const total = MapSharedTotal();
    return total;
}

}  // namespace

std::int64_t PerformanceTicks() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double TicksToMilliseconds(std::int64_t ticks) {
    static const double frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(ticks) * 1000.0 / frequency;
}

void AddLibraryCallTime(std::int64_t startTicks, std::int64_t endTicks) {
    if (volatile LONG64* total = SharedTotal()) InterlockedExchangeAdd64(total, endTicks - startTicks);
}

std::int64_t LibraryCallTicks() {
    volatile LONG64* total = SharedTotal();
    // The exchange of 0 for 0 reads all 64 bits at once on 32-bit Windows too.
    return total ? InterlockedCompareExchange64(total, 0, 0) : 0;
}

}  // namespace sim::win32
