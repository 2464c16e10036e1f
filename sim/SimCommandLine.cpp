#include "sim/SimCommandLine.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>

#include "link/UnitCodes.h"
#include "ui/LocalFiles.h"

namespace sim {

namespace {

constexpr const char* kUsage =
    "usage: zenta sim COMMAND\n"
    "\n"
    "Shows or changes the simulated unit on the bench, the stand-in for a unit in\n"
    "programming mode on the link. The programmer and this command share it through\n"
    "the bench state file.\n"
    "\n"
    "commands:\n"
    "  show                             the unit, its PS keys, pending faults, counters\n"
    "  attach handset|gateway|tavin|unknown|none [--edition ardex|kesto] [--version 0xVVVV]\n"
    "                                   plug in another unit at factory settings\n"
    "                                   (default edition ardex, version 0x0205)\n"
    "  fail read|write|open N [--key 0xKEY]\n"
    "                                   make the next N such calls fail (only those for\n"
    "                                   key 0xKEY with --key; N = 0 cancels)\n"
    "  reset                            back to a factory handset, no faults, counters 0\n"
    "  --help                           this text\n"
    "\n"
    "state file: $ZENTA_SIM_STATE when set, else the default location (see 'show').\n";

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

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

struct TUsageError {
    std::string Message;
};

// Options of the form "--name VALUE" or "--name=VALUE" after the positional arguments.
class TOptions {
public:
    TOptions(const std::vector<std::string>& args, std::size_t from) {
        for (std::size_t i = from; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg.rfind("--", 0) != 0) throw TUsageError{"unexpected argument '" + arg + "'"};
            const std::size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                Add(arg.substr(0, equals), arg.substr(equals + 1));
            } else if (i + 1 < args.size()) {
                Add(arg, args[++i]);
            } else {
                throw TUsageError{"option " + arg + " needs a value"};
            }
        }
    }
    std::optional<std::string> Take(const std::string& name) {
        const auto found = values_.find(name);
        if (found == values_.end()) return std::nullopt;
        std::string value = found->second;
        values_.erase(found);
        return value;
    }
    void NoneLeft() const {
        if (!values_.empty()) throw TUsageError{"unknown option " + values_.begin()->first};
    }

private:
    void Add(const std::string& name, std::string value) {
        if (!values_.emplace(name, std::move(value)).second) throw TUsageError{"option " + name + " given twice"};
    }
    std::map<std::string, std::string> values_;
};

std::uint32_t Number(const std::string& text, std::uint32_t max, const std::string& what) {
    const auto value = ParseNumber(text, max);
    if (!value) throw TUsageError{"bad " + what + " '" + text + "'"};
    return *value;
}

int Fail(std::ostream& err, const std::string& message) {
    err << "zenta sim: " << message << "\n";
    return 1;
}

int Show(const TSimStateFile& file, std::ostream& out, std::ostream& err) {
    TSimBench bench;
    std::string error;
    const auto lock = file.Lock(&error);
    if (!lock) return Fail(err, error);
    if (!file.Load(bench, &error)) return Fail(err, error + " (zenta sim reset starts afresh)");
    out << "state file: " << ui::Utf8OfPath(file.Path())
        << (file.Exists() ? "" : " (not written yet: a factory handset)") << "\n"
        << DescribeBench(bench);
    return 0;
}

// Loads the bench, lets `change` alter it, saves it and prints what `change` says.
template <typename TChange>
int Change(const TSimStateFile& file, std::ostream& out, std::ostream& err, TChange change) {
    TSimBench bench;
    std::string error;
    const auto lock = file.Lock(&error);
    if (!lock) return Fail(err, error);
    if (!file.Load(bench, &error)) return Fail(err, error + " (zenta sim reset starts afresh)");
    const std::string done = change(bench);
    if (!file.Save(bench, &error)) return Fail(err, error);
    out << done << "\n";
    return 0;
}

int Attach(const std::vector<std::string>& args, const TSimStateFile& file, std::ostream& out,
           std::ostream& err) {
    if (args.size() < 2) throw TUsageError{"attach needs a unit: handset|gateway|tavin|unknown|none"};
    const auto kind = ParseKind(args[1]);
    if (!kind) throw TUsageError{"unknown unit '" + args[1] + "' (handset|gateway|tavin|unknown|none)"};
    TOptions options(args, 2);
    TEdition edition = TEdition::Ardex;
    std::uint16_t version = kDefaultVersionWord;
    if (const auto text = options.Take("--edition")) {
        const auto parsed = ParseEdition(*text);
        if (!parsed) throw TUsageError{"unknown edition '" + *text + "' (ardex|kesto)"};
        edition = *parsed;
    }
    if (const auto text = options.Take("--version")) {
        version = static_cast<std::uint16_t>(Number(*text, 0xFFFF, "version word"));
    }
    options.NoneLeft();
    if (*kind == TUnitKind::None && args.size() > 2) throw TUsageError{"attach none takes no options"};
    return Change(file, out, err, [&](TSimBench& bench) {
        bench.AttachUnit(TSimUnit::Factory(*kind, edition, version));
        if (*kind == TUnitKind::None) return std::string("nothing on the link now");
        return "attached a " + std::string(KindName(*kind)) + ", type " +
               Hex4(bench.Unit().TypeWord()) + ", version " + Hex4(version);
    });
}

int FailCommand(const std::vector<std::string>& args, const TSimStateFile& file, std::ostream& out,
                std::ostream& err) {
    if (args.size() < 3) throw TUsageError{"fail needs a call and a count: fail read|write|open N"};
    const auto call = ParseCall(args[1]);
    if (!call) throw TUsageError{"unknown call '" + args[1] + "' (read|write|open)"};
    const unsigned count = Number(args[2], 0xFFFFFFFF, "count");
    TOptions options(args, 3);
    std::optional<std::uint16_t> key;
    if (const auto text = options.Take("--key")) {
        if (*call == TSimCall::Open) throw TUsageError{"an open has no key"};
        key = static_cast<std::uint16_t>(Number(*text, 0xFFFF, "key id"));
    }
    options.NoneLeft();
    return Change(file, out, err, [&](TSimBench& bench) {
        bench.Faults.FailNext(*call, count, key);
        return "the next " + std::to_string(count) + " " + CallName(*call) + " call(s)" +
               (key ? " for key " + Hex4(*key) : std::string()) + " fail";
    });
}

void DescribeUnit(const TSimUnit& unit, std::ostream& out) {
    out << "unit: " << KindName(unit.Kind());
    if (unit.Answers()) {
        out << ", type " << Hex4(unit.TypeWord()) << " (" << DescribeType(unit.TypeWord()) << ")"
            << ", version " << Hex4(unit.VersionWord()) << " (" << DescribeVersion(unit.VersionWord()) << ")";
    } else {
        out << " (nothing answers)\n";
        return;
    }
    out << "\nchip: " << unit.ChipName() << "\nrestarts: " << unit.Restarts() << "\nkeys:";
    if (unit.Store().empty()) out << " none";
    out << "\n";
    for (const auto& [key, words] : unit.Store()) {
        out << "  " << Hex4(key) << " (" << words.size() << (words.size() == 1 ? " word)" : " words)");
        if (!words.empty()) out << ": " << FormatWords(words);
        out << "\n";
    }
}

void DescribeCounters(const TSimCounters& counters, std::size_t openNow, std::ostream& out) {
    out << "opens " << counters.Opens << ", closes " << counters.Closes << ", open now " << openNow
        << ", reads " << counters.Reads << ", writes " << counters.Writes << ", restarts " << counters.Restarts
        << "\n";
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
    for (const auto& entry : bench.Faults.Entries()) {
        out << "  next " << entry.Count << " " << CallName(entry.Call) << " call(s)"
            << (entry.Key ? " for key " + Hex4(*entry.Key) : std::string()) << " fail\n";
    }
    for (const auto& entry : bench.Faults.Misreports()) {
        out << "  next successful read" << (entry.Key ? " of key " + Hex4(*entry.Key) : std::string())
            << " reports " << entry.Length << " words\n";
    }
    out << "counters: ";
    DescribeCounters(bench.Counters, bench.OpenConnections(), out);
    out << "latency: " << bench.LatencyMs << " ms per library call\n"
        << "engine version: " << bench.EngineVersion << "\n";
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

int RunSimCommandLine(const std::vector<std::string>& args, const TSimStateFile& stateFile,
                      std::ostream& out, std::ostream& err) {
    try {
        if (args.empty()) throw TUsageError{"missing command (show, attach, fail, reset; --help)"};
        const std::string& command = args[0];
        if (command == "--help" || command == "-h" || command == "help") {
            out << kUsage;
            return 0;
        }
        if (command == "show") {
            if (args.size() > 1) throw TUsageError{"show takes no arguments"};
            return Show(stateFile, out, err);
        }
        if (command == "attach") return Attach(args, stateFile, out, err);
        if (command == "fail") return FailCommand(args, stateFile, out, err);
        if (command == "reset") {
            if (args.size() > 1) throw TUsageError{"reset takes no arguments"};
            // An unreadable file is replaced: reset is the way out of one.
            TSimBench bench;
            std::string error;
            const auto lock = stateFile.Lock(&error);
            if (!lock) return Fail(err, error);
            if (stateFile.Load(bench, &error)) {
                bench.Reset();
            } else {
                bench = TSimBench();
            }
            if (!stateFile.Save(bench, &error)) return Fail(err, error);
            out << "a factory handset on the link, no faults, counters at zero\n";
            return 0;
        }
        throw TUsageError{"unknown command '" + command + "' (show, attach, fail, reset; --help)"};
    } catch (const TUsageError& usage) {
        err << "zenta sim: " << usage.Message << "\n";
        return 2;
    }
}

}  // namespace sim
