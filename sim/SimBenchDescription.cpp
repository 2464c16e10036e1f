#include "sim/SimBenchDescription.h"

#include <cstdio>
#include <map>
#include <ostream>
#include <sstream>

#include "link/UnitCodes.h"

namespace sim {

namespace {

std::string DescribeType(std::uint16_t word) {
    const unsigned type = word & devlink::kUnitTypeMask;
    const char* kind = type == devlink::kHandsetType   ? "handset"
                       : type == devlink::kGatewayType ? "gateway"
                       : type == devlink::kTavinHandsetType || type == devlink::kTavinGatewayType
                           ? "unit of the newer series"
                           : "unrecognised unit";
    return std::string(kind) + ", " + ((word & 0xFF) == devlink::kArdexEdition ? "Ardex" : "Kesto");
}

std::string DescribeVersion(std::uint16_t word) {
    char text[32];
    std::snprintf(text, sizeof text, "V%u.%u%u", (word >> 8) & 0xFu, (word >> 4) & 0xFu, word & 0xFu);
    return text;
}

void DescribeUnit(const TSimUnit& unit, std::ostream& out) {
    out << "unit: " << KindName(unit.Kind());
    if (unit.Answers()) {
        out << ", type " << FormatWord(unit.TypeWord()) << " (" << DescribeType(unit.TypeWord()) << ")"
            << ", version " << FormatWord(unit.VersionWord()) << " (" << DescribeVersion(unit.VersionWord()) << ")";
    } else {
        out << " (nothing answers)\n";
        return;
    }
    out << "\nchip: " << unit.ChipName() << "\nrestarts: " << unit.Restarts() << "\nkeys:";
    if (unit.Store().empty()) out << " none";
    out << "\n";
    for (const auto& [key, words] : unit.Store()) {
        out << "  " << FormatWord(key) << " (" << words.size() << (words.size() == 1 ? " word)" : " words)");
        if (!words.empty()) out << ": " << FormatWords(words);
        out << "\n";
    }
}

void DescribeCounters(const TSimCounters& counters, std::size_t openNow, std::ostream& out) {
    out << "opens " << counters.Opens << ", closes " << counters.Closes << ", open now " << openNow << ", reads "
        << counters.Reads << ", writes " << counters.Writes << ", restarts " << counters.Restarts << "\n";
}

}  // namespace

std::string DescribeBench(const TSimBench& bench) {
    std::ostringstream out;
    // The first transport always, with or without a unit; then every other transport
    // that holds a unit or saw a call.
    const std::string first = bench.FirstTransport();
    std::map<std::string, std::size_t> openNow;
    for (const auto& [handle, connection] : bench.Connections()) ++openNow[connection.Transport];
    auto describe = [&](const std::string& name, const TSimUnit& unit, const TSimCounters& counters) {
        out << "transport: " << name << (name == first ? " (the first transport)" : "") << "\n";
        DescribeUnit(unit, out);
        out << "calls on this transport: ";
        DescribeCounters(counters, openNow[name], out);
    };
    const auto& transports = bench.Transports();
    const auto firstPlace = transports.find(first);
    describe(first, bench.Unit(), firstPlace == transports.end() ? TSimCounters{} : firstPlace->second.Counters);
    for (const auto& [name, place] : transports) {
        const TSimCounters& c = place.Counters;
        const bool used = c.Opens + c.Closes + c.Reads + c.Writes + c.Restarts + openNow[name] != 0;
        if (name != first && (place.Unit.Answers() || used)) describe(name, place.Unit, c);
    }
    out << "pending faults:";
    if (bench.Faults.Empty()) out << " none";
    out << "\n";
    for (const TSimFault& fault : bench.Faults.Entries()) out << "  " << DescribeFault(fault) << "\n";
    for (const std::string& transport : bench.Hung())
        out << "hung: every call " << (transport == kHostSide ? "of the host side" : "on " + transport)
            << " waits until the bench is reset or cleared\n";
    if (bench.Journal) {
        out << "journal: " << bench.Journal->size() << " call(s) noted\n";
        for (std::size_t i = 0; i < bench.Journal->size(); ++i)
            out << "  " << i << " " << DescribeCall((*bench.Journal)[i]) << "\n";
    }
    out << "counters: ";
    DescribeCounters(bench.Counters, bench.OpenConnections(), out);
    out << "latency: " << bench.LatencyMs << " ms per library call";
    for (const auto& [name, place] : bench.Transports())
        if (place.LatencyMs) out << ", " << *place.LatencyMs << " ms on " << name;
    out << "\nengine version: " << bench.EngineVersion << "\n";
    const TSimSpiListing& spi = bench.Spi();
    out << "spi ports: ";
    if (spi.PortNames.empty() && spi.Transports.empty() && spi.Result == 0 && spi.Need == 0) {
        out << "none\n";
    } else {
        out << "\"" << spi.PortNames << "\" / \"" << spi.Transports << "\", result " << spi.Result;
        if (spi.Need != 0) out << ", first call needs capacity " << spi.Need;
        out << "\n";
    }
    return out.str();
}

}  // namespace sim
