// `zenta sim`: the simulated units on the bench, in the state file the programmer's
// simulated libraries use as well. The command line is read here; what each command does
// to the bench is the simulator's own (sim/SimBenchCommands.h).

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "sim/SimBenchCommands.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta sim COMMAND\n"
    "Shows or changes the simulated units on the bench, one per transport: the stand-ins\n"
    "for units in programming mode on the link. The programmer and this command share\n"
    "the bench through its state file, $ZENTA_SIM_STATE when set, else the default\n"
    "location (zenta sim show names it).\n"
    "\n"
    "commands:\n"
    "  show               every unit with its PS keys and calls, pending faults, counters\n"
    "  attach handset|gateway|tavin|unknown|none [--transport NAME]\n"
    "         [--edition ardex|kesto] [--version 0xVVVV]\n"
    "                     plug in another unit at factory settings\n"
    "  fail read|write|open N [--key 0xKEY]\n"
    "                     make the next N such calls fail\n"
    "  ports NAMES TRANSPORTS\n"
    "                     the SPI ports the library lists\n"
    "  latency MS         how long each library call takes\n"
    "  reset              back to a fresh bench\n"
    "Each command takes --help.\n"
    "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n"
    "See docs/simulator.md.\n";

constexpr const char* kShowUsage =
    "usage: zenta sim show\n"
    "Shows the state file's path; the first transport, with or without a unit, and every\n"
    "other transport with a unit or a call: the unit's kind, type and version words, chip,\n"
    "restarts, every stored PS key, and the calls made there; then the pending faults,\n"
    "the bench's counters, the latency, the engine version and the SPI listing.\n"
    "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n";

constexpr const char* kAttachUsage =
    "usage: zenta sim attach handset|gateway|tavin|unknown|none [--transport NAME]\n"
    "                        [--edition ardex|kesto] [--version 0xVVVV]\n"
    "Plugs in another unit at factory settings (default edition ardex, version 0x0205):\n"
    "tavin is a unit of the newer series, unknown one of a type nobody knows, none leaves\n"
    "nothing there. It goes on the transport NAME, an SPI port's transport string or a USB\n"
    "device path such as \\\\.\\CSR1; without --transport on the first transport, the one\n"
    "the window chooses. Connections to the unit that was there stop reaching anything.\n"
    "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n";

constexpr const char* kFailUsage =
    "usage: zenta sim fail read|write|open N [--key 0xKEY]\n"
    "Makes the next N such calls that reach a unit fail, on whichever transport; with\n"
    "--key only the reads or writes of that PS key (opens have no key). N = 0 cancels.\n"
    "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n";

constexpr const char* kPortsUsage =
    "usage: zenta sim ports NAMES TRANSPORTS\n"
    "Sets the SPI ports the library lists: NAMES their display names and TRANSPORTS their\n"
    "transport strings, each comma-separated, one entry per port (\"\" \"\" for none). The\n"
    "units stay where they are; attach units to the ports by their transport strings.\n"
    "The window then opens the first port without LPT in its transport string.\n"
    "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n";

constexpr const char* kLatencyUsage =
    "usage: zenta sim latency MS\n"
    "Makes each library call take MS milliseconds (0 to 60000; 0: no time at all), so that\n"
    "the timings of runs over several adapters mean something.\n"
    "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n";

constexpr const char* kResetUsage =
    "usage: zenta sim reset\n"
    "Back to a fresh bench: a factory handset on \\\\.\\CSR0 and nothing elsewhere, no\n"
    "faults, counters at zero, default engine version, no SPI ports, no latency. It also\n"
    "replaces a state file that cannot be read.\n"
    "Exit status: 0 done, 1 the state file cannot be read or written, 2 bad usage.\n";

constexpr std::uint32_t kMaxLatencyMs = 60000;

int Answer(const sim::TBenchAnswer& answer, TCommandContext& context) {
    if (!answer.Done) {
        context.Err << "zenta sim: " << answer.Text << '\n';
        return kExitBenchUnusable;
    }
    context.Out << answer.Text;
    return kExitOk;
}

std::uint32_t Number(const std::string& text, std::uint32_t max, const char* needs) {
    const auto value = sim::ParseNumber(text, max);
    if (!value) throw TUsageError(std::string(needs).append(", not ").append(text));
    return *value;
}

std::size_t Entries(std::string_view list) {
    return list.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(list.begin(), list.end(), ','));
}

// NAMES and TRANSPORTS describe the same ports, each entry non-empty.
void CheckPorts(const std::string& names, const std::string& transports) {
    if (Entries(names) != Entries(transports)) {
        std::string problem = "NAMES lists ";
        problem.append(std::to_string(Entries(names)))
            .append(" port(s) and TRANSPORTS ")
            .append(std::to_string(Entries(transports)));
        throw TUsageError(problem);
    }
    for (const std::string_view list : {std::string_view(names), std::string_view(transports)}) {
        if (!list.empty() && (list.front() == ',' || list.back() == ',' || list.find(",,") != list.npos))
            throw TUsageError(std::string(list == names ? "NAMES" : "TRANSPORTS").append(" has an empty entry"));
    }
}

// A transport a unit can sit on: a transport string of a listing, or a device path.
void CheckTransport(const std::string& name) {
    if (name.empty() || name.find(',') != std::string::npos) {
        std::string problem = "--transport needs an SPI port's transport string or a USB device path, not '";
        throw TUsageError(problem.append(name).append("'"));
    }
}

}  // namespace

int RunSimCommand(const TArgs& args, TCommandContext& context, const sim::TSimStateFile& bench) {
    TCommandLine line("sim", kUsage);
    line.Subcommand("show", kShowUsage, [&] { return Answer(sim::ShowBench(bench), context); });

    std::string kind;
    std::optional<std::string> transport, edition, version;
    TCommandLine& attach = line.Subcommand("attach", kAttachUsage, [&] {
        sim::TAttachment attachment;
        const auto parsedKind = sim::ParseKind(kind);
        if (!parsedKind)
            throw TUsageError(
                std::string("unknown unit ").append(kind).append(" (handset, gateway, tavin, unknown or none)"));
        attachment.Kind = *parsedKind;
        if (attachment.Kind == sim::TUnitKind::None && (edition || version))
            throw TUsageError("none has no --edition or --version");
        if (edition) {
            const auto parsed = sim::ParseEdition(*edition);
            if (!parsed)
                throw TUsageError(std::string("unknown edition ").append(*edition).append(" (ardex or kesto)"));
            attachment.Edition = *parsed;
        }
        if (version)
            attachment.Version =
                static_cast<std::uint16_t>(Number(*version, 0xFFFF, "--version needs a word up to 0xFFFF"));
        if (transport) CheckTransport(*transport);
        attachment.Transport = transport;
        return Answer(sim::ChangeBench(bench, [&](sim::TSimBench& b) { return sim::AttachUnit(b, attachment); }),
                      context);
    });
    attach.Positional("KIND", kind);
    attach.Option("--transport", transport);
    attach.Option("--edition", edition);
    attach.Option("--version", version);

    std::string call, count;
    std::optional<std::string> key;
    TCommandLine& fail = line.Subcommand("fail", kFailUsage, [&] {
        const auto parsedCall = sim::ParseCall(call);
        if (!parsedCall) throw TUsageError(std::string("unknown call ").append(call).append(" (read, write or open)"));
        const std::uint32_t times = Number(count, 0xFFFFFFFF, "N needs a whole number");
        std::optional<std::uint16_t> keyId;
        if (key && *parsedCall == sim::TSimCall::Open) throw TUsageError("an open has no --key");
        if (key) keyId = static_cast<std::uint16_t>(Number(*key, 0xFFFF, "--key needs a key id up to 0xFFFF"));
        return Answer(
            sim::ChangeBench(bench, [&](sim::TSimBench& b) { return sim::FailCalls(b, *parsedCall, times, keyId); }),
            context);
    });
    fail.Positional("CALL", call);
    fail.Positional("N", count);
    fail.Option("--key", key);

    std::string names, transports;
    TCommandLine& ports = line.Subcommand("ports", kPortsUsage, [&] {
        CheckPorts(names, transports);
        return Answer(
            sim::ChangeBench(bench, [&](sim::TSimBench& b) { return sim::ListSpiPorts(b, names, transports); }),
            context);
    });
    ports.Positional("NAMES", names);
    ports.Positional("TRANSPORTS", transports);

    std::string milliseconds;
    TCommandLine& latency = line.Subcommand("latency", kLatencyUsage, [&] {
        const std::uint32_t ms = Number(milliseconds, kMaxLatencyMs, "MS needs a whole number up to 60000");
        return Answer(sim::ChangeBench(bench, [&](sim::TSimBench& b) { return sim::SetLatency(b, ms); }), context);
    });
    latency.Positional("MS", milliseconds);

    line.Subcommand("reset", kResetUsage, [&] { return Answer(sim::ResetBench(bench), context); });
    return line.Run(args, context);
}

int RunSimCommand(const TArgs& args, TCommandContext& context) {
    return RunSimCommand(args, context, sim::TSimStateFile(sim::TSimStateFile::DefaultPath()));
}

}  // namespace cli
