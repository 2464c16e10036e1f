#include "sim/SimBench.h"

#include <algorithm>

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

std::string FirstTransport(const TSimSpiListing& listing, bool needPending) {
    // The window asks twice at most: a pending "too small" answer costs it the first
    // call, and a second call with the capacity it names must then be enough.
    const std::size_t needed = std::max(listing.PortNames.size(), listing.Transports.size()) + 1;
    const bool listed = listing.Result == 0 && (!needPending || listing.Need >= needed);
    if (!listed || listing.PortNames.find_first_not_of(',') == std::string::npos) return kSimUsbDevice;
    std::size_t start = 0;
    while (start <= listing.Transports.size()) {
        const std::size_t end = std::min(listing.Transports.find(',', start), listing.Transports.size());
        std::string piece = listing.Transports.substr(start, end - start);
        if (!piece.empty() && piece.find("LPT") == std::string::npos) return piece;
        start = end + 1;
    }
    return kSimUsbDevice;
}

TSimBench::TSimBench() { AttachUnit(TSimUnit::Factory(TUnitKind::Handset)); }

TSimBench TSimBench::Empty() {
    TSimBench bench;
    bench.transports_.clear();
    return bench;
}

const TSimUnit& TSimBench::UnitOn(const std::string& transport) const {
    static const TSimUnit nothing;
    const auto found = transports_.find(transport);
    return found == transports_.end() ? nothing : found->second.Unit;
}

void TSimBench::AttachUnit(const std::string& transport, TSimUnit unit) {
    TSimTransport& place = transports_[transport];
    place.Unit = std::move(unit);
    place.Generation = ++generation_;
}

void TSimBench::Reset() {
    const std::uint32_t nextHandle = nextHandle_;
    const std::uint32_t generation = generation_;
    *this = Empty();
    nextHandle_ = nextHandle;
    generation_ = generation;
    AttachUnit(TSimUnit::Factory(TUnitKind::Handset));
}

void TSimBench::SetSpiListing(TSimSpiListing listing) {
    spi_ = std::move(listing);
    spiNeedPending_ = spi_.Need != 0;
}

std::uint32_t TSimBench::OpenConnection(const std::string& transport) {
    // Handles are never 0 and never one that is still open.
    while (nextHandle_ == 0 || connections_.count(nextHandle_) != 0) ++nextHandle_;
    const std::uint32_t handle = nextHandle_++;
    connections_[handle] = {transport, transports_[transport].Generation};
    return handle;
}

bool TSimBench::IsLive(std::uint32_t handle) const {
    if (handle == 0) return false;
    const auto connection = connections_.find(handle);
    if (connection == connections_.end()) return false;
    const auto place = transports_.find(connection->second.Transport);
    return place != transports_.end() && place->second.Unit.Answers() &&
           place->second.Generation == connection->second.Generation;
}

TSimTransport* TSimBench::TransportOf(std::uint32_t handle) {
    const auto connection = connections_.find(handle);
    if (handle == 0 || connection == connections_.end()) return nullptr;
    return &transports_[connection->second.Transport];
}

bool TSimBench::CloseConnection(std::uint32_t handle) { return handle != 0 && connections_.erase(handle) != 0; }

void TSimBench::RestoreConnections(std::uint32_t nextHandle, std::uint32_t generation,
                                   std::map<std::uint32_t, TSimConnection> connections) {
    nextHandle_ = nextHandle;
    generation_ = generation;
    connections_ = std::move(connections);
}

}  // namespace sim
