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
constexpr std::int32_t kListFailed = -1;

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

// The calls with a handle count on the transport of its connection as well.
void CountOn(TSimBench& bench, std::uint32_t handle, std::uint32_t TSimCounters::*counter) {
    ++(bench.Counters.*counter);
    if (TSimTransport* transport = bench.TransportOf(handle)) ++(transport->Counters.*counter);
}

// The unit a live connection reaches; nullptr for any other handle.
TSimUnit* UnitOf(TSimBench& bench, std::uint32_t handle) {
    return bench.IsLive(handle) ? &bench.TransportOf(handle)->Unit : nullptr;
}

// A write that reports success but stores other words, or a read that reports other
// words than the unit holds: the last word's lowest bit is flipped.
void Garble(std::vector<std::uint16_t>& words) {
    if (words.empty()) words.push_back(0);
    words.back() ^= 1;
}

template <typename TResult>
using TStep = TSimLibrary::TStep<TResult>;

// A call that reaches no transport: a handle to nothing, or no target.
template <typename TResult>
TStep<TResult> Missed(const TSimBench& bench, TResult failed) {
    return {failed, bench.LatencyMs, std::nullopt, std::nullopt};
}

// A call on `site` through the faults due for it: it hangs where its adapter hangs or a
// hang is due, fails where a failure is due, and otherwise does what `perform` does; the
// pulls due once it is made follow. `counts` is false for a handle whose unit is gone.
template <typename TResult, typename TPerform>
TStep<TResult> Faulted(TSimBench& bench, const TSimCallSite& site, bool counts, TResult failed, TPerform perform) {
    TStep<TResult> step{failed, bench.LatencyOf(site.Transport), std::nullopt, std::nullopt};
    if (counts && bench.Journal) bench.Journal->push_back(site);
    if (bench.IsHung(site.Transport)) {
        step.HangsOn = site.Transport;
        return step;
    }
    const TSimVerdict verdict = counts ? bench.Faults.Take(site) : TSimVerdict{};
    if (verdict.Hang) {
        bench.Hang(site.Transport);
        step.HangsOn = site.Transport;
        step.HangForMs = verdict.HangForMs;
    } else if (!verdict.Fail) {
        step.Result = perform(verdict);
    }
    for (const std::optional<std::string>& pulled : verdict.Pulls) {
        const std::string& own = site.Transport == kHostSide ? bench.FirstTransport() : site.Transport;
        bench.AttachUnit(pulled.value_or(own), TSimUnit());
    }
    return step;
}

// A call with a handle: on the transport of its connection, counting only while the
// connection reaches its unit.
template <typename TResult, typename TPerform>
TStep<TResult> OnConnection(TSimBench& bench, TSimCall call, std::uint32_t handle, std::optional<std::uint16_t> key,
                            TResult failed, TPerform perform) {
    const auto connection = bench.Connections().find(handle);
    if (handle == 0 || connection == bench.Connections().end()) return Missed(bench, failed);
    return Faulted(bench, {call, connection->second.Transport, key}, bench.IsLive(handle), failed, perform);
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

template <typename TResult, typename TCall>
TResult TSimLibrary::Use(bool changes, TResult failed, TCall call) {
    const TStep<TResult> step = stateFile_ ? UseStateFile(changes, failed, call) : call(*bench_);
    // The call takes its time after the bench is saved and its lock given back, so that
    // calls on other transports, from other processes, go on meanwhile.
    if (step.LatencyMs != 0) sleeper_.Sleep(step.LatencyMs);
    if (!step.HangsOn) return step.Result;
    WaitWhileHung(*step.HangsOn, step.HangForMs);
    return failed;
}

template <typename TResult, typename TCall>
TSimLibrary::TStep<TResult> TSimLibrary::UseStateFile(bool changes, TResult failed, TCall call) {
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
    // Any call may use up a fault, or go into the journal.
    const bool saves = changes || !bench.Faults.Empty() || bench.Journal;
    TStep<TResult> step = call(bench);
    if (saves && !stateFile_->Save(bench, &error)) {
        // What the call did is lost with the bench, so it did not happen.
        lastError_ = error;
        return {failed, step.LatencyMs, std::nullopt, std::nullopt};
    }
    return step;
}

void TSimLibrary::WaitWhileHung(const std::string& transport, std::optional<std::uint32_t> forMs) {
    std::uint32_t waited = 0;
    while (!forMs || waited < *forMs) {
        const unsigned slice = forMs ? std::min<std::uint32_t>(kHangSliceMs, *forMs - waited) : kHangSliceMs;
        sleeper_.Sleep(slice);
        waited += slice;
        if (!StillHung(transport)) return;
    }
    EndHang(transport);
}

bool TSimLibrary::StillHung(const std::string& transport) {
    if (!stateFile_) return bench_->IsHung(transport);
    TSimBench bench;
    const std::optional<TFileLock> lock = stateFile_->Lock();
    // A bench that cannot be read holds nothing that hangs.
    return lock && stateFile_->Load(bench) && bench.IsHung(transport);
}

void TSimLibrary::EndHang(const std::string& transport) {
    if (!stateFile_) {
        bench_->EndHang(transport);
        return;
    }
    TSimBench bench;
    const std::optional<TFileLock> lock = stateFile_->Lock();
    if (!lock || !stateFile_->Load(bench)) return;
    bench.EndHang(transport);
    std::string error;
    if (!stateFile_->Save(bench, &error)) lastError_ = error;
}

std::int32_t TSimLibrary::EngineVersion(char* text) {
    return Use(false, kFailed, [&](TSimBench& bench) {
        return Faulted(bench, {TSimCall::Version, kHostSide, std::nullopt}, true, kFailed, [&](const TSimVerdict&) {
            if (text == nullptr) return kFailed;
            CopyText(bench.EngineVersion, text, kEngineVersionBuffer);
            return kOk;
        });
    });
}

std::uint32_t TSimLibrary::Open(TSimOpenKind kind, const char* target) {
    return Use(true, 0U, [&](TSimBench& bench) {
        ++bench.Counters.Opens;
        bench.LastOpen = {kind, target ? target : ""};
        if (target == nullptr) return Missed(bench, 0U);
        TSimTransport& transport = bench.Transport(target);
        ++transport.Counters.Opens;
        return Faulted(bench, {TSimCall::Open, target, std::nullopt}, true, 0U, [&](const TSimVerdict&) {
            return transport.Unit.Answers() ? bench.OpenConnection(target) : 0U;
        });
    });
}

std::uint32_t TSimLibrary::EngineOpenTransport(std::int32_t, const char* devicePath, std::int32_t, std::int32_t,
                                               std::int32_t) {
    return Open(TSimOpenKind::Transport, devicePath);
}

std::uint32_t TSimLibrary::EngineOpenSpi(const char* transport, std::int32_t) {
    return Open(TSimOpenKind::Spi, transport);
}

std::int32_t TSimLibrary::EngineClose(std::uint32_t handle) {
    return Use(true, kFailed, [&](TSimBench& bench) {
        CountOn(bench, handle, &TSimCounters::Closes);
        return OnConnection(bench, TSimCall::Close, handle, std::nullopt, kFailed,
                            [&](const TSimVerdict&) { return bench.CloseConnection(handle) ? kOk : kFailed; });
    });
}

std::int32_t TSimLibrary::EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                        std::uint16_t capacity, std::uint16_t* words, std::uint16_t* length) {
    return Use(true, kFailed, [&](TSimBench& bench) {
        CountOn(bench, handle, &TSimCounters::Reads);
        return OnConnection(bench, TSimCall::Read, handle, key, kFailed, [&](const TSimVerdict& verdict) {
            const TSimUnit* unit = UnitOf(bench, handle);
            if (unit == nullptr || store != kPsStore || words == nullptr || length == nullptr) return kFailed;
            const std::vector<std::uint16_t>* stored = unit->Find(key);
            if (stored == nullptr) return kFailed;
            const auto count = static_cast<std::ptrdiff_t>(std::min<std::size_t>(stored->size(), capacity));
            std::vector<std::uint16_t> copied(stored->begin(), stored->begin() + count);
            if (verdict.Corrupt && !copied.empty()) Garble(copied);
            std::copy(copied.begin(), copied.end(), words);
            *length = bench.Faults.TakeReadLength(verdict).value_or(static_cast<std::uint16_t>(copied.size()));
            return kOk;
        });
    });
}

std::int32_t TSimLibrary::EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                         std::uint16_t length, const std::uint16_t* words) {
    return Use(true, kFailed, [&](TSimBench& bench) {
        CountOn(bench, handle, &TSimCounters::Writes);
        return OnConnection(bench, TSimCall::Write, handle, key, kFailed, [&](const TSimVerdict& verdict) {
            TSimUnit* unit = UnitOf(bench, handle);
            if (unit == nullptr || store != kPsStore || (words == nullptr && length != 0)) return kFailed;
            std::vector<std::uint16_t> stored(words, words + length);
            if (verdict.Corrupt) Garble(stored);
            unit->SetKey(key, std::move(stored));
            return kOk;
        });
    });
}

std::int32_t TSimLibrary::EngineRestart(std::uint32_t handle, std::int32_t) {
    return Use(true, kFailed, [&](TSimBench& bench) {
        return OnConnection(bench, TSimCall::Restart, handle, std::nullopt, kFailed, [&](const TSimVerdict&) {
            TSimUnit* unit = UnitOf(bench, handle);
            if (unit == nullptr) return kFailed;
            unit->Restart();
            CountOn(bench, handle, &TSimCounters::Restarts);
            return kOk;
        });
    });
}

std::int32_t TSimLibrary::EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) {
    return Use(false, kFailed, [&](TSimBench& bench) {
        return OnConnection(bench, TSimCall::ChipName, handle, std::nullopt, kFailed, [&](const TSimVerdict&) {
            const TSimUnit* unit = UnitOf(bench, handle);
            if (unit == nullptr || capacity <= 0 || text == nullptr) return kFailed;
            CopyText(unit->ChipName(), text, static_cast<std::size_t>(capacity));
            return kOk;
        });
    });
}

std::int32_t TSimLibrary::FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                            std::uint16_t* count) {
    return Use(true, kListFailed, [&](TSimBench& bench) {
        if (capacity == nullptr || count == nullptr) return Missed(bench, kListFailed);
        *count = 0;
        // A failed listing writes back no capacity, so that the caller does not ask again.
        const std::uint16_t given = *capacity;
        *capacity = 0;
        return Faulted(bench, {TSimCall::ListSpi, kHostSide, std::nullopt}, true, kListFailed, [&](const TSimVerdict&) {
            const TSimSpiListing& listing = bench.Spi();
            if (bench.SpiNeedPending()) {
                bench.SetSpiNeedPending(false);
                *capacity = listing.Need;
                return kListTooSmall;
            }
            if (listing.Result != kListOk) return listing.Result;
            const std::size_t needed = std::max(listing.PortNames.size(), listing.Transports.size()) + 1;
            if (given < needed) {
                *capacity = static_cast<std::uint16_t>(std::min<std::size_t>(needed, 0xFFFF));
                return kListTooSmall;
            }
            if (portNames == nullptr || transports == nullptr) return kListFailed;
            *capacity = given;
            CopyText(listing.PortNames, portNames, given);
            CopyText(listing.Transports, transports, given);
            *count = CountPieces(listing.PortNames);
            return kListOk;
        });
    });
}

}  // namespace sim
