#include "sim/SimLibrary.h"

#include <algorithm>
#include <cstring>
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
    if (injected || target == nullptr || !bench.Unit().Answers()) return 0;
    return bench.OpenConnection();
}

}  // namespace

TSimLibrary::TSimLibrary(TSimBench& bench) : bench_(&bench) {}

TSimLibrary::TSimLibrary(TSimStateFile stateFile) : stateFile_(std::move(stateFile)) {}

template <typename TCall>
auto TSimLibrary::Use(bool changes, TCall call) {
    if (!stateFile_) return call(*bench_);
    TSimBench bench;
    std::string error;
    if (!stateFile_->Load(bench, &error)) {
        // Nothing answers, and the file stays as it is for the user to look at.
        lastError_ = error;
        TSimBench unreadable = TSimBench::Empty();
        unreadable.EngineVersion =
            std::string(kDefaultEngineVersion) + " - bench state unreadable: " + error;
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

std::uint32_t TSimLibrary::EngineOpenTransport(std::int32_t, const char* devicePath, std::int32_t,
                                               std::int32_t, std::int32_t) {
    return Use(true, [&](TSimBench& bench) { return Open(bench, TSimOpenKind::Transport, devicePath); });
}

std::uint32_t TSimLibrary::EngineOpenSpi(const char* transport, std::int32_t) {
    return Use(true, [&](TSimBench& bench) { return Open(bench, TSimOpenKind::Spi, transport); });
}

std::int32_t TSimLibrary::EngineClose(std::uint32_t handle) {
    return Use(true, [&](TSimBench& bench) {
        ++bench.Counters.Closes;
        return bench.CloseConnection(handle) ? kOk : kFailed;
    });
}

std::int32_t TSimLibrary::EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store,
                                        std::uint16_t capacity, std::uint16_t* words,
                                        std::uint16_t* length) {
    return Use(true, [&](TSimBench& bench) {
        ++bench.Counters.Reads;
        if (!bench.IsLive(handle)) return kFailed;
        if (bench.Faults.TakeFailure(TSimCall::Read, key)) return kFailed;
        if (store != kPsStore || words == nullptr || length == nullptr) return kFailed;
        const std::vector<std::uint16_t>* stored = bench.Unit().Find(key);
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
        ++bench.Counters.Writes;
        if (!bench.IsLive(handle)) return kFailed;
        if (bench.Faults.TakeFailure(TSimCall::Write, key)) return kFailed;
        if (store != kPsStore || (words == nullptr && length != 0)) return kFailed;
        bench.Unit().SetKey(key, std::vector<std::uint16_t>(words, words + length));
        return kOk;
    });
}

std::int32_t TSimLibrary::EngineRestart(std::uint32_t handle, std::int32_t) {
    return Use(true, [&](TSimBench& bench) {
        if (!bench.IsLive(handle)) return kFailed;
        bench.Unit().Restart();
        ++bench.Counters.Restarts;
        return kOk;
    });
}

std::int32_t TSimLibrary::EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) {
    return Use(false, [&](TSimBench& bench) {
        if (!bench.IsLive(handle) || capacity <= 0 || text == nullptr) return kFailed;
        CopyText(bench.Unit().ChipName(), text, static_cast<std::size_t>(capacity));
        return kOk;
    });
}

std::int32_t TSimLibrary::FlashListSpiPorts(std::uint16_t* capacity, char* portNames,
                                            char* transports, std::uint16_t* count) {
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
        const std::size_t needed =
            std::max(listing.PortNames.size(), listing.Transports.size()) + 1;
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
