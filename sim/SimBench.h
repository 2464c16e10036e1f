#pragma once
// The bench of simulated units: one unit per transport (an SPI port's transport string or
// a USB device path), the faults waiting for the library calls to come (SimFaults.h), the
// adapters that hang, the host-side settings of the simulated libraries (version text,
// SPI port listing, the time each call takes), the open connections and the call counters.
// A bench lives in memory (the script driver keeps one per script) or in a state file
// (SimStateFile.h) that program runs and the `zenta sim` command share.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/OwnerProcess.h"
#include "sim/SimFaults.h"
#include "sim/SimUnit.h"

namespace sim {

inline constexpr const char* kDefaultEngineVersion = "TestEngine (simulated) 1.0";

// What the simulated SPI port listing answers.
struct TSimSpiListing {
    std::string PortNames;    // comma-separated display names; empty: no SPI ports
    std::string Transports;   // comma-separated transport strings of the same ports
    std::int32_t Result = 0;  // non-zero: the listing fails with this result
    std::uint16_t Need = 0;   // non-zero: the first call answers "buffers too small, need this"
};

// The open call a connection was asked for with, and what it named: the device path
// of a transport open or the transport string of an SPI open.
enum class TSimOpenKind { Transport, Spi };
struct TSimOpenRequest {
    TSimOpenKind Kind = TSimOpenKind::Transport;
    std::string Target;
};

inline constexpr const char* kSimUsbDevice = "\\\\.\\CSR0";

// The transport the window chooses from a listing: the first transport string without
// "LPT" when the listing succeeds (at the latest on its second call) and reports ports,
// otherwise the USB device.
std::string FirstTransport(const TSimSpiListing& listing, bool needPending);

// Counters over the whole life of the bench (or of one transport), across unit changes.
struct TSimCounters {
    std::uint32_t Opens = 0;     // open calls of either kind, failed ones included
    std::uint32_t Closes = 0;    // close calls
    std::uint32_t Reads = 0;     // PS key read calls, every attempt
    std::uint32_t Writes = 0;    // PS key write calls, every attempt
    std::uint32_t Restarts = 0;  // restarts that reached a unit
};

// What sits on one transport: the unit (kind None: nothing answers there), the unit
// change it came with, the calls made on this transport, across its unit changes, and
// the time each call there takes when it is not the bench's.
struct TSimTransport {
    TSimUnit Unit;
    std::uint32_t Generation = 0;
    TSimCounters Counters;
    std::optional<std::uint32_t> LatencyMs;
};

// An open connection: the transport it was opened on, the unit change it belongs to and
// the process that opened it.
struct TSimConnection {
    std::string Transport;
    std::uint32_t Generation = 0;
    TOwnerProcess Owner;
};

// Where the host side's calls (version, SPI listing) hang: a transport no unit sits on.
inline constexpr const char* kHostSide = "";

class TSimBench {
public:
    // A fresh bench: a handset at factory settings on the USB device, no faults, no SPI
    // ports, the default engine version, no latency, counters at zero.
    TSimBench();
    // A bench with nothing on any transport (used when reading a state file).
    static TSimBench Empty();

    // The transport a unit goes on when none is named: the window's automatic choice
    // from the SPI listing as it is now.
    std::string FirstTransport() const { return sim::FirstTransport(spi_, spiNeedPending_); }

    // The unit on the first transport, to look at or to change in place.
    const TSimUnit& Unit() const { return UnitOn(FirstTransport()); }
    TSimUnit& Unit() { return transports_[FirstTransport()].Unit; }
    // The unit on a transport; nothing (kind None) where no unit was attached.
    const TSimUnit& UnitOn(const std::string& transport) const;
    // Plugs another unit in on the first transport, or on the one named. Connections
    // opened to the unit there before stay open until closed but no longer reach any
    // unit; connections on other transports are untouched.
    void AttachUnit(TSimUnit unit) { AttachUnit(FirstTransport(), std::move(unit)); }
    void AttachUnit(const std::string& transport, TSimUnit unit);
    // Back to a fresh bench. Handle numbers keep counting, so that a handle from before
    // the reset is never mistaken for a new one.
    void Reset();

    // Every transport the bench knows (a unit was attached or a call was made there), in
    // name order.
    const std::map<std::string, TSimTransport>& Transports() const { return transports_; }
    TSimTransport& Transport(const std::string& name) { return transports_[name]; }

    std::string EngineVersion = kDefaultEngineVersion;
    const TSimSpiListing& Spi() const { return spi_; }
    // Sets the listing; a non-zero Need arms the "too small" answer for the next call.
    // Ports listed here can carry units: attach them by their transport strings.
    void SetSpiListing(TSimSpiListing listing);
    bool SpiNeedPending() const { return spiNeedPending_; }
    void SetSpiNeedPending(bool pending) { spiNeedPending_ = pending; }

    // How long each library call takes, in milliseconds, where its transport has no
    // latency of its own; the host side's calls always take this.
    std::uint32_t LatencyMs = 0;
    std::uint32_t LatencyOf(const std::string& transport) const;

    TSimFaults Faults;
    // While kept, the calls the faults count, in order, as they reach the bench: call i
    // of a flow is the one `fail any 1 --after i` fails.
    std::optional<std::vector<TSimCallSite>> Journal;
    // The adapters (and the host side, kHostSide) where a call hangs: every call there
    // waits until the hang is cleared.
    bool IsHung(const std::string& transport) const { return hung_.count(transport) != 0; }
    void Hang(const std::string& transport) { hung_.insert(transport); }
    void EndHang(const std::string& transport) { hung_.erase(transport); }
    const std::set<std::string>& Hung() const { return hung_; }
    // No fault waits and no call hangs; units and settings stay.
    void ClearFaults();
    TSimCounters Counters;
    std::optional<TSimOpenRequest> LastOpen;  // the latest open call, failed ones included

    // Connections. A handle is live while it is open and the unit it was opened to is
    // still on its transport. Handles are unique over the whole bench.
    // A new non-zero handle, owned by this process.
    std::uint32_t OpenConnection(const std::string& transport);
    bool IsLive(std::uint32_t handle) const;
    // The transport of an open connection, live or not; nullptr for any other handle.
    TSimTransport* TransportOf(std::uint32_t handle);
    bool CloseConnection(std::uint32_t handle);  // false for a handle that is not open
    std::size_t OpenConnections() const { return connections_.size(); }
    // Closes the connections whose process has ended; how many.
    std::size_t CloseConnectionsOfEndedProcesses();

    // The connection bookkeeping as kept in a state file.
    std::uint32_t NextHandle() const { return nextHandle_; }
    std::uint32_t Generation() const { return generation_; }
    const std::map<std::uint32_t, TSimConnection>& Connections() const { return connections_; }
    void RestoreConnections(std::uint32_t nextHandle, std::uint32_t generation,
                            std::map<std::uint32_t, TSimConnection> connections);

private:
    std::map<std::string, TSimTransport> transports_;
    TSimSpiListing spi_;
    bool spiNeedPending_ = false;
    std::uint32_t nextHandle_ = 0x1001;
    std::uint32_t generation_ = 1;                         // bumped by each unit change
    std::map<std::uint32_t, TSimConnection> connections_;  // by handle
    std::set<std::string> hung_;
};

}  // namespace sim
