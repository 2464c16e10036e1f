#include "sim/SimBench.h"

namespace sim {

namespace {

constexpr std::int32_t kEveryKey = -1;

std::int32_t Slot(std::optional<std::uint16_t> key) { return key ? *key : kEveryKey; }

std::optional<std::uint16_t> KeyOf(std::int32_t slot) {
    if (slot == kEveryKey) return std::nullopt;
    return static_cast<std::uint16_t>(slot);
}

}  // namespace

const char* CallName(TSimCall call) {
    switch (call) {
        case TSimCall::Open: return "open";
        case TSimCall::Write: return "write";
        case TSimCall::Read: break;
    }
    return "read";
}

std::optional<TSimCall> ParseCall(std::string_view name) {
    for (TSimCall call : {TSimCall::Open, TSimCall::Read, TSimCall::Write}) {
        if (name == CallName(call)) return call;
    }
    return std::nullopt;
}

void TSimFaults::FailNext(TSimCall call, unsigned count, std::optional<std::uint16_t> key) {
    if (call == TSimCall::Open) key.reset();
    const auto slot = std::make_pair(call, Slot(key));
    if (count == 0) {
        failures_.erase(slot);
    } else {
        failures_[slot] = count;
    }
}

unsigned TSimFaults::Pending(TSimCall call, std::optional<std::uint16_t> key) const {
    const auto found = failures_.find({call, Slot(key)});
    return found == failures_.end() ? 0 : found->second;
}

bool TSimFaults::TakeFailure(TSimCall call, std::optional<std::uint16_t> key) {
    bool fails = false;
    auto countDown = [&](std::int32_t slot) {
        const auto found = failures_.find({call, slot});
        if (found == failures_.end()) return;
        fails = true;
        if (--found->second == 0) failures_.erase(found);
    };
    countDown(kEveryKey);
    if (key && call != TSimCall::Open) countDown(*key);
    return fails;
}

void TSimFaults::MisreportNextRead(std::uint16_t length, std::optional<std::uint16_t> key) {
    misreports_[Slot(key)] = length;
}

std::optional<std::uint16_t> TSimFaults::PendingMisreport(std::optional<std::uint16_t> key) const {
    const auto found = misreports_.find(Slot(key));
    if (found == misreports_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::uint16_t> TSimFaults::TakeMisreport(std::uint16_t key) {
    std::optional<std::uint16_t> length;
    if (const auto any = misreports_.find(kEveryKey); any != misreports_.end()) {
        length = any->second;
        misreports_.erase(any);
    }
    if (const auto own = misreports_.find(key); own != misreports_.end()) {
        length = own->second;
        misreports_.erase(own);
    }
    return length;
}

void TSimFaults::Clear() {
    failures_.clear();
    misreports_.clear();
}

std::vector<TSimFaults::TEntry> TSimFaults::Entries() const {
    std::vector<TEntry> entries;
    for (const auto& [slot, count] : failures_) {
        entries.push_back({slot.first, KeyOf(slot.second), count});
    }
    return entries;
}

std::vector<TSimFaults::TMisreport> TSimFaults::Misreports() const {
    std::vector<TMisreport> entries;
    for (const auto& [slot, length] : misreports_) entries.push_back({KeyOf(slot), length});
    return entries;
}

TSimBench::TSimBench() : unit_(TSimUnit::Factory(TUnitKind::Handset)) {}

TSimBench TSimBench::Empty() {
    TSimBench bench;
    bench.unit_ = TSimUnit();
    return bench;
}

void TSimBench::AttachUnit(TSimUnit unit) {
    unit_ = std::move(unit);
    ++generation_;
}

void TSimBench::Reset() {
    const std::uint32_t nextHandle = nextHandle_;
    const std::uint32_t generation = generation_;
    *this = TSimBench();
    nextHandle_ = nextHandle;
    generation_ = generation + 1;
}

void TSimBench::SetSpiListing(TSimSpiListing listing) {
    spi_ = std::move(listing);
    spiNeedPending_ = spi_.Need != 0;
}

std::uint32_t TSimBench::OpenConnection() {
    // Handles are never 0 and never one that is still open.
    while (nextHandle_ == 0 || connections_.count(nextHandle_) != 0) ++nextHandle_;
    const std::uint32_t handle = nextHandle_++;
    connections_[handle] = generation_;
    return handle;
}

bool TSimBench::IsLive(std::uint32_t handle) const {
    if (handle == 0 || !unit_.Answers()) return false;
    const auto found = connections_.find(handle);
    return found != connections_.end() && found->second == generation_;
}

bool TSimBench::CloseConnection(std::uint32_t handle) {
    return handle != 0 && connections_.erase(handle) != 0;
}

void TSimBench::RestoreConnections(std::uint32_t nextHandle, std::uint32_t generation,
                                   std::map<std::uint32_t, std::uint32_t> connections) {
    nextHandle_ = nextHandle;
    generation_ = generation;
    connections_ = std::move(connections);
}

}  // namespace sim
