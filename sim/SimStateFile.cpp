#include "sim/SimStateFile.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

#include "sim/BenchVocabulary.h"
#include "ui/LocalFiles.h"

namespace sim {

namespace {

constexpr const char* kLockSuffix = ".lock";
constexpr const char* kFileName = "sim-unit.txt";

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string CounterOptions(const TSimCounters& counters) {
    return "opens=" + std::to_string(counters.Opens) + " closes=" + std::to_string(counters.Closes) +
           " reads=" + std::to_string(counters.Reads) + " writes=" + std::to_string(counters.Writes) +
           " restarts=" + std::to_string(counters.Restarts);
}

std::string TransportOption(const std::optional<std::string>& transport) {
    return transport ? " transport=" + QuoteBenchText(*transport) : "";
}

// A fault as the command that arms it, with what is left of its counts.
std::string FaultLine(const TSimFault& fault) {
    std::string line = FaultName(fault.Kind);
    if (fault.Kind == TSimFaultKind::ReadLength) {
        line.append(" ").append(std::to_string(fault.Length));
    } else {
        line.append(" ").append(CallName(fault.Call));
    }
    if (fault.Kind == TSimFaultKind::Fail || fault.Kind == TSimFaultKind::Corrupt)
        line.append(" ").append(std::to_string(fault.Count));
    if (fault.After != 0) line.append(" after=").append(std::to_string(fault.After));
    if (fault.ForMs) line.append(" for=").append(std::to_string(*fault.ForMs));
    if (fault.Key) line.append(" key=").append(Hex(*fault.Key, 4));
    return line + TransportOption(fault.Transport);
}

bool Used(const TSimCounters& counters) {
    return counters.Opens + counters.Closes + counters.Reads + counters.Writes + counters.Restarts != 0;
}

}  // namespace

std::string FormatBenchState(const TSimBench& bench) {
    std::ostringstream out;
    out << "# ZENTA simulated bench: the units on the programming transports and the bench around them.\n"
        << "# Kept by the simulator and `zenta sim`; see docs/simulator.md.\n"
        << "format " << kBenchStateFormat << "\n"
        << "\n# faults waiting for the calls to come, and the adapters that hang\n";
    for (const TSimFault& fault : bench.Faults.Entries()) out << FaultLine(fault) << "\n";
    for (const std::string& transport : bench.Hung()) out << "hung " << QuoteBenchText(transport) << "\n";
    if (bench.Journal) {
        out << "\n# the calls noted, in order\njournal on\n";
        for (const TSimCallSite& site : *bench.Journal) {
            out << "called " << CallName(site.Call);
            if (site.Key) out << " key=" << Hex(*site.Key, 4);
            if (site.Transport != kHostSide) out << TransportOption(site.Transport);
            out << "\n";
        }
    }
    const TSimSpiListing& spi = bench.Spi();
    out << "\n# the host side\n"
        << "engine-version " << QuoteBenchText(bench.EngineVersion) << "\n"
        << "spi-ports " << QuoteBenchText(spi.PortNames) << ' ' << QuoteBenchText(spi.Transports)
        << " result=" << spi.Result << " need=" << spi.Need << " pending=" << (bench.SpiNeedPending() ? 1 : 0) << "\n"
        << "latency " << bench.LatencyMs << "\n";
    for (const auto& [name, place] : bench.Transports())
        if (place.LatencyMs) out << "latency " << *place.LatencyMs << TransportOption(name) << "\n";
    out << "counters " << CounterOptions(bench.Counters) << "\n";
    if (bench.LastOpen) {
        out << "last-open " << (bench.LastOpen->Kind == TSimOpenKind::Spi ? "spi " : "transport ")
            << QuoteBenchText(bench.LastOpen->Target) << "\n";
    }
    out << "handles next=" << Hex(bench.NextHandle(), 8) << " generation=" << bench.Generation() << "\n";

    std::map<std::string, std::vector<std::pair<std::uint32_t, const TSimConnection*>>> connections;
    for (const auto& [handle, connection] : bench.Connections())
        connections[connection.Transport].emplace_back(handle, &connection);
    for (const auto& [name, place] : bench.Transports()) {
        const TSimUnit& unit = place.Unit;
        if (!unit.Answers() && !Used(place.Counters) && connections.count(name) == 0) continue;
        out << "\n# the unit on " << QuoteBenchText(name) << "\n"
            << "transport " << QuoteBenchText(name) << " unit=" << KindName(unit.Kind())
            << " generation=" << place.Generation << ' ' << CounterOptions(place.Counters) << "\n"
            << "chip " << QuoteBenchText(unit.ChipName()) << "\n"
            << "restarts " << unit.Restarts() << "\n";
        for (const auto& [key, words] : unit.Store()) {
            out << "pskey " << Hex(key, 4);
            for (const std::uint16_t word : words) out << ' ' << Hex(word, 4);
            out << "\n";
        }
        for (const auto& [handle, connection] : connections[name]) {
            out << "connection " << Hex(handle, 8) << " generation=" << connection->Generation;
            if (connection->Owner.Id != 0) out << " process=" << FormatOwner(connection->Owner);
            out << "\n";
        }
    }
    return out.str();
}

bool ParseBenchState(std::string_view text, TSimBench& bench, std::string* error) {
    TSimBench parsed = TSimBench::Empty();
    TBenchReader reader(TBenchSource::StateFile);
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        TBenchLine words;
        std::string problem;
        bool ok = SplitBenchLine(line, words, problem);
        if (ok && !words.empty() && !words.front().Text.starts_with('#')) {
            const std::string& word = words.front().Text;
            if (!reader.Knows(word)) {
                problem = "unknown entry " + QuoteBenchText(word);
                ok = false;
            } else if (const auto change = reader.Read(words, problem)) {
                (*change)(parsed);
            } else {
                problem = std::string(word).append(": ").append(problem);
                ok = false;
            }
        }
        if (!ok) {
            if (error) *error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    reader.Finish(parsed);
    bench = std::move(parsed);
    return true;
}

namespace {

// An environment variable's value; the Windows one is read as UTF-16, so that a profile
// folder outside the ANSI code page stays what it is.
std::optional<std::filesystem::path> Environment(const char* name) {
#ifdef _WIN32
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wide.c_str());
#else
    const char* value = std::getenv(name);
#endif
    if (value == nullptr || *value == 0) return std::nullopt;
    return std::filesystem::path(value);
}

}  // namespace

std::filesystem::path TSimStateFile::DefaultPath() {
    if (auto chosen = Environment("ZENTA_SIM_STATE")) return *chosen;
#ifdef _WIN32
    if (auto local = Environment("LOCALAPPDATA")) return *local / "ZENTA" / kFileName;
#else
    if (auto home = Environment("HOME")) return *home / ".zenta" / kFileName;
#endif
    std::error_code ignored;
    return std::filesystem::temp_directory_path(ignored) / (std::string("zenta-") + kFileName);
}

std::optional<TFileLock> TSimStateFile::Lock(std::string* error) const {
    std::filesystem::path lockFile = path_;
    lockFile += kLockSuffix;
    if (lockFile.has_parent_path() && !ui::CreateFolders(ui::Utf8OfPath(lockFile.parent_path()))) {
        if (error) *error = ui::Utf8OfPath(path_) + ": cannot create the folder";
        return std::nullopt;
    }
    return TFileLock::Hold(lockFile, error);
}

bool TSimStateFile::Exists() const { return ui::PathExists(ui::Utf8OfPath(path_)); }

bool TSimStateFile::Load(TSimBench& bench, std::string* error) const {
    const std::string path = ui::Utf8OfPath(path_);
    auto fail = [&](const std::string& message) {
        if (error) *error = path + ": " + message;
        return false;
    };
    if (!ui::PathExists(path)) {
        bench = TSimBench();
        return true;
    }
    if (ui::IsFolder(path)) return fail("not a file");
    const std::optional<std::string> text = ui::ReadWholeFile(path);
    if (!text) return fail("cannot be read");
    std::string problem;
    if (!ParseBenchState(*text, bench, &problem)) return fail(problem);
    // A process that ended without closing its connections (a killed worker) leaves
    // them to no one.
    bench.CloseConnectionsOfEndedProcesses();
    return true;
}

bool TSimStateFile::Save(const TSimBench& bench, std::string* error) const {
    const std::string path = ui::Utf8OfPath(path_);
    auto fail = [&](const std::string& message) {
        if (error) *error = path + ": " + message;
        return false;
    };
    const std::filesystem::path folder = path_.has_parent_path() ? path_.parent_path() : std::filesystem::path(".");
    if (!ui::CreateFolders(ui::Utf8OfPath(folder))) return fail("cannot create the folder");
    if (!ui::ReplaceFileContent(path, FormatBenchState(bench))) return fail("cannot be written");
    return true;
}

}  // namespace sim
