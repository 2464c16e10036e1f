#pragma once
// The bench of simulated units: one unit per transport (an SPI port's transport string or
// a USB device path), the faults waiting to be injected into the next library calls, the
// host-side settings of the simulated libraries (version text, SPI port listing, the time
// each call takes), the open connections and the call counters.
// A bench lives in memory (the script driver keeps one per script) or in a state file
// (SimStateFile.h) that program runs and the `zenta sim` command share.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/SimUnit.h"

namespace sim {

inline constexpr const char* kDefaultEngineVersion = "TestEngine (simulated) 1.0";

// The library calls into which faults can be injected.
enum class TSimCall { Open, Read, Write };

const char* CallName(TSimCall call);
std::optional<TSimCall> ParseCall(std::string_view name);

// Faults waiting for the next calls. Each entry is "the next N such calls fail", either
// for every key or for one key only; a call fails when any entry that covers it is
// pending, and it counts down every entry that covers it. Setting an entry replaces its
// count (0 removes it). Opens have no key.
class TSimFaults {
public:
    struct TEntry {
        TSimCall Call = TSimCall::Read;
        std::optional<std::uint16_t> Key;  // empty: every key
        unsigned Count = 0;
    };
    struct TMisreport {
        std::optional<std::uint16_t> Key;  // empty: the next successful read of any key
        std::uint16_t Length = 0;
    };

    void FailNext(TSimCall call, unsigned count, std::optional<std::uint16_t> key = std::nullopt);
    unsigned Pending(TSimCall call, std::optional<std::uint16_t> key = std::nullopt) const;
    // For a call that reached the unit: true when it must fail; counts down its entries.
    bool TakeFailure(TSimCall call, std::optional<std::uint16_t> key = std::nullopt);

    // The next successful read (of `key`, or of any key) reports `length` words whatever
    // the unit holds. A report for the key wins over one for any key; both are used up.
    void MisreportNextRead(std::uint16_t length, std::optional<std::uint16_t> key = std::nullopt);
    std::optional<std::uint16_t> PendingMisreport(std::optional<std::uint16_t> key = std::nullopt) const;
    std::optional<std::uint16_t> TakeMisreport(std::uint16_t key);

    bool Empty() const { return failures_.empty() && misreports_.empty(); }
    void Clear();
    // In a stable order: opens, reads, writes; every key before each key in id order.
    std::vector<TEntry> Entries() const;
    std::vector<TMisreport> Misreports() const;

private:
    // Key -1 stands for "every key".
    std::map<std::pair<TSimCall, std::int32_t>, unsigned> failures_;
    std::map<std::int32_t, std::uint16_t> misreports_;
};

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
// change it came with, and the calls made on this transport, across its unit changes.
struct TSimTransport {
    TSimUnit Unit;
    std::uint32_t Generation = 0;
    TSimCounters Counters;
};

// An open connection: the transport it was opened on and the unit change it belongs to.
struct TSimConnection {
    std::string Transport;
    std::uint32_t Generation = 0;
};

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

    // How long each library call takes, in milliseconds.
    std::uint32_t LatencyMs = 0;

    TSimFaults Faults;
    TSimCounters Counters;
    std::optional<TSimOpenRequest> LastOpen;  // the latest open call, failed ones included

    // Connections. A handle is live while it is open and the unit it was opened to is
    // still on its transport. Handles are unique over the whole bench.
    std::uint32_t OpenConnection(const std::string& transport);  // a new non-zero handle
    bool IsLive(std::uint32_t handle) const;
    // The transport of an open connection, live or not; nullptr for any other handle.
    TSimTransport* TransportOf(std::uint32_t handle);
    bool CloseConnection(std::uint32_t handle);  // false for a handle that is not open
    std::size_t OpenConnections() const { return connections_.size(); }

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
};

}  // namespace sim
