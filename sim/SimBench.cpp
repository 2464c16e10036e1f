#include "sim/SimBench.h"

#include <algorithm>

namespace sim {

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
    connections_[handle] = {transport, transports_[transport].Generation, CurrentProcess()};
    return handle;
}

std::size_t TSimBench::CloseConnectionsOfEndedProcesses() {
    return std::erase_if(connections_, [](const auto& entry) { return !MayBeRunning(entry.second.Owner); });
}

std::uint32_t TSimBench::LatencyOf(const std::string& transport) const {
    const auto found = transports_.find(transport);
    return found == transports_.end() ? LatencyMs : found->second.LatencyMs.value_or(LatencyMs);
}

void TSimBench::ClearFaults() {
    Faults.Clear();
    hung_.clear();
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
