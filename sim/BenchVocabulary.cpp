#include "sim/BenchVocabulary.h"

#include <algorithm>
#include <stdexcept>

namespace sim {

namespace {

constexpr std::uint32_t kMaxLatencyMs = 60000;
constexpr std::uint32_t kAll = 0xFFFFFFFF;

// A line the vocabulary does not take, with the reason.
class TProblem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::uint32_t ToNumber(const std::string& text, std::string_view what, std::uint32_t max, std::uint32_t min = 0) {
    const auto value = ParseNumber(text, max);
    if (!value || *value < min)
        throw TProblem(std::string(what) + " must be a number from " + std::to_string(min) + " to " +
                       std::to_string(max) + ", not " + QuoteBenchText(text));
    return *value;
}

std::uint16_t ToWord(const std::string& text, std::string_view what) {
    return static_cast<std::uint16_t>(ToNumber(text, what, 0xFFFF));
}

std::int32_t ToSigned(const std::string& text, std::string_view what) {
    const bool negative = !text.empty() && text[0] == '-';
    const auto value = ParseNumber(negative ? text.substr(1) : text, negative ? 0x80000000U : 0x7FFFFFFFU);
    if (!value)
        throw TProblem(std::string(what) + " must be a number from -2147483648 to 2147483647, not " +
                       QuoteBenchText(text));
    return negative ? static_cast<std::int32_t>(0U - *value) : static_cast<std::int32_t>(*value);
}

TUnitKind ToKind(const std::string& text) {
    const auto kind = ParseKind(text);
    if (!kind) throw TProblem("the unit is handset, gateway, tavin, unknown or none, not " + QuoteBenchText(text));
    return *kind;
}

std::string Attached(const TSimBench& bench, const std::string& transport, std::string_view tail = {}) {
    const TSimUnit& unit = bench.UnitOn(transport);
    std::string said;
    if (!unit.Answers()) return said.append("nothing on ").append(transport).append(" now");
    return said.append("attached a ")
        .append(KindName(unit.Kind()))
        .append(" on ")
        .append(transport)
        .append(", type ")
        .append(FormatWord(unit.TypeWord()))
        .append(", version ")
        .append(FormatWord(unit.VersionWord()))
        .append(tail);
}

std::string Armed(TSimBench& bench, TSimFault fault) {
    const bool counted = fault.Kind == TSimFaultKind::Fail || fault.Kind == TSimFaultKind::Corrupt;
    std::string said = counted && fault.Count == 0 ? "no such fault waits any more" : DescribeFault(fault);
    bench.Faults.Arm(std::move(fault));
    return said;
}

}  // namespace

// One line's arguments: the positional ones in order, and the options the entry takes.
class TBenchReader::TArguments {
public:
    TArguments(const TBenchLine& line, const std::vector<std::string_view>& allowed) {
        auto takes = [&](std::string_view name) {
            return std::find(allowed.begin(), allowed.end(), name) != allowed.end();
        };
        for (std::size_t i = 1; i < line.size(); ++i) {
            const TBenchWord& word = line[i];
            std::string name;
            std::optional<std::string> value;
            if (!word.Quoted && word.Text.size() > 2 && word.Text.starts_with("--")) {
                name = word.Text.substr(2, word.Equals == std::string::npos ? std::string::npos : word.Equals - 2);
                if (!takes(name)) throw TProblem("unknown option --" + name);
                if (word.Equals != std::string::npos) {
                    value = word.Text.substr(word.Equals + 1);
                } else if (i + 1 < line.size()) {
                    value = line[++i].Text;
                } else {
                    throw TProblem("--" + name + " needs a value");
                }
            } else if (word.Equals != std::string::npos && takes(word.Text.substr(0, word.Equals))) {
                name = word.Text.substr(0, word.Equals);
                value = word.Text.substr(word.Equals + 1);
            } else {
                positionals_.push_back(word.Text);
                continue;
            }
            if (!options_.emplace(name, *value).second) throw TProblem("--" + name + " given twice");
        }
    }

    std::size_t Count() const { return positionals_.size(); }
    const std::string& At(std::size_t i, std::string_view name) const {
        if (i >= positionals_.size()) throw TProblem(std::string(name) + " is missing");
        return positionals_[i];
    }
    // No positional arguments beyond the first `count`.
    void NoMoreThan(std::size_t count) const {
        if (positionals_.size() > count) throw TProblem("unexpected " + QuoteBenchText(positionals_[count]));
    }
    std::uint32_t Number(std::size_t i, std::string_view name, std::uint32_t max, std::uint32_t min = 0) const {
        return ToNumber(At(i, name), name, max, min);
    }
    const std::vector<std::string>& Positionals() const { return positionals_; }

    std::optional<std::string> Option(std::string_view name) const {
        const auto found = options_.find(std::string(name));
        if (found == options_.end()) return std::nullopt;
        return found->second;
    }
    std::optional<std::uint32_t> NumberOption(std::string_view name, std::uint32_t max, std::uint32_t min = 0) const {
        const auto text = Option(name);
        if (!text) return std::nullopt;
        return ToNumber(*text, "--" + std::string(name), max, min);
    }
    std::optional<std::uint16_t> WordOption(std::string_view name) const {
        const auto number = NumberOption(name, 0xFFFF);
        if (!number) return std::nullopt;
        return static_cast<std::uint16_t>(*number);
    }
    void Counters(TSimCounters& counters) const {
        counters.Opens = NumberOption("opens", kAll).value_or(counters.Opens);
        counters.Closes = NumberOption("closes", kAll).value_or(counters.Closes);
        counters.Reads = NumberOption("reads", kAll).value_or(counters.Reads);
        counters.Writes = NumberOption("writes", kAll).value_or(counters.Writes);
        counters.Restarts = NumberOption("restarts", kAll).value_or(counters.Restarts);
    }

private:
    std::vector<std::string> positionals_;
    std::map<std::string, std::string> options_;
};

struct TBenchReader::TEntry {
    TBenchCommandHelp Help;
    std::vector<std::string_view> Options;
    bool StateFileOnly = false;
    TReader Read = nullptr;
};

const std::vector<TBenchReader::TEntry>& TBenchReader::Entries() {
    static const std::vector<std::string_view> fault = {"after", "key", "transport"};
    static const std::vector<std::string_view> counters = {"opens", "closes", "reads", "writes", "restarts"};
    static const std::vector<std::string_view> section = {"opens",    "closes", "reads",     "writes",
                                                          "restarts", "unit",   "generation"};
    static const std::vector<TEntry> entries = {
        {{"attach",
          "attach handset|gateway|tavin|unknown|none [--edition ardex|kesto] [--version 0xVVVV] "
          "[--transport NAME]",
          "plugs in a unit at factory settings (default edition ardex, version 0x0205): its\n"
          "unit-type and version keys and, for a handset or a gateway, the settings record the\n"
          "editor's DEFAULTS write. tavin is a unit of the newer series, unknown one of a type\n"
          "nobody knows, none leaves nothing there. Connections to the unit that was there\n"
          "stop reaching anything."},
         {"edition", "version", "transport"},
         false,
         &TBenchReader::Attach},
        {{"unit",
          "unit handset|gateway|tavin|unknown|none [--type 0xWWWW] [--version 0xVVVV] [--chip NAME] "
          "[--transport NAME]",
          "plugs in a unit holding only its unit-type and version keys (defaults: the kind's\n"
          "type word of the Ardex edition, version 0x0205, chip CSR8670), for pskey to fill."},
         {"type", "version", "chip", "transport"},
         false,
         &TBenchReader::BareUnit},
        {{"pskey", "pskey 0xKEY [W...] [--transport NAME]",
          "the words the unit stores in a PS key (none: an empty value)."},
         {"transport"},
         false,
         &TBenchReader::PsKey},
        {{"pskey-absent", "pskey-absent 0xKEY [--transport NAME]",
          "the PS key does not exist on the unit: reads of it fail."},
         {"transport"},
         false,
         &TBenchReader::PsKeyAbsent},
        {{"chip", "chip NAME [--transport NAME]", "the chip name the unit reports."},
         {"transport"},
         false,
         &TBenchReader::Chip},
        {{"restarts", "restarts N [--transport NAME]", "how often the unit has been restarted."},
         {"transport"},
         false,
         &TBenchReader::Restarts},
        {{"fail", "fail CALL N [--after K] [--key 0xKEY] [--transport NAME]",
          "the next N such calls fail and touch nothing (N = 0 cancels)."},
         fault,
         false,
         &TBenchReader::Fail},
        {{"hang", "hang CALL [--after K] [--for MS] [--key 0xKEY] [--transport NAME]",
          "the next such call hangs, and every later call on its adapter with it, until the\n"
          "bench is reset or cleared, or for MS milliseconds; then they fail."},
         {"after", "for", "key", "transport"},
         false,
         &TBenchReader::Hang},
        {{"pull", "pull CALL [--after K] [--transport NAME]",
          "the unit is pulled once K such calls have been made (0, the default: now), from\n"
          "the transport named, else from the one of the last of those calls."},
         {"after", "transport"},
         false,
         &TBenchReader::Pull},
        {{"corrupt", "corrupt read|write N [--after K] [--key 0xKEY] [--transport NAME]",
          "the next N writes report success and store other words; reads report other words\n"
          "than the unit holds (the last word's lowest bit flipped)."},
         fault,
         false,
         &TBenchReader::Corrupt},
        {{"read-length", "read-length N [--after K] [--key 0xKEY] [--transport NAME]",
          "the next successful read reports N words, however many it copied (never more than\n"
          "the unit holds and the capacity allows)."},
         fault,
         false,
         &TBenchReader::ReadLength},
        {{"latency", "latency MS [--transport NAME]", "each library call takes MS milliseconds (0 to 60000)."},
         {"transport"},
         false,
         &TBenchReader::Latency},
        {{"engine-version", "engine-version TEXT", "the version text the library reports."},
         {},
         false,
         &TBenchReader::EngineVersion},
        {{"spi-ports", "spi-ports NAMES TRANSPORTS [--result N] [--need N]",
          "the SPI ports the library lists: display names and transport strings, each\n"
          "comma-separated (\"\" \"\" for none). With --result the listing fails with that\n"
          "result; with --need its first call answers \"buffers too small, need N\". Units stay\n"
          "where they are; the window opens the first port without LPT."},
         {"result", "need", "pending"},
         false,
         &TBenchReader::SpiPorts},
        {{"clear", "clear", "no fault waits and no call hangs any more; units and settings stay."},
         {},
         false,
         &TBenchReader::Clear},
        {{"journal", "journal on|off",
          "on: from now on the bench notes every call the faults count, in order (zenta sim\n"
          "show lists them); call i of a flow is the one --after i of a fault on any call\n"
          "reaches. off: no more notes, and the ones taken are forgotten."},
         {},
         false,
         &TBenchReader::KeepJournal},
        {{"format", "", ""}, {}, true, &TBenchReader::Format},
        {{"transport", "", ""}, section, true, &TBenchReader::Transport},
        {{"counters", "", ""}, counters, true, &TBenchReader::Counters},
        {{"last-open", "", ""}, {}, true, &TBenchReader::LastOpen},
        {{"handles", "", ""}, {"next", "generation"}, true, &TBenchReader::Handles},
        {{"connection", "", ""}, {"generation", "process"}, true, &TBenchReader::Connection},
        {{"hung", "", ""}, {}, true, &TBenchReader::Hung},
        {{"called", "", ""}, {"key", "transport"}, true, &TBenchReader::Called},
    };
    return entries;
}

const std::vector<TBenchCommandHelp>& BenchCommands() {
    static const std::vector<TBenchCommandHelp> commands = TBenchReader::CommandHelp();
    return commands;
}

const TBenchCommandHelp* FindBenchCommand(std::string_view word) {
    for (const TBenchCommandHelp& command : BenchCommands())
        if (command.Word == word) return &command;
    return nullptr;
}

std::vector<TBenchCommandHelp> TBenchReader::CommandHelp() {
    std::vector<TBenchCommandHelp> help;
    for (const TEntry& entry : Entries())
        if (!entry.StateFileOnly) help.push_back(entry.Help);
    return help;
}

const TBenchReader::TEntry* TBenchReader::Find(std::string_view word) const {
    for (const TEntry& entry : Entries())
        if (entry.Help.Word == word)
            return entry.StateFileOnly && source_ != TBenchSource::StateFile ? nullptr : &entry;
    return nullptr;
}

bool TBenchReader::Knows(std::string_view word) const { return Find(word) != nullptr; }

std::optional<TBenchChange> TBenchReader::Read(const TBenchLine& line, std::string& reason) {
    const TEntry* entry = line.empty() ? nullptr : Find(line.front().Text);
    if (entry == nullptr) {
        reason = "unknown entry";
        return std::nullopt;
    }
    try {
        TArguments arguments(line, entry->Options);
        return (this->*entry->Read)(arguments);
    } catch (const TProblem& problem) {
        reason = problem.what();
        return std::nullopt;
    }
}

void TBenchReader::Finish(TSimBench& bench) {
    bench.RestoreConnections(nextHandle_, std::max(generation_, bench.Generation()), connections_);
}

std::optional<std::string> TBenchReader::TransportOf(TArguments& line) const {
    auto named = line.Option("transport");
    if (!named) return section_;
    if (named->empty() || named->find(',') != std::string::npos)
        throw TProblem("--transport needs an SPI port's transport string or a USB device path, not " +
                       QuoteBenchText(*named));
    return named;
}

TSimFault TBenchReader::FaultOf(TArguments& line, TSimFaultKind kind, std::optional<TSimCall> call) {
    TSimFault fault;
    fault.Kind = kind;
    std::size_t next = 0;
    if (!call) {
        const std::string& name = line.At(next++, "CALL");
        call = ParseCall(name);
        if (!call) throw TProblem("the call is " + CallNames() + ", not " + QuoteBenchText(name));
    }
    fault.Call = *call;
    fault.After = line.NumberOption("after", kAll).value_or(0);
    fault.Key = line.WordOption("key");
    if (fault.Key && !TakesKey(fault.Call)) throw TProblem("only reads and writes name a key");
    const bool named = line.Option("transport").has_value();
    if (named && !ReachesTransport(fault.Call))
        throw TProblem(std::string("the ") + CallName(fault.Call) + " call reaches no transport");
    if (named || ReachesTransport(fault.Call)) fault.Transport = TransportOf(line);
    return fault;
}

// Commands.

TBenchChange TBenchReader::Attach(TArguments& line) {
    const TUnitKind kind = ToKind(line.At(0, "KIND"));
    line.NoMoreThan(1);
    const auto editionName = line.Option("edition");
    const auto version = line.WordOption("version");
    if (kind == TUnitKind::None && (editionName || version)) throw TProblem("none has no --edition or --version");
    TEdition edition = TEdition::Ardex;
    if (editionName) {
        const auto parsed = ParseEdition(*editionName);
        if (!parsed) throw TProblem("the edition is ardex or kesto, not " + QuoteBenchText(*editionName));
        edition = *parsed;
    }
    const auto where = TransportOf(line);
    return [=](TSimBench& bench) {
        const std::string transport = where.value_or(bench.FirstTransport());
        bench.AttachUnit(transport, TSimUnit::Factory(kind, edition, version.value_or(kDefaultVersionWord)));
        return Attached(bench, transport);
    };
}

TBenchChange TBenchReader::BareUnit(TArguments& line) {
    const TUnitKind kind = ToKind(line.At(0, "KIND"));
    line.NoMoreThan(1);
    const auto type = line.WordOption("type");
    const auto version = line.WordOption("version");
    const auto chip = line.Option("chip");
    if (kind == TUnitKind::None && (type || version || chip)) throw TProblem("none has no --type, --version or --chip");
    const auto where = TransportOf(line);
    return [=](TSimBench& bench) {
        const std::string transport = where.value_or(bench.FirstTransport());
        bench.AttachUnit(transport, TSimUnit::Bare(kind, type, version, chip));
        return Attached(bench, transport, ", no settings record");
    };
}

TBenchChange TBenchReader::PsKey(TArguments& line) {
    const std::uint16_t key = ToWord(line.At(0, "KEY"), "KEY");
    std::vector<std::uint16_t> words;
    for (std::size_t i = 1; i < line.Count(); ++i) words.push_back(ToWord(line.At(i, "W"), "W"));
    const auto where = TransportOf(line);
    return [=](TSimBench& bench) {
        const std::string transport = where.value_or(bench.FirstTransport());
        bench.Transport(transport).Unit.SetKey(key, words);
        return "key " + FormatWord(key) + " on " + transport + ": " + (words.empty() ? "empty" : FormatWords(words));
    };
}

TBenchChange TBenchReader::PsKeyAbsent(TArguments& line) {
    const std::uint16_t key = ToWord(line.At(0, "KEY"), "KEY");
    line.NoMoreThan(1);
    const auto where = TransportOf(line);
    return [=](TSimBench& bench) {
        const std::string transport = where.value_or(bench.FirstTransport());
        bench.Transport(transport).Unit.RemoveKey(key);
        return "no key " + FormatWord(key) + " on " + transport;
    };
}

TBenchChange TBenchReader::Chip(TArguments& line) {
    const std::string& name = line.At(0, "NAME");
    line.NoMoreThan(1);
    const auto where = TransportOf(line);
    return [=](TSimBench& bench) {
        const std::string transport = where.value_or(bench.FirstTransport());
        bench.Transport(transport).Unit.SetChipName(name);
        return "the unit on " + transport + " reports chip " + QuoteBenchText(name);
    };
}

TBenchChange TBenchReader::Restarts(TArguments& line) {
    const std::uint32_t count = line.Number(0, "N", kAll);
    line.NoMoreThan(1);
    const auto where = TransportOf(line);
    return [=](TSimBench& bench) {
        const std::string transport = where.value_or(bench.FirstTransport());
        bench.Transport(transport).Unit.SetRestarts(count);
        return "the unit on " + transport + " has been restarted " + std::to_string(count) + " times";
    };
}

TBenchChange TBenchReader::Fail(TArguments& line) {
    TSimFault fault = FaultOf(line, TSimFaultKind::Fail, std::nullopt);
    fault.Count = line.Number(1, "N", kAll);
    line.NoMoreThan(2);
    return [fault](TSimBench& bench) { return Armed(bench, fault); };
}

TBenchChange TBenchReader::Hang(TArguments& line) {
    TSimFault fault = FaultOf(line, TSimFaultKind::Hang, std::nullopt);
    line.NoMoreThan(1);
    fault.ForMs = line.NumberOption("for", kAll, 1);
    if (source_ == TBenchSource::Script && !fault.ForMs)
        throw TProblem("a script's program runs alone, so nothing would end the hang: give --for MS");
    return [fault](TSimBench& bench) { return Armed(bench, fault); };
}

TBenchChange TBenchReader::Pull(TArguments& line) {
    TSimFault fault = FaultOf(line, TSimFaultKind::Pull, std::nullopt);
    line.NoMoreThan(1);
    return [fault](TSimBench& bench) {
        if (fault.After != 0) return Armed(bench, fault);
        const std::string transport = fault.Transport.value_or(bench.FirstTransport());
        bench.AttachUnit(transport, TSimUnit());
        return Attached(bench, transport);
    };
}

TBenchChange TBenchReader::Corrupt(TArguments& line) {
    const std::string& call = line.At(0, "CALL");
    if (call != "read" && call != "write") throw TProblem("the call is read or write, not " + QuoteBenchText(call));
    TSimFault fault = FaultOf(line, TSimFaultKind::Corrupt, *ParseCall(call));
    fault.Count = line.Number(1, "N", kAll);
    line.NoMoreThan(2);
    return [fault](TSimBench& bench) { return Armed(bench, fault); };
}

TBenchChange TBenchReader::ReadLength(TArguments& line) {
    TSimFault fault = FaultOf(line, TSimFaultKind::ReadLength, TSimCall::Read);
    fault.Length = static_cast<std::uint16_t>(line.Number(0, "N", 0xFFFF));
    line.NoMoreThan(1);
    return [fault](TSimBench& bench) { return Armed(bench, fault); };
}

TBenchChange TBenchReader::Latency(TArguments& line) {
    const std::uint32_t ms = line.Number(0, "MS", kMaxLatencyMs);
    line.NoMoreThan(1);
    const auto where = TransportOf(line);
    return [=](TSimBench& bench) {
        std::string said = "each library call";
        if (where) {
            bench.Transport(*where).LatencyMs = ms;
            said.append(" on ").append(*where);
        } else {
            bench.LatencyMs = ms;
        }
        return said.append(" takes ").append(std::to_string(ms)).append(" ms");
    };
}

TBenchChange TBenchReader::EngineVersion(TArguments& line) {
    const std::string& text = line.At(0, "TEXT");
    line.NoMoreThan(1);
    return [=](TSimBench& bench) {
        bench.EngineVersion = text;
        return "the library reports version " + QuoteBenchText(text);
    };
}

TBenchChange TBenchReader::SpiPorts(TArguments& line) {
    TSimSpiListing listing;
    listing.PortNames = line.At(0, "NAMES");
    listing.Transports = line.At(1, "TRANSPORTS");
    line.NoMoreThan(2);
    if (const auto result = line.Option("result")) listing.Result = ToSigned(*result, "--result");
    listing.Need = line.WordOption("need").value_or(0);
    const auto pending = line.NumberOption("pending", 1);
    return [=](TSimBench& bench) {
        bench.SetSpiListing(listing);
        if (pending) bench.SetSpiNeedPending(*pending != 0);
        std::string said = "no SPI ports";
        if (!listing.PortNames.empty()) said.assign("SPI ports ").append(QuoteBenchText(listing.PortNames));
        const std::string first = bench.FirstTransport();
        said.append("; the first transport is ").append(first);
        if (!bench.UnitOn(first).Answers()) said.append(", with nothing on it");
        return said;
    };
}

TBenchChange TBenchReader::Clear(TArguments& line) {
    line.NoMoreThan(0);
    return [](TSimBench& bench) {
        bench.ClearFaults();
        return std::string("no fault waits and no call hangs");
    };
}

TBenchChange TBenchReader::KeepJournal(TArguments& line) {
    const std::string& state = line.At(0, "on|off");
    if (state != "on" && state != "off") throw TProblem("the journal is on or off, not " + QuoteBenchText(state));
    line.NoMoreThan(1);
    const bool on = state == "on";
    return [on](TSimBench& bench) {
        bench.Journal.reset();
        if (on) bench.Journal.emplace();
        return std::string(on ? "the bench notes every call from now on" : "the bench notes no calls");
    };
}

// The state file's own entries.

TBenchChange TBenchReader::Format(TArguments& line) {
    const std::uint32_t version = line.Number(0, "the format", 0xFFFF);
    line.NoMoreThan(1);
    if (version != kBenchStateFormat)
        throw TProblem("format " + std::to_string(version) + " is not this simulator's (format " +
                       std::to_string(kBenchStateFormat) + ")");
    return [](TSimBench&) { return std::string(); };
}

TBenchChange TBenchReader::Transport(TArguments& line) {
    const std::string& name = line.At(0, "NAME");
    line.NoMoreThan(1);
    const auto kind = line.Option("unit");
    const TUnitKind unit = kind ? ToKind(*kind) : TUnitKind::None;
    const auto generation = line.NumberOption("generation", kAll);
    TSimCounters counters;
    line.Counters(counters);
    section_ = name;
    return [=](TSimBench& bench) {
        TSimTransport& place = bench.Transport(name);
        place.Unit.SetKind(unit);
        place.Generation = generation.value_or(place.Generation);
        place.Counters = counters;
        return std::string();
    };
}

TBenchChange TBenchReader::Counters(TArguments& line) {
    line.NoMoreThan(0);
    TSimCounters counters;
    line.Counters(counters);
    return [=](TSimBench& bench) {
        bench.Counters = counters;
        return std::string();
    };
}

TBenchChange TBenchReader::LastOpen(TArguments& line) {
    const std::string& kind = line.At(0, "transport|spi");
    if (kind != "transport" && kind != "spi")
        throw TProblem("the open is transport or spi, not " + QuoteBenchText(kind));
    const TSimOpenRequest open{kind == "spi" ? TSimOpenKind::Spi : TSimOpenKind::Transport, line.At(1, "TEXT")};
    line.NoMoreThan(2);
    return [=](TSimBench& bench) {
        bench.LastOpen = open;
        return std::string();
    };
}

TBenchChange TBenchReader::Handles(TArguments& line) {
    line.NoMoreThan(0);
    nextHandle_ = line.NumberOption("next", kAll).value_or(nextHandle_);
    generation_ = line.NumberOption("generation", kAll).value_or(generation_);
    return [](TSimBench&) { return std::string(); };
}

TBenchChange TBenchReader::Connection(TArguments& line) {
    const std::uint32_t handle = line.Number(0, "HANDLE", kAll, 1);
    line.NoMoreThan(1);
    if (!section_) throw TProblem("a connection stands in the section of its transport");
    TOwnerProcess owner;
    if (const auto process = line.Option("process")) {
        const auto parsed = ParseOwner(*process);
        if (!parsed) throw TProblem("--process is posix:ID or windows:ID, not " + QuoteBenchText(*process));
        owner = *parsed;
    }
    connections_[handle] = {*section_, line.NumberOption("generation", kAll).value_or(0), owner};
    return [](TSimBench&) { return std::string(); };
}

TBenchChange TBenchReader::Hung(TArguments& line) {
    const std::string& transport = line.At(0, "TRANSPORT");
    line.NoMoreThan(1);
    return [=](TSimBench& bench) {
        bench.Hang(transport);
        return std::string();
    };
}

TBenchChange TBenchReader::Called(TArguments& line) {
    const std::string& name = line.At(0, "CALL");
    const auto call = ParseCall(name);
    if (!call || *call == TSimCall::Any) throw TProblem("no call is named " + QuoteBenchText(name));
    line.NoMoreThan(1);
    TSimCallSite site{*call, line.Option("transport").value_or(kHostSide), line.WordOption("key")};
    return [site](TSimBench& bench) {
        if (!bench.Journal) bench.Journal.emplace();
        bench.Journal->push_back(site);
        return std::string();
    };
}

}  // namespace sim
