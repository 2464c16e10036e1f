#include "sim/BenchCommandLine.h"

#include <algorithm>
#include <string_view>

#include "sim/BenchVocabulary.h"
#include "sim/SimBenchCommands.h"

namespace sim {
namespace {

using TKind = TBenchCommandResult::TKind;

constexpr const char* kExitStatus = "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n";

constexpr const char* kShowSynopsis = "show";
constexpr const char* kShowMeaning =
    "the state file's path; the first transport, with or without a unit, and every other\n"
    "transport with a unit or a call: the unit's kind, type and version words, chip,\n"
    "restarts, every stored PS key, and the calls made there; then the pending faults,\n"
    "the adapters that hang, the counters, the latencies, the engine version and the SPI\n"
    "listing.";
constexpr const char* kResetSynopsis = "reset";
constexpr const char* kResetMeaning =
    "back to a fresh bench: a factory handset on \\\\.\\CSR0 and nothing elsewhere, no\n"
    "faults, no hang, counters at zero, default engine version, no SPI ports, no latency.\n"
    "It also replaces a state file that cannot be read.";

std::string Indented(std::string_view text, std::string_view indent) {
    std::string out(indent);
    for (const char c : text) {
        out += c;
        if (c == '\n') out.append(indent);
    }
    return out + "\n";
}

std::string BenchUsage() {
    std::string usage =
        "usage: zenta sim COMMAND\n"
        "Shows or changes the simulated units on the bench, one per transport: the stand-ins\n"
        "for units in programming mode on the link, and the faults waiting for the library\n"
        "calls to come. The programmer and this command share the bench through its state\n"
        "file, $ZENTA_SIM_STATE when set, else the default location (zenta sim show names it).\n"
        "\n"
        "commands:\n";
    auto add = [&](std::string_view synopsis, std::string_view meaning) {
        usage.append("  ").append(synopsis).append("\n").append(Indented(meaning, "      "));
    };
    add(kShowSynopsis, kShowMeaning);
    for (const TBenchCommandHelp& command : BenchCommands()) add(command.Synopsis, command.Meaning);
    add(kResetSynopsis, kResetMeaning);
    usage.append(
        "\n"
        "CALL is open, close, read, write, restart, chip-name, version, list-spi or any. A fault\n"
        "waits until K such calls (--after K, default 0) have gone by; --key limits it to the\n"
        "reads or writes of one PS key, --transport to the calls on one transport (default:\n"
        "every one). A unit command without --transport is about the first transport, the one\n"
        "the window chooses. An option is written --NAME VALUE or NAME=VALUE.\n"
        "Each command takes --help.\n");
    return usage.append(kExitStatus).append("See docs/simulator.md.\n");
}

std::string CommandUsage(std::string_view synopsis, std::string_view meaning) {
    std::string usage = "usage: zenta sim ";
    usage.append(synopsis).append("\n").append(meaning).append("\n");
    return usage.append(kExitStatus);
}

TBenchCommandResult Answered(const TBenchAnswer& answer) {
    return {answer.Done ? TKind::Done : TKind::Unusable, answer.Text, ""};
}

bool AsksForHelp(const std::string& word) { return word == "--help" || word == "-h"; }

}  // namespace

TBenchCommandResult RunBenchCommand(const std::vector<std::string>& words, const TSimStateFile& bench) {
    if (words.empty()) return {TKind::Refused, "COMMAND is missing", ""};
    const std::string& word = words.front();
    if (AsksForHelp(word)) return {TKind::Done, BenchUsage(), ""};
    const bool help = std::any_of(words.begin() + 1, words.end(), AsksForHelp);
    if (word == "show" || word == "reset") {
        const bool show = word == "show";
        if (help)
            return {TKind::Done,
                    CommandUsage(show ? kShowSynopsis : kResetSynopsis, show ? kShowMeaning : kResetMeaning), ""};
        if (words.size() > 1) return {TKind::Refused, "unexpected argument " + words[1], word};
        return Answered(show ? ShowBench(bench) : ResetBench(bench));
    }
    const TBenchCommandHelp* command = FindBenchCommand(word);
    if (command == nullptr) return {TKind::Refused, "unknown command " + word, ""};
    if (help) return {TKind::Done, CommandUsage(command->Synopsis, command->Meaning), ""};
    TBenchReader reader(TBenchSource::Command);
    std::string reason;
    const auto change = reader.Read(BenchWords(words), reason);
    if (!change) return {TKind::Refused, reason, word};
    return Answered(ChangeBench(bench, *change));
}

}  // namespace sim
