#pragma once
// The chip library as a production run watches it: the call under way and since when,
// so that a call that does not return can be told (CallGuard.h); and for the unit in
// hand, whether its record was written and the words each PS key gave or took, which
// tell the unit from another put on in its place.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "cli/record/ProductionRecord.h"
#include "link/ChipLibrary.h"

namespace cli {

// Per PS key, the words a read gave or a write took last.
using TKeyWords = std::map<std::uint16_t, std::vector<std::uint16_t>>;

class TWatchedLibrary final : public devlink::IChipLibrary {
public:
    using TClock = std::chrono::steady_clock;
    struct TCall {
        const char* Name;  // the library's name of the call: "EngineReadKey"
        TClock::time_point Since;
    };

    explicit TWatchedLibrary(devlink::IChipLibrary& library) : library_(library) {}

    std::int32_t EngineVersion(char* text) override;
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override;
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override;
    std::int32_t EngineClose(std::uint32_t handle) override;
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override;
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override;
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override;
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override;
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                   std::uint16_t* count) override;

    // The call under way, asked from any thread; empty between calls.
    std::optional<TCall> CallUnderWay() const;

    // The next unit: nothing written, no key seen.
    void BeginUnit();
    // A write counts from the moment it is asked for: `Unknown` until the library
    // answers, then `Yes` once any write answered success.
    TWritten Written() const;
    TKeyWords KeysSeen() const;
    // Told of each change of Written, on the thread that makes the write, before the
    // library hears of it and after it answered.
    std::function<void(TWritten)> OnWritten;

private:
    template <typename TForward>
    auto Watched(const char* name, TForward forward);
    void SetWritten(TWritten written);

    devlink::IChipLibrary& library_;
    mutable std::mutex mutex_;
    std::optional<TCall> underWay_;
    TWritten written_ = TWritten::No;
    TKeyWords seen_;
};

}  // namespace cli
