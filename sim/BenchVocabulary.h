#pragma once
// The one vocabulary of the simulated bench: the commands that `zenta sim`, the bench
// commands of scripts and the state file share, each read here and nowhere else. A line
// is a command word, its arguments and its options, an option written "--name VALUE"
// (as on a command line) or "name=VALUE" (as in scripts and the state file).
//
// The state file adds entries of its own, its bookkeeping (counters, connections, the
// transport sections): after a `transport` line, every entry that takes a transport is
// about that one unless it names another.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/BenchWords.h"
#include "sim/SimBench.h"

namespace sim {

// The state file's format, as its `format` entry names it.
inline constexpr std::uint32_t kBenchStateFormat = 3;

// Where a line comes from: `zenta sim`, a script (whose program runs in one thread, so
// that nothing could end a hang of no time of its own), or the state file.
enum class TBenchSource { Command, Script, StateFile };

// What a line asks of a bench; says what it did, in one line.
using TBenchChange = std::function<std::string(TSimBench&)>;

// A command as its help describes it: the synopsis in command-line spelling and what it
// does, in lines of at most 86 characters.
struct TBenchCommandHelp {
    std::string_view Word;
    std::string_view Synopsis;
    std::string_view Meaning;
};

// The commands of `zenta sim` and of scripts, in the order the help lists them.
const std::vector<TBenchCommandHelp>& BenchCommands();
const TBenchCommandHelp* FindBenchCommand(std::string_view word);

class TBenchReader {
public:
    explicit TBenchReader(TBenchSource source) : source_(source) {}

    // Whether the word starts a line this source may give.
    bool Knows(std::string_view word) const;
    // The change the line asks for; nothing, with the reason (without the word), for a
    // line the vocabulary does not take. The line's first word is one it knows.
    std::optional<TBenchChange> Read(const TBenchLine& line, std::string& reason);
    // After the last line of a state file: its connections and handle numbers onto the
    // bench.
    void Finish(TSimBench& bench);

    // The help of every entry a command may give.
    static std::vector<TBenchCommandHelp> CommandHelp();

private:
    class TArguments;
    using TReader = TBenchChange (TBenchReader::*)(TArguments& line);
    struct TEntry;
    static const std::vector<TEntry>& Entries();
    const TEntry* Find(std::string_view word) const;

    // Commands.
    TBenchChange Attach(TArguments& line);
    TBenchChange BareUnit(TArguments& line);
    TBenchChange PsKey(TArguments& line);
    TBenchChange PsKeyAbsent(TArguments& line);
    TBenchChange Chip(TArguments& line);
    TBenchChange Restarts(TArguments& line);
    TBenchChange Fail(TArguments& line);
    TBenchChange Hang(TArguments& line);
    TBenchChange Pull(TArguments& line);
    TBenchChange Corrupt(TArguments& line);
    TBenchChange ReadLength(TArguments& line);
    TBenchChange Latency(TArguments& line);
    TBenchChange EngineVersion(TArguments& line);
    TBenchChange SpiPorts(TArguments& line);
    TBenchChange Clear(TArguments& line);
    TBenchChange KeepJournal(TArguments& line);
    // The state file's own entries.
    TBenchChange Format(TArguments& line);
    TBenchChange Transport(TArguments& line);
    TBenchChange Counters(TArguments& line);
    TBenchChange LastOpen(TArguments& line);
    TBenchChange Handles(TArguments& line);
    TBenchChange Connection(TArguments& line);
    TBenchChange Hung(TArguments& line);
    TBenchChange Called(TArguments& line);

    // The transport a line is about: the one it names, else the section's.
    std::optional<std::string> TransportOf(TArguments& line) const;
    // A fault's call, key, transport and After, as the line gives them.
    TSimFault FaultOf(TArguments& line, TSimFaultKind kind, std::optional<TSimCall> call);

    TBenchSource source_;
    std::optional<std::string> section_;
    std::uint32_t nextHandle_ = 0x1001;
    std::uint32_t generation_ = 1;
    std::map<std::uint32_t, TSimConnection> connections_;
};

}  // namespace sim
