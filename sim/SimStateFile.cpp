#include "sim/SimStateFile.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <sstream>
#include <system_error>
#include <vector>

#include "ui/LocalFiles.h"

namespace sim {

namespace {

// Format 1 held one unit; its unit entries stand before any transport line and mean the
// unit on the first transport. Format 2 holds one unit per transport.
constexpr int kFormatVersion = 2;
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kFileName = "sim-unit.txt";

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default: quoted += c;
        }
    }
    return quoted + "\"";
}

std::string KeyOption(const std::optional<std::uint16_t>& key) { return key ? " key=" + Hex(*key, 4) : ""; }

// One line split into blank-separated tokens; a token in double quotes may hold blanks
// and the escapes written by Quoted.
bool Tokenize(const std::string& line, std::vector<std::string>& tokens, std::string& error) {
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        if (at >= line.size()) return true;
        std::string token;
        if (line[at] == '"') {
            ++at;
            bool closed = false;
            while (at < line.size()) {
                const char c = line[at++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    token += c;
                    continue;
                }
                if (at >= line.size()) break;
                const char escaped = line[at++];
                switch (escaped) {
                case 'n': token += '\n'; break;
                case 'r': token += '\r'; break;
                case 't': token += '\t'; break;
                case '"': token += '"'; break;
                case '\\': token += '\\'; break;
                default: error = std::string("unknown escape \\") + escaped; return false;
                }
            }
            if (!closed) {
                error = "unterminated quoted text";
                return false;
            }
        } else {
            while (at < line.size() && line[at] != ' ' && line[at] != '\t') token += line[at++];
        }
        tokens.push_back(std::move(token));
    }
}

std::string CounterOptions(const TSimCounters& counters) {
    return "opens=" + std::to_string(counters.Opens) + " closes=" + std::to_string(counters.Closes) +
           " reads=" + std::to_string(counters.Reads) + " writes=" + std::to_string(counters.Writes) +
           " restarts=" + std::to_string(counters.Restarts);
}

// One entry line being read: its tokens (the entry word first) and its NAME=VALUE
// options, which each reader takes out one by one until none may be left.
class TEntryLine {
public:
    TEntryLine(const std::vector<std::string>& tokens, std::string& error) : Tokens(tokens), error_(error) {}

    std::size_t Arguments() const { return Tokens.size() - 1; }

    bool Fail(const std::string& message) {
        error_ = message;
        return false;
    }
    bool Number(const std::string& text, std::uint32_t max, std::uint32_t& out) {
        const auto value = ParseNumber(text, max);
        if (!value) return Fail("bad number '" + text + "'");
        out = *value;
        return true;
    }
    // The tokens from `from` on as NAME=VALUE options.
    bool Options(std::size_t from) {
        for (std::size_t i = from; i < Tokens.size(); ++i) {
            const std::size_t equals = Tokens[i].find('=');
            if (equals == std::string::npos || equals == 0)
                return Fail("expected NAME=VALUE, found '" + Tokens[i] + "'");
            options_[Tokens[i].substr(0, equals)] = Tokens[i].substr(equals + 1);
        }
        return true;
    }
    bool Has(const char* name) const { return options_.count(name) != 0; }
    // The option's number into `out`, which keeps its value when the option is not given.
    bool Option(const char* name, std::uint32_t max, std::uint32_t& out) {
        const auto found = options_.find(name);
        if (found == options_.end()) return true;
        const bool ok = Number(found->second, max, out);
        options_.erase(found);
        return ok;
    }
    bool NoOtherOptions() { return options_.empty() || Fail("unknown option '" + options_.begin()->first + "'"); }
    bool CounterOptions(TSimCounters& counters) {
        return Option("opens", 0xFFFFFFFF, counters.Opens) && Option("closes", 0xFFFFFFFF, counters.Closes) &&
               Option("reads", 0xFFFFFFFF, counters.Reads) && Option("writes", 0xFFFFFFFF, counters.Writes) &&
               Option("restarts", 0xFFFFFFFF, counters.Restarts);
    }

    const std::vector<std::string>& Tokens;

private:
    std::string& error_;
    std::map<std::string, std::string> options_;
};

class TLineParser {
public:
    explicit TLineParser(TSimBench& bench) : bench_(bench) {}

    bool Line(const std::vector<std::string>& tokens, std::string& error);
    void Finish();

private:
    using TReader = bool (TLineParser::*)(TEntryLine& line);
    struct TEntry {
        std::string_view Word;
        TReader Read;
    };

    // The entry words of a state file and the reader of each.
    static std::span<const TEntry> Entries() {
        static constexpr TEntry kEntries[] = {
            {"format", &TLineParser::Format},
            {"transport", &TLineParser::Transport},
            {"unit", &TLineParser::UnitKind},
            {"chip", &TLineParser::Chip},
            {"restarts", &TLineParser::Restarts},
            {"latency", &TLineParser::Latency},
            {"key", &TLineParser::Key},
            {"fail", &TLineParser::Fault},
            {"read-length", &TLineParser::ReadLength},
            {"engine-version", &TLineParser::EngineVersion},
            {"spi-ports", &TLineParser::SpiPorts},
            {"counters", &TLineParser::Counters},
            {"last-open", &TLineParser::LastOpen},
            {"handles", &TLineParser::Handles},
            {"connection", &TLineParser::Connection},
        };
        return kEntries;
    }

    // The unit the unit entries change: the one of the latest transport line, or before
    // any, the one unit of a format 1 file.
    TSimUnit& Unit() {
        if (transport_) return bench_.Transport(*transport_).Unit;
        oneUnitFile_ = true;
        return oneUnit_;
    }

    bool Format(TEntryLine& line) {
        std::uint32_t version = 0;
        if (line.Arguments() != 1 || !line.Number(line.Tokens[1], 0xFFFF, version))
            return line.Fail("expected: format 1");
        if (version != 1 && version != kFormatVersion)
            return line.Fail("format " + line.Tokens[1] + " is not supported");
        return true;
    }

    bool Transport(TEntryLine& line) {
        if (line.Arguments() < 1) return line.Fail("expected: transport \"NAME\" generation=N opens=N ...");
        if (oneUnitFile_) return line.Fail("a transport line after the unit entries of a one-unit file");
        TSimTransport& place = bench_.Transport(line.Tokens[1]);
        transport_ = line.Tokens[1];
        return line.Options(2) && line.Option("generation", 0xFFFFFFFF, place.Generation) &&
               line.CounterOptions(place.Counters) && line.NoOtherOptions();
    }

    bool UnitKind(TEntryLine& line) {
        const auto kind = line.Arguments() == 1 ? ParseKind(line.Tokens[1]) : std::nullopt;
        if (!kind) return line.Fail("expected: unit handset|gateway|tavin|unknown|none");
        Unit().SetKind(*kind);
        return true;
    }

    bool Chip(TEntryLine& line) {
        if (line.Arguments() != 1) return line.Fail("expected: chip \"NAME\"");
        Unit().SetChipName(line.Tokens[1]);
        return true;
    }

    bool Restarts(TEntryLine& line) {
        std::uint32_t count = 0;
        if (line.Arguments() != 1 || !line.Number(line.Tokens[1], 0xFFFFFFFF, count))
            return line.Fail("expected: restarts N");
        Unit().SetRestarts(count);
        return true;
    }

    bool Latency(TEntryLine& line) {
        if (line.Arguments() != 1 || !line.Number(line.Tokens[1], 0xFFFFFFFF, bench_.LatencyMs))
            return line.Fail("expected: latency MS");
        return true;
    }

    bool Key(TEntryLine& line) {
        std::uint32_t key = 0;
        if (line.Arguments() < 1 || !line.Number(line.Tokens[1], 0xFFFF, key))
            return line.Fail("expected: key 0xKEY WORD...");
        std::vector<std::uint16_t> words;
        for (std::size_t i = 2; i < line.Tokens.size(); ++i) {
            const std::string& text = line.Tokens[i];
            const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
            const auto word = ParseNumber(prefixed ? text : "0x" + text, 0xFFFF);
            if (!word) return line.Fail("bad word '" + text + "' (4 hex digits expected)");
            words.push_back(static_cast<std::uint16_t>(*word));
        }
        Unit().SetKey(static_cast<std::uint16_t>(key), std::move(words));
        return true;
    }

    // The key=0xKEY option of a fault, taken from the tokens after `from`.
    static bool FaultKey(TEntryLine& line, std::size_t from, std::optional<std::uint16_t>& key) {
        std::uint32_t value = 0;
        if (!line.Options(from)) return false;
        const bool keyed = line.Has("key");
        if (!line.Option("key", 0xFFFF, value) || !line.NoOtherOptions()) return false;
        if (keyed) key = static_cast<std::uint16_t>(value);
        return true;
    }

    bool Fault(TEntryLine& line) {
        const auto call = line.Arguments() >= 1 ? ParseCall(line.Tokens[1]) : std::nullopt;
        std::uint32_t count = 0;
        if (!call || line.Arguments() < 2 || !line.Number(line.Tokens[2], 0xFFFFFFFF, count))
            return line.Fail("expected: fail open|read|write N [key=0xKEY]");
        std::optional<std::uint16_t> key;
        if (!FaultKey(line, 3, key)) return false;
        if (*call == TSimCall::Open && key) return line.Fail("an open fault has no key");
        bench_.Faults.FailNext(*call, count, key);
        return true;
    }

    bool ReadLength(TEntryLine& line) {
        std::uint32_t length = 0;
        if (line.Arguments() < 1 || !line.Number(line.Tokens[1], 0xFFFF, length))
            return line.Fail("expected: read-length N [key=0xKEY]");
        std::optional<std::uint16_t> key;
        if (!FaultKey(line, 2, key)) return false;
        bench_.Faults.MisreportNextRead(static_cast<std::uint16_t>(length), key);
        return true;
    }

    bool EngineVersion(TEntryLine& line) {
        if (line.Arguments() != 1) return line.Fail("expected: engine-version \"TEXT\"");
        bench_.EngineVersion = line.Tokens[1];
        return true;
    }

    bool SpiPorts(TEntryLine& line) {
        if (line.Arguments() < 2)
            return line.Fail("expected: spi-ports \"NAMES\" \"TRANSPORTS\" [result=N] [need=N] [pending=0|1]");
        std::uint32_t result = 0;
        std::uint32_t need = 0;
        std::uint32_t pending = 0;
        if (!line.Options(3) || !line.Option("result", 0xFFFFFFFF, result) || !line.Option("need", 0xFFFF, need) ||
            !line.Option("pending", 1, pending) || !line.NoOtherOptions())
            return false;
        bench_.SetSpiListing(
            {line.Tokens[1], line.Tokens[2], static_cast<std::int32_t>(result), static_cast<std::uint16_t>(need)});
        bench_.SetSpiNeedPending(pending != 0);
        return true;
    }

    bool Counters(TEntryLine& line) {
        return line.Options(1) && line.CounterOptions(bench_.Counters) && line.NoOtherOptions();
    }

    bool LastOpen(TEntryLine& line) {
        if (line.Arguments() != 2 || (line.Tokens[1] != "transport" && line.Tokens[1] != "spi"))
            return line.Fail("expected: last-open transport|spi \"TEXT\"");
        bench_.LastOpen =
            TSimOpenRequest{line.Tokens[1] == "spi" ? TSimOpenKind::Spi : TSimOpenKind::Transport, line.Tokens[2]};
        return true;
    }

    bool Handles(TEntryLine& line) {
        return line.Options(1) && line.Option("next", 0xFFFFFFFF, nextHandle_) &&
               line.Option("generation", 0xFFFFFFFF, generation_) && line.NoOtherOptions();
    }

    bool Connection(TEntryLine& line) {
        std::uint32_t handle = 0;
        std::uint32_t generation = 0;
        if (line.Arguments() < 1 || !line.Number(line.Tokens[1], 0xFFFFFFFF, handle) || handle == 0)
            return line.Fail("expected: connection HANDLE generation=N");
        if (!line.Options(2) || !line.Option("generation", 0xFFFFFFFF, generation) || !line.NoOtherOptions())
            return false;
        connections_[handle] = {transport_.value_or(""), generation};
        if (!transport_) onFirstTransport_.push_back(handle);
        return true;
    }

    TSimBench& bench_;
    std::optional<std::string> transport_;
    bool oneUnitFile_ = false;
    TSimUnit oneUnit_;
    std::uint32_t nextHandle_ = 0x1001;
    std::uint32_t generation_ = 1;
    std::map<std::uint32_t, TSimConnection> connections_;
    std::vector<std::uint32_t> onFirstTransport_;  // connections of a format 1 file
};

void TLineParser::Finish() {
    const std::string first = bench_.FirstTransport();
    if (oneUnitFile_) bench_.Transport(first) = {oneUnit_, generation_, {}};
    for (std::uint32_t handle : onFirstTransport_) connections_[handle].Transport = first;
    bench_.RestoreConnections(nextHandle_, generation_, connections_);
}

bool TLineParser::Line(const std::vector<std::string>& tokens, std::string& error) {
    TEntryLine line(tokens, error);
    for (const TEntry& entry : Entries())
        if (entry.Word == tokens[0]) return (this->*entry.Read)(line);
    return line.Fail("unknown entry '" + tokens[0] + "'");
}

}  // namespace

std::string FormatBenchState(const TSimBench& bench) {
    std::ostringstream out;
    out << "# ZENTA simulated bench: the units on the programming transports and the bench around them.\n"
        << "# Kept by the simulator and `zenta sim`; see docs/simulator.md.\n"
        << "format " << kFormatVersion << "\n"
        << "\n# faults waiting for the next calls\n";
    for (const auto& entry : bench.Faults.Entries()) {
        out << "fail " << CallName(entry.Call) << ' ' << entry.Count << KeyOption(entry.Key) << "\n";
    }
    for (const auto& entry : bench.Faults.Misreports()) {
        out << "read-length " << entry.Length << KeyOption(entry.Key) << "\n";
    }
    const TSimSpiListing& spi = bench.Spi();
    out << "\n# the host side\n"
        << "engine-version " << Quoted(bench.EngineVersion) << "\n"
        << "spi-ports " << Quoted(spi.PortNames) << ' ' << Quoted(spi.Transports) << " result=" << spi.Result
        << " need=" << spi.Need << " pending=" << (bench.SpiNeedPending() ? 1 : 0) << "\n"
        << "latency " << bench.LatencyMs << "\n"
        << "counters " << CounterOptions(bench.Counters) << "\n";
    if (bench.LastOpen) {
        out << "last-open " << (bench.LastOpen->Kind == TSimOpenKind::Spi ? "spi " : "transport ")
            << Quoted(bench.LastOpen->Target) << "\n";
    }
    out << "handles next=" << Hex(bench.NextHandle(), 8) << " generation=" << bench.Generation() << "\n";

    std::map<std::string, std::vector<std::pair<std::uint32_t, std::uint32_t>>> connections;
    for (const auto& [handle, connection] : bench.Connections()) {
        connections[connection.Transport].emplace_back(handle, connection.Generation);
    }
    for (const auto& [name, place] : bench.Transports()) {
        const TSimUnit& unit = place.Unit;
        const TSimCounters& counters = place.Counters;
        const bool used = counters.Opens + counters.Closes + counters.Reads + counters.Writes + counters.Restarts != 0;
        if (!unit.Answers() && !used && connections.count(name) == 0) continue;
        out << "\n# the unit on " << Quoted(name) << "\n"
            << "transport " << Quoted(name) << " generation=" << place.Generation << ' ' << CounterOptions(counters)
            << "\n"
            << "unit " << KindName(unit.Kind()) << "\n"
            << "chip " << Quoted(unit.ChipName()) << "\n"
            << "restarts " << unit.Restarts() << "\n";
        for (const auto& [key, words] : unit.Store()) {
            out << "key " << Hex(key, 4);
            if (!words.empty()) out << ' ' << FormatWords(words);
            out << "\n";
        }
        for (const auto& [handle, generation] : connections[name]) {
            out << "connection " << Hex(handle, 8) << " generation=" << generation << "\n";
        }
    }
    return out.str();
}

bool ParseBenchState(std::string_view text, TSimBench& bench, std::string* error) {
    TSimBench parsed = TSimBench::Empty();
    TLineParser parser(parsed);
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> tokens;
        std::string problem;
        const bool ok = Tokenize(line, tokens, problem) &&
                        (tokens.empty() || tokens[0].front() == '#' || parser.Line(tokens, problem));
        if (!ok) {
            if (error) *error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    parser.Finish();
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
