#pragma once
// The chip libraries with a stopwatch: every call is passed on, and the time spent inside
// the libraries is added up, so that an action's own time can be told from its calls'.

#include <windows.h>

#include "link/ChipLibrary.h"

namespace windriver {

class TTimedLibrary final : public devlink::IChipLibrary {
    static LONGLONG Frequency() {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart;
    }
    template <typename TCall>
    auto Timed(TCall call) {
        LARGE_INTEGER start{};
        LARGE_INTEGER end{};
        QueryPerformanceCounter(&start);
        auto result = call();
        QueryPerformanceCounter(&end);
        spent_ += end.QuadPart - start.QuadPart;
        return result;
    }

public:
    explicit TTimedLibrary(devlink::IChipLibrary& library) : library_(library) {}

    double SpentMilliseconds() const { return static_cast<double>(spent_) * 1000.0 / static_cast<double>(Frequency()); }
    void Reset() { spent_ = 0; }

    std::int32_t EngineVersion(char* text) override {
        return Timed([&] { return library_.EngineVersion(text); });
    }
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override {
        return Timed([&] { return library_.EngineOpenTransport(transport, devicePath, flags, timeout, retryTimeout); });
    }
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override {
        return Timed([&] { return library_.EngineOpenSpi(transport, flags); });
    }
    std::int32_t EngineClose(std::uint32_t handle) override {
        return Timed([&] { return library_.EngineClose(handle); });
    }
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override {
        return Timed([&] { return library_.EngineReadKey(handle, key, store, capacity, words, length); });
    }
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override {
        return Timed([&] { return library_.EngineWriteKey(handle, key, store, length, words); });
    }
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override {
        return Timed([&] { return library_.EngineRestart(handle, flags); });
    }
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override {
        return Timed([&] { return library_.EngineChipName(handle, capacity, text); });
    }
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                   std::uint16_t* count) override {
        return Timed([&] { return library_.FlashListSpiPorts(capacity, portNames, transports, count); });
    }

private:
    devlink::IChipLibrary& library_;
    LONGLONG spent_ = 0;
};

}  // namespace windriver
