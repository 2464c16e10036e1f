#include "sim/SimFaults.h"

#include <algorithm>
#include <array>
#include <utility>

#include "sim/SimUnit.h"

namespace sim {

namespace {

constexpr std::array<std::pair<TSimCall, const char*>, 9> kCallNames{{
    {TSimCall::Open, "open"},
    {TSimCall::Close, "close"},
    {TSimCall::Read, "read"},
    {TSimCall::Write, "write"},
    {TSimCall::Restart, "restart"},
    {TSimCall::ChipName, "chip-name"},
    {TSimCall::Version, "version"},
    {TSimCall::ListSpi, "list-spi"},
    {TSimCall::Any, "any"},
}};

bool Covers(const TSimFault& fault, const TSimCallSite& site) {
    if (fault.Call != TSimCall::Any && fault.Call != site.Call) return false;
    if (fault.Key && site.Key != fault.Key) return false;
    if (fault.Transport && *fault.Transport != site.Transport) return false;
    return fault.Kind != TSimFaultKind::ReadLength || site.Call == TSimCall::Read;
}

// "2 read call(s)", "2 more call(s) of any kind", "read call".
std::string Calls(TSimCall call, std::optional<std::uint32_t> count, bool more = false) {
    std::string text = count ? std::to_string(*count) + " " : "";
    if (more) text.append("more ");
    if (call != TSimCall::Any) text.append(CallName(call)).append(" ");
    text.append(count ? "call(s)" : "call");
    return call == TSimCall::Any ? text.append(" of any kind") : text;
}

std::string Where(const std::optional<std::uint16_t>& key, const std::optional<std::string>& transport) {
    std::string text;
    if (key) text.append(" of key ").append(FormatWord(*key));
    if (transport) text.append(" on ").append(*transport);
    return text;
}

std::string Where(const TSimFault& fault) { return Where(fault.Key, fault.Transport); }

}  // namespace

const char* CallName(TSimCall call) {
    for (const auto& [each, name] : kCallNames)
        if (each == call) return name;
    return "any";
}

std::optional<TSimCall> ParseCall(std::string_view name) {
    for (const auto& [call, each] : kCallNames)
        if (name == each) return call;
    return std::nullopt;
}

std::string CallNames() {
    std::string names;
    for (const auto& [call, name] : kCallNames)
        names.append(names.empty() ? "" : call == TSimCall::Any ? " or " : ", ").append(name);
    return names;
}

bool TakesKey(TSimCall call) { return call == TSimCall::Read || call == TSimCall::Write; }

bool ReachesTransport(TSimCall call) { return call != TSimCall::Version && call != TSimCall::ListSpi; }

const char* FaultName(TSimFaultKind kind) {
    switch (kind) {
    case TSimFaultKind::Fail: return "fail";
    case TSimFaultKind::Hang: return "hang";
    case TSimFaultKind::Pull: return "pull";
    case TSimFaultKind::Corrupt: return "corrupt";
    case TSimFaultKind::ReadLength: break;
    }
    return "read-length";
}

bool TSimFault::SameSlot(const TSimFault& other) const {
    return Kind == other.Kind && Call == other.Call && Key == other.Key && Transport == other.Transport;
}

void TSimFaults::Arm(TSimFault fault) {
    std::erase_if(entries_, [&](const TSimFault& entry) { return entry.SameSlot(fault); });
    const bool counted = fault.Kind == TSimFaultKind::Fail || fault.Kind == TSimFaultKind::Corrupt;
    if (!counted || fault.Count != 0) entries_.push_back(std::move(fault));
}

void TSimFaults::FailNext(TSimCall call, unsigned count, std::optional<std::uint16_t> key) {
    TSimFault fault;
    fault.Call = call;
    fault.Key = TakesKey(call) ? key : std::nullopt;
    fault.Count = count;
    Arm(std::move(fault));
}

void TSimFaults::MisreportNextRead(std::uint16_t length, std::optional<std::uint16_t> key) {
    TSimFault fault;
    fault.Kind = TSimFaultKind::ReadLength;
    fault.Key = key;
    fault.Length = length;
    Arm(std::move(fault));
}

unsigned TSimFaults::Pending(TSimCall call, std::optional<std::uint16_t> key) const {
    TSimFault slot;
    slot.Call = call;
    slot.Key = key;
    for (const TSimFault& entry : entries_)
        if (entry.SameSlot(slot)) return entry.Count;
    return 0;
}

TSimVerdict TSimFaults::Take(const TSimCallSite& site) {
    TSimVerdict verdict;
    std::vector<bool> spent(entries_.size(), false);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        TSimFault& fault = entries_[i];
        if (!Covers(fault, site)) continue;
        if (fault.Kind == TSimFaultKind::Pull) {
            // A pull counts the call it waits for as made.
            if (fault.After > 0 && --fault.After == 0) {
                verdict.Pulls.push_back(fault.Transport);
                spent[i] = true;
            }
            continue;
        }
        if (fault.After > 0) {
            --fault.After;
            continue;
        }
        switch (fault.Kind) {
        case TSimFaultKind::Fail:
            verdict.Fail = true;
            spent[i] = --fault.Count == 0;
            break;
        case TSimFaultKind::Corrupt:
            verdict.Corrupt = true;
            spent[i] = --fault.Count == 0;
            break;
        case TSimFaultKind::Hang:
            verdict.Hang = true;
            verdict.HangForMs = fault.ForMs;
            spent[i] = true;
            break;
        case TSimFaultKind::ReadLength:
            // One for the key wins over one for any key.
            if (!verdict.ReadLengthDue || (fault.Key && !entries_[*verdict.ReadLengthDue].Key))
                verdict.ReadLengthDue = i;
            break;
        case TSimFaultKind::Pull: break;
        }
    }
    std::vector<TSimFault> kept;
    std::optional<std::size_t> due;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (spent[i]) continue;
        if (verdict.ReadLengthDue == i) due = kept.size();
        kept.push_back(std::move(entries_[i]));
    }
    entries_ = std::move(kept);
    verdict.ReadLengthDue = due;
    return verdict;
}

std::optional<std::uint16_t> TSimFaults::TakeReadLength(const TSimVerdict& verdict) {
    if (!verdict.ReadLengthDue || *verdict.ReadLengthDue >= entries_.size()) return std::nullopt;
    const auto at = entries_.begin() + static_cast<std::ptrdiff_t>(*verdict.ReadLengthDue);
    const std::uint16_t length = at->Length;
    entries_.erase(at);
    return length;
}

std::string DescribeFault(const TSimFault& fault) {
    std::string text;
    switch (fault.Kind) {
    case TSimFaultKind::Pull:
        text = "once " + Calls(fault.Call, fault.After, true) + " have been made, the unit on ";
        return text.append(fault.Transport.value_or("the transport of the last one")).append(" is pulled");
    case TSimFaultKind::Fail: text = "the next " + Calls(fault.Call, fault.Count) + Where(fault) + " fail"; break;
    case TSimFaultKind::Corrupt:
        text = "the next " + Calls(fault.Call, fault.Count) + Where(fault) +
               (fault.Call == TSimCall::Read ? " report other words than the unit holds"
                                             : " report success and store other words");
        break;
    case TSimFaultKind::Hang:
        text = "the next " + Calls(fault.Call, std::nullopt) + Where(fault) + " hangs";
        text.append(fault.ForMs ? " for " + std::to_string(*fault.ForMs) + " ms"
                                : " until the bench is reset or cleared");
        break;
    case TSimFaultKind::ReadLength:
        text = "the next successful read" + Where(fault) + " reports " + std::to_string(fault.Length) + " words";
        break;
    }
    if (fault.After > 0) text.append(", after ").append(std::to_string(fault.After)).append(" more");
    return text;
}

std::string DescribeCall(const TSimCallSite& site) {
    std::optional<std::string> transport;
    if (!site.Transport.empty()) transport = site.Transport;
    return CallName(site.Call) + Where(site.Key, transport);
}

}  // namespace sim
