// `zenta sim`: the simulated units on the bench, in the state file the programmer's
// simulated libraries use as well. Besides show and reset, its commands are the bench's
// own vocabulary (sim/BenchVocabulary.h), which scripts and the state file speak too:
// they are read there, and their usage is made from their descriptions there.

#include <algorithm>
#include <string>
#include <string_view>

#include "cli/framework/CommandContext.h"
#include "cli/framework/ExitCodes.h"
#include "sim/BenchVocabulary.h"
#include "sim/SimBenchCommands.h"

namespace cli {
namespace {

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

std::string Usage() {
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
    for (const sim::TBenchCommandHelp& command : sim::BenchCommands()) add(command.Synopsis, command.Meaning);
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

int Refuse(TCommandContext& context, std::string_view command, std::string_view reason) {
    context.Err << "zenta sim" << (command.empty() ? "" : " ") << command << ": " << reason << " (see zenta sim"
                << (command.empty() ? "" : " ") << command << " --help)\n";
    return kExitUsage;
}

int Answer(const sim::TBenchAnswer& answer, TCommandContext& context) {
    if (!answer.Done) {
        context.Err << "zenta sim: " << answer.Text << '\n';
        return kExitBenchUnusable;
    }
    context.Out << answer.Text;
    return kExitOk;
}

bool AsksForHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

int RunSimCommand(const TArgs& args, TCommandContext& context, const sim::TSimStateFile& bench) {
    if (args.empty()) return Refuse(context, "", "COMMAND is missing");
    const std::string& word = args.front();
    if (AsksForHelp(word)) {
        context.Out << Usage();
        return kExitOk;
    }
    const bool help = std::any_of(args.begin() + 1, args.end(), AsksForHelp);
    if (word == "show" || word == "reset") {
        const bool show = word == "show";
        if (help) {
            context.Out << CommandUsage(show ? kShowSynopsis : kResetSynopsis, show ? kShowMeaning : kResetMeaning);
            return kExitOk;
        }
        if (args.size() > 1) return Refuse(context, word, "unexpected argument " + args[1]);
        return Answer(show ? sim::ShowBench(bench) : sim::ResetBench(bench), context);
    }
    const sim::TBenchCommandHelp* command = sim::FindBenchCommand(word);
    if (command == nullptr) return Refuse(context, "", "unknown command " + word);
    if (help) {
        context.Out << CommandUsage(command->Synopsis, command->Meaning);
        return kExitOk;
    }
    sim::TBenchReader reader(sim::TBenchSource::Command);
    std::string reason;
    const auto change = reader.Read(sim::BenchWords(args), reason);
    if (!change) return Refuse(context, word, reason);
    return Answer(sim::ChangeBench(bench, *change), context);
}

int RunSimCommand(const TArgs& args, TCommandContext& context) {
    return RunSimCommand(args, context, sim::TSimStateFile(sim::TSimStateFile::DefaultPath()));
}

}  // namespace cli
