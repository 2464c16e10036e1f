#include "sim/SimLibrary.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace sim {

namespace {

constexpr std::int32_t kOk = 1;
constexpr std::int32_t kFailed = 0;
constexpr std::int32_t kListOk = 0;
constexpr std::int32_t kListTooSmall = 1;
constexpr std::int32_t kListBadArguments = -1;

// Copies at most capacity - 1 characters and the terminating zero.
void CopyText(const std::string& source, char* target, std::size_t capacity) {
    const std::size_t length = std::min(source.size(), capacity - 1);
    std::memcpy(target, source.data(), length);
    target[length] = '\0';
}

std::uint16_t CountPieces(const std::string& list) {
    std::uint16_t count = 0;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        if (end > start) ++count;
        start = end + 1;
    }
    return count;
}

std::uint32_t Open(TSimBench& bench, TSimOpenKind kind, const char* target) {
    ++bench.Counters.Opens;
    bench.LastOpen = {kind, target ? target : ""};
    const bool injected = bench.Faults.TakeFailure(TSimCall::Open);
    if (target == nullptr) return 0;
    TSimTransport& transport = bench.Transport(target);
    ++transport.Counters.Opens;
    if (injected || !transport.Unit.Answers()) return 0;
    return bench.OpenConnection(target);
}

// The calls with a handle count on the transport of its connection as well.
void CountOn(TSimBench& bench, std::uint32_t handle, std::uint32_t TSimCounters::*counter) {
    ++(bench.Counters.*counter);
    if (TSimTransport* transport = bench.TransportOf(handle)) ++(transport->Counters.*counter);
}

// The unit a live connection reaches; nullptr for any other handle.
TSimUnit* UnitOf(TSimBench& bench, std::uint32_t handle) {
    return bench.IsLive(handle) ? &bench.TransportOf(handle)->Unit : nullptr;
}

TSimSystemSleep& SystemSleep() {
    static TSimSystemSleep sleeper;
    return sleeper;
}

}  // namespace

void TSimSystemSleep::Sleep(unsigned milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

TSimLibrary::TSimLibrary(TSimBench& bench) : TSimLibrary(bench, SystemSleep()) {}

TSimLibrary::TSimLibrary(TSimBench& bench, ui::ISleep& sleeper) : bench_(&bench), sleeper_(sleeper) {}

TSimLibrary::TSimLibrary(TSimStateFile stateFile) : TSimLibrary(std::move(stateFile), SystemSleep()) {}

TSimLibrary::TSimLibrary(TSimStateFile stateFile, ui::ISleep& sleeper)
    : stateFile_(std::move(stateFile)), sleeper_(sleeper) {}

template <typename TCall>
auto TSimLibrary::Use(bool changes, TCall call) {
    std::uint32_t latency = 0;
    auto timed = [&](TSimBench& bench) {
        latency = bench.LatencyMs;
        return call(bench);
    };
    auto result = stateFile_ ? UseStateFile(changes, timed) : timed(*bench_);
    // The call takes its time after the bench is saved and its lock given back, so that
    // calls on other transports, from other processes, go on meanwhile.
    if (latency != 0) sleeper_.Sleep(latency);
    return result;
}

template <typename TCall>
auto TSimLibrary::UseStateFile(bool changes, TCall call) {
    TSimBench bench;
    std::string error;
    // Held from the load to the save, so that no other process's change is lost.
    const std::optional<TFileLock> lock = stateFile_->Lock(&error);
    if (!lock || !stateFile_->Load(bench, &error)) {
        // Nothing answers, and the file stays as it is for the user to look at.
        lastError_ = error;
        TSimBench unreadable = TSimBench::Empty();
        unreadable.EngineVersion = std::string(kDefaultEngineVersion) + " - bench state unreadable: " + error;
        return call(unreadable);
    }
    lastError_.clear();
    auto result = call(bench);
    if (changes && !stateFile_->Save(bench, &error)) lastError_ = error;
    return result;
}

std::int32_t TSimLibrary::EngineVersion(char* text) {
    return Use(false, [&](TSimBench& bench) {
        if (text == nullptr) return kFailed;
        CopyText(bench.EngineVersion, text, kEngineVersionBuffer);
        return kOk;
    });
}

std::uint32_t TSimLibrary::EngineOpenTransport(std::int32_t, const char* devicePath, std::int32_t, std::int32_t,
                                               std::int32_t) {
    return Use(true, [&](TSimBench& bench) { return Open(bench, TSimOpenKind::Transport, devicePath); });
}

std::uint32_t TSimLibrary::EngineOpenSpi(const char* transport, std::int32_t) {
    return Use(true, [&](TSimBench& bench) { return Open(bench, TSimOpenKind::Spi, transport); });
}

std::int32_t TSimLibrary::EngineClose(std::uint32_t handle) {
    return Use(true, [&](TSimBench& bench) {
        CountOn(bench, handle, &TSimCounters::Closes);
        return bench.CloseConnection(handle) ? kOk : kFailed;
    });
}

std::int32_t TSimLibrary::EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                        std::uint16_t capacity, std::uint16_t* words, std::uint16_t* length) {
    return Use(true, [&](TSimBench& bench) {
        CountOn(bench, handle, &TSimCounters::Reads);
        const TSimUnit* unit = UnitOf(bench, handle);
        if (unit == nullptr) return kFailed;
        if (bench.Faults.TakeFailure(TSimCall::Read, key)) return kFailed;
        if (store != kPsStore || words == nullptr || length == nullptr) return kFailed;
        const std::vector<std::uint16_t>* stored = unit->Find(key);
        if (stored == nullptr) return kFailed;
        const std::size_t copied = std::min<std::size_t>(stored->size(), capacity);
        std::copy_n(stored->begin(), copied, words);
        *length = bench.Faults.TakeMisreport(key).value_or(static_cast<std::uint16_t>(copied));
        return kOk;
    });
}

std::int32_t TSimLibrary::EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                         std::uint16_t length, const std::uint16_t* words) {
    return Use(true, [&](TSimBench& bench) {
        CountOn(bench, handle, &TSimCounters::Writes);
        TSimUnit* unit = UnitOf(bench, handle);
        if (unit == nullptr) return kFailed;
        if (bench.Faults.TakeFailure(TSimCall::Write, key)) return kFailed;
        if (store != kPsStore || (words == nullptr && length != 0)) return kFailed;
        unit->SetKey(key, std::vector<std::uint16_t>(words, words + length));
        return kOk;
    });
}

std::int32_t TSimLibrary::EngineRestart(std::uint32_t handle, std::int32_t) {
    return Use(true, [&](TSimBench& bench) {
        TSimUnit* unit = UnitOf(bench, handle);
        if (unit == nullptr) return kFailed;
        unit->Restart();
        CountOn(bench, handle, &TSimCounters::Restarts);
        return kOk;
    });
}

std::int32_t TSimLibrary::EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) {
    return Use(false, [&](TSimBench& bench) {
        const TSimUnit* unit = UnitOf(bench, handle);
        if (unit == nullptr || capacity <= 0 || text == nullptr) return kFailed;
        CopyText(unit->ChipName(), text, static_cast<std::size_t>(capacity));
        return kOk;
    });
}

std::int32_t TSimLibrary::FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                            std::uint16_t* count) {
    return Use(true, [&](TSimBench& bench) {
        if (capacity == nullptr || count == nullptr) return kListBadArguments;
        *count = 0;
        const TSimSpiListing& listing = bench.Spi();
        if (bench.SpiNeedPending()) {
            bench.SetSpiNeedPending(false);
            *capacity = listing.Need;
            return kListTooSmall;
        }
        if (listing.Result != kListOk) {
            *capacity = 0;
            return listing.Result;
        }
        const std::size_t needed = std::max(listing.PortNames.size(), listing.Transports.size()) + 1;
        if (*capacity < needed) {
            *capacity = static_cast<std::uint16_t>(std::min<std::size_t>(needed, 0xFFFF));
            return kListTooSmall;
        }
        if (portNames == nullptr || transports == nullptr) {
            *capacity = 0;
            return kListBadArguments;
        }
        CopyText(listing.PortNames, portNames, *capacity);
        CopyText(listing.Transports, transports, *capacity);
        *count = CountPieces(listing.PortNames);
        return kListOk;
    });
}

}  // namespace sim
