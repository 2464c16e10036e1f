#pragma once
// The faults a bench holds for the library calls to come. Each is armed for one kind of
// call (or any), optionally for one PS key and one transport, and waits until `After`
// such calls have gone by; then it does its work on the calls that follow:
//   fail         the next Count calls fail, touching nothing
//   hang         the next call hangs, and with it its adapter, until the bench is reset
//                or cleared, or for a time of its own
//   pull         the unit goes from the transport once the After calls have been made
//   corrupt      the next Count writes report success and store other words (reads:
//                report other words than the unit holds)
//   read-length  the next successful read reports Length words whatever it copied
// Only calls that reach something count: every open, the calls of the host side
// (version, SPI listing), and the calls whose handle reaches a unit; a call with a handle
// to nothing uses no fault up.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// The library calls as faults name them. Any stands for every kind of call.
enum class TSimCall { Open, Close, Read, Write, Restart, ChipName, Version, ListSpi, Any };

const char* CallName(TSimCall call);
std::optional<TSimCall> ParseCall(std::string_view name);
// Every name ParseCall takes, comma-separated, for messages.
std::string CallNames();
// Reads and writes name a PS key.
bool TakesKey(TSimCall call);
// The version and the SPI listing reach the host's library, not a transport.
bool ReachesTransport(TSimCall call);

enum class TSimFaultKind { Fail, Hang, Pull, Corrupt, ReadLength };

const char* FaultName(TSimFaultKind kind);

struct TSimFault {
    TSimFaultKind Kind = TSimFaultKind::Fail;
    TSimCall Call = TSimCall::Read;
    std::optional<std::uint16_t> Key;      // reads and writes of this key only
    std::optional<std::string> Transport;  // calls on this transport only; empty: on every one
    std::uint32_t After = 0;               // covered calls still to go by untouched
    std::uint32_t Count = 1;               // fail, corrupt: the calls it still works on
    std::uint16_t Length = 0;              // read-length: the length reported
    std::optional<std::uint32_t> ForMs;    // hang: how long, when not until the bench is cleared

    // Same kind, call, key and transport: a new entry replaces an old one.
    bool SameSlot(const TSimFault& other) const;
};

// One call as the faults see it. Transport is empty for the host side's calls.
struct TSimCallSite {
    TSimCall Call = TSimCall::Read;
    std::string Transport;
    std::optional<std::uint16_t> Key;
};

// What the faults due for one call make of it.
struct TSimVerdict {
    bool Hang = false;
    std::optional<std::uint32_t> HangForMs;
    bool Fail = false;
    bool Corrupt = false;
    // Where units are pulled once the call is made: the fault's transport, or none for
    // the call's own.
    std::vector<std::optional<std::string>> Pulls;
    std::optional<std::size_t> ReadLengthDue;  // the entry a successful read uses up
};

class TSimFaults {
public:
    // Arms a fault, replacing the one in the same slot; a fail or corrupt of Count 0
    // removes it. A pull with After 0 is the caller's to carry out at once.
    void Arm(TSimFault fault);

    // The ways tests and older callers arm faults: the next `count` calls of a kind (of
    // one key) fail, on any transport; the next successful read reports `length`.
    void FailNext(TSimCall call, unsigned count, std::optional<std::uint16_t> key = std::nullopt);
    void MisreportNextRead(std::uint16_t length, std::optional<std::uint16_t> key = std::nullopt);
    // The count of the fail entry of that call and key on every transport; 0 for none.
    unsigned Pending(TSimCall call, std::optional<std::uint16_t> key = std::nullopt) const;

    // For a call that counts: counts down the After of every entry covering it and takes
    // the ones due.
    TSimVerdict Take(const TSimCallSite& site);
    // After a successful read: the length the entry due for it reports, which is used up.
    std::optional<std::uint16_t> TakeReadLength(const TSimVerdict& verdict);

    bool Empty() const { return entries_.empty(); }
    void Clear() { entries_.clear(); }
    // In the order they were armed.
    const std::vector<TSimFault>& Entries() const { return entries_; }

private:
    std::vector<TSimFault> entries_;
};

// One line saying what a fault does ("the next 2 read call(s) of key 0x02AB fail").
std::string DescribeFault(const TSimFault& fault);
// A call as a journal lists it ("read of key 0x02A9 on \\.\CSR0").
std::string DescribeCall(const TSimCallSite& site);

}  // namespace sim
