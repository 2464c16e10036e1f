#include "sim/SimStateFile.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
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

class TLineParser {
public:
    TLineParser(TSimBench& bench) : bench_(bench) {}

    bool Line(const std::vector<std::string>& tokens, std::string& error);
    void Finish();

private:
    // The unit the unit entries change: the one of the latest transport line, or before
    // any, the one unit of a format 1 file.
    TSimUnit& Unit() {
        if (transport_) return bench_.Transport(*transport_).Unit;
        oneUnitFile_ = true;
        return oneUnit_;
    }

    bool Fail(std::string& error, const std::string& message) {
        error = message;
        return false;
    }
    bool Options(const std::vector<std::string>& tokens, std::size_t from, std::map<std::string, std::string>& options,
                 std::string& error);

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

bool TLineParser::Options(const std::vector<std::string>& tokens, std::size_t from,
                          std::map<std::string, std::string>& options, std::string& error) {
    for (std::size_t i = from; i < tokens.size(); ++i) {
        const std::size_t equals = tokens[i].find('=');
        if (equals == std::string::npos || equals == 0) {
            return Fail(error, "expected NAME=VALUE, found '" + tokens[i] + "'");
        }
        options[tokens[i].substr(0, equals)] = tokens[i].substr(equals + 1);
    }
    return true;
}

bool TLineParser::Line(const std::vector<std::string>& tokens, std::string& error) {
    const std::string& what = tokens[0];
    const std::size_t args = tokens.size() - 1;
    std::map<std::string, std::string> options;
    auto number = [&](const std::string& text, std::uint32_t max, std::uint32_t& out) {
        const auto value = ParseNumber(text, max);
        if (!value) {
            error = "bad number '" + text + "'";
            return false;
        }
        out = *value;
        return true;
    };
    auto option = [&](const char* name, std::uint32_t max, std::uint32_t& out) {
        const auto found = options.find(name);
        if (found == options.end()) return true;
        const bool ok = number(found->second, max, out);
        options.erase(found);
        return ok;
    };
    auto noOtherOptions = [&]() {
        if (options.empty()) return true;
        return Fail(error, "unknown option '" + options.begin()->first + "'");
    };

    if (what == "format") {
        std::uint32_t version = 0;
        if (args != 1 || !number(tokens[1], 0xFFFF, version)) return Fail(error, "expected: format 1");
        if (version != 1 && version != kFormatVersion) return Fail(error, "format " + tokens[1] + " is not supported");
        return true;
    }
    if (what == "transport") {
        if (args < 1) return Fail(error, "expected: transport \"NAME\" generation=N opens=N ...");
        if (oneUnitFile_) return Fail(error, "a transport line after the unit entries of a one-unit file");
        TSimTransport& place = bench_.Transport(tokens[1]);
        TSimCounters& counters = place.Counters;
        transport_ = tokens[1];
        return Options(tokens, 2, options, error) && option("generation", 0xFFFFFFFF, place.Generation) &&
               option("opens", 0xFFFFFFFF, counters.Opens) && option("closes", 0xFFFFFFFF, counters.Closes) &&
               option("reads", 0xFFFFFFFF, counters.Reads) && option("writes", 0xFFFFFFFF, counters.Writes) &&
               option("restarts", 0xFFFFFFFF, counters.Restarts) && noOtherOptions();
    }
    if (what == "unit") {
        const auto kind = args == 1 ? ParseKind(tokens[1]) : std::nullopt;
        if (!kind) return Fail(error, "expected: unit handset|gateway|tavin|unknown|none");
        Unit().SetKind(*kind);
        return true;
    }
    if (what == "chip") {
        if (args != 1) return Fail(error, "expected: chip \"NAME\"");
        Unit().SetChipName(tokens[1]);
        return true;
    }
    if (what == "restarts") {
        std::uint32_t count = 0;
        if (args != 1 || !number(tokens[1], 0xFFFFFFFF, count)) return Fail(error, "expected: restarts N");
        Unit().SetRestarts(count);
        return true;
    }
    if (what == "latency") {
        if (args != 1 || !number(tokens[1], 0xFFFFFFFF, bench_.LatencyMs)) return Fail(error, "expected: latency MS");
        return true;
    }
    if (what == "key") {
        std::uint32_t key = 0;
        if (args < 1 || !number(tokens[1], 0xFFFF, key)) return Fail(error, "expected: key 0xKEY WORD...");
        std::vector<std::uint16_t> words;
        for (std::size_t i = 2; i < tokens.size(); ++i) {
            const std::string& text = tokens[i];
            const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
            const auto word = ParseNumber(prefixed ? text : "0x" + text, 0xFFFF);
            if (!word) return Fail(error, "bad word '" + text + "' (4 hex digits expected)");
            words.push_back(static_cast<std::uint16_t>(*word));
        }
        Unit().SetKey(static_cast<std::uint16_t>(key), std::move(words));
        return true;
    }
    if (what == "fail" || what == "read-length") {
        const bool isFail = what == "fail";
        const std::size_t countAt = isFail ? 2 : 1;
        const auto call = isFail && args >= 1 ? ParseCall(tokens[1]) : std::optional(TSimCall::Read);
        std::uint32_t count = 0;
        std::uint32_t key = 0;
        if (!call || tokens.size() <= countAt || !number(tokens[countAt], isFail ? 0xFFFFFFFF : 0xFFFF, count)) {
            return Fail(
                error, isFail ? "expected: fail open|read|write N [key=0xKEY]" : "expected: read-length N [key=0xKEY]");
        }
        if (!Options(tokens, countAt + 1, options, error)) return false;
        const bool keyed = options.count("key") != 0;
        if (!option("key", 0xFFFF, key) || !noOtherOptions()) return false;
        const auto forKey = keyed ? std::optional(static_cast<std::uint16_t>(key)) : std::nullopt;
        if (isFail) {
            if (*call == TSimCall::Open && forKey) return Fail(error, "an open fault has no key");
            bench_.Faults.FailNext(*call, count, forKey);
        } else {
            bench_.Faults.MisreportNextRead(static_cast<std::uint16_t>(count), forKey);
        }
        return true;
    }
    if (what == "engine-version") {
        if (args != 1) return Fail(error, "expected: engine-version \"TEXT\"");
        bench_.EngineVersion = tokens[1];
        return true;
    }
    if (what == "spi-ports") {
        if (args < 2)
            return Fail(error, "expected: spi-ports \"NAMES\" \"TRANSPORTS\" [result=N] [need=N] [pending=0|1]");
        TSimSpiListing listing{tokens[1], tokens[2], 0, 0};
        std::uint32_t result = 0;
        std::uint32_t need = 0;
        std::uint32_t pending = 0;
        if (!Options(tokens, 3, options, error)) return false;
        if (!option("result", 0xFFFFFFFF, result) || !option("need", 0xFFFF, need) || !option("pending", 1, pending) ||
            !noOtherOptions()) {
            return false;
        }
        listing.Result = static_cast<std::int32_t>(result);
        listing.Need = static_cast<std::uint16_t>(need);
        bench_.SetSpiListing(listing);
        bench_.SetSpiNeedPending(pending != 0);
        return true;
    }
    if (what == "counters") {
        if (!Options(tokens, 1, options, error)) return false;
        TSimCounters& counters = bench_.Counters;
        return option("opens", 0xFFFFFFFF, counters.Opens) && option("closes", 0xFFFFFFFF, counters.Closes) &&
               option("reads", 0xFFFFFFFF, counters.Reads) && option("writes", 0xFFFFFFFF, counters.Writes) &&
               option("restarts", 0xFFFFFFFF, counters.Restarts) && noOtherOptions();
    }
    if (what == "last-open") {
        if (args != 2 || (tokens[1] != "transport" && tokens[1] != "spi")) {
            return Fail(error, "expected: last-open transport|spi \"TEXT\"");
        }
        bench_.LastOpen = TSimOpenRequest{tokens[1] == "spi" ? TSimOpenKind::Spi : TSimOpenKind::Transport, tokens[2]};
        return true;
    }
    if (what == "handles") {
        if (!Options(tokens, 1, options, error)) return false;
        return option("next", 0xFFFFFFFF, nextHandle_) && option("generation", 0xFFFFFFFF, generation_) &&
               noOtherOptions();
    }
    if (what == "connection") {
        std::uint32_t handle = 0;
        std::uint32_t generation = 0;
        if (args < 1 || !number(tokens[1], 0xFFFFFFFF, handle) || handle == 0) {
            return Fail(error, "expected: connection HANDLE generation=N");
        }
        if (!Options(tokens, 2, options, error) || !option("generation", 0xFFFFFFFF, generation) || !noOtherOptions()) {
            return false;
        }
        connections_[handle] = {transport_.value_or(""), generation};
        if (!transport_) onFirstTransport_.push_back(handle);
        return true;
    }
    return Fail(error, "unknown entry '" + what + "'");
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
