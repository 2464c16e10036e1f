#include "cli/production/ProductionRun.h"

#include <cstdio>

#include "app/MajorForm.h"
#include "cli/commands/UnitText.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/LoadedFile.h"
#include "cli/host/UnitAccess.h"
#include "cli/production/LinkWatcher.h"
#include "cli/production/MessageLines.h"
#include "cli/production/ProcessWorker.h"
#include "cli/production/ProductionCoordinator.h"
#include "cli/production/RunSummary.h"
#include "cli/production/WorkerChannel.h"
#include "cli/record/LocalTimestamp.h"
#include "cli/record/ProductionRecord.h"
#include "report/Sha256.h"
#include "ui/BenchIdentity.h"

namespace cli {
namespace {

// A file the loader would take otherwise than it reads is refused before any unit gets
// it, since the run would bring the difference to every unit. Empty when the file is
// clean, else the exit code.
std::optional<int> RefusalOf(const std::shared_ptr<const TFileSnapshot>& file, TCommandContext& context) {
    const TLoadedFile loaded(file);
    const std::vector<files::TFinding>& findings = loaded.Report().Findings;
    if (findings.empty()) return std::nullopt;
    for (const files::TFinding& finding : findings)
        context.Err << "zenta program: " << files::FindingLine(file->Path(), finding) << '\n';
    context.Err << "zenta program: " << file->Path() << " has " << findings.size()
                << (findings.size() == 1 ? " finding" : " findings") << " (see zenta check); no unit was programmed\n";
    return kExitFindings;
}

// A record is refused before the first unit: a unit programmed without its entry would
// be missing from it for good.
std::optional<int> RecordRefusal(const TProductionOptions& options, TCommandContext& context) {
    if (options.LogPath.empty() || OpenRecord(options.LogPath)) return std::nullopt;
    context.Err << "zenta program: " << options.LogPath
                << ": the production record cannot be appended to; no unit was programmed\n";
    return kExitFileError;
}

int MillisecondOfDay(const ui::TLocalTime& time) {
    return ((time.Hour * 60 + time.Minute) * 60 + time.Second) * 1000 + time.Millisecond;
}

// The clock gives the time of day only; a unit takes far less than a day, so a negative
// difference is a unit that went past midnight.
double SecondsBetween(const ui::TLocalTime& start, const ui::TLocalTime& end) {
    constexpr int kDay = 24 * 60 * 60 * 1000;
    const int elapsed = (MillisecondOfDay(end) - MillisecondOfDay(start) + kDay) % kDay;
    return elapsed / 1000.0;
}

const char* VerificationOf(app::TDeviceOutcome outcome) {
    if (outcome == app::TDeviceOutcome::Succeeded) return "verified";
    return outcome == app::TDeviceOutcome::VerifyFailed ? "differs" : "not reached";
}

std::string TimeText(const ui::TLocalTime& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.Hour, time.Minute, time.Second);
    return text;
}

std::string ResultLine(const ui::TLocalTime& time, int number, int count, const app::TDeviceResult& result) {
    const TUnitText unit = result.Unit ? DescribeUnit(*result.Unit) : TUnitText{"-", "-", "-"};
    std::string line = TimeText(time) + "  " + std::to_string(number) + "/" + std::to_string(count) + "  " + unit.Kind +
                       "  " + unit.Version + "  " + unit.Edition + "  " + OutcomeName(result.Outcome);
    if (result.Outcome != app::TDeviceOutcome::Succeeded && !result.Message.empty()) line += ": " + result.Message;
    return line;
}

class TProductionRun {
public:
    TProductionRun(const TFileSnapshot& file, const TProductionOptions& options, devlink::IChipLibrary& library,
                   TCommandContext& context, bool worker = false)
        : worker_(worker),
          file_(file),
          options_(options),
          library_(library),
          context_(context),
          watcher_(library, context.Sleeper, options.Place.Transport),
          digest_(options.LogPath.empty() ? std::string() : report::Sha256Hex(file.Bytes())),
          bench_(ui::ThisBench()) {}

    int Run() {
        context_.Interrupt.Arm();
        for (int number = 1; number <= options_.Count; ++number) {
            context_.Err << "Waiting for unit " << number << " of " << options_.Count << " (Ctrl-C ends the run)\n";
            const std::optional<std::string> chip = WaitForUnit();
            if (!chip) break;
            if (!ProgramNextUnit(number, *chip)) return kExitFileError;
            if (number < options_.Count && !WaitUntilGone()) break;
        }
        const bool interrupted = context_.Interrupt.Requested();
        WriteRunSummary(context_.Out, programmed_, failed_, interrupted);
        if (interrupted) return kExitInterrupted;
        return failed_ == 0 ? kExitOk : kExitUnitsFailed;
    }

    // One adapter's part of a run over several: each unit that answers is offered to the
    // run, and programmed under the number it grants. The end of the worker's input, its
    // Ctrl-C, stops it after the unit in hand.
    int Work(TWorkerChannel& channel) {
        channel.Arm();
        for (;;) {
            const std::optional<std::string> chip = WaitForUnit();
            if (!chip) return kExitOk;
            context_.Out << "present" << std::endl;
            const std::optional<int> number = channel.AwaitGrant();
            if (!number) return kExitOk;
            if (!ProgramNextUnit(*number, *chip)) return kExitFileError;
            if (!WaitUntilGone()) return kExitOk;
        }
    }

private:
    // The chip name the look that found the unit read; empty when Ctrl-C came first.
    std::optional<std::string> WaitForUnit() {
        while (!context_.Interrupt.Requested()) {
            if (std::optional<std::string> chip = watcher_.FindUnit()) return chip;
            context_.Poller.Sleep(kLinkPollMs);
        }
        return std::nullopt;
    }

    // False when Ctrl-C came first.
    bool WaitUntilGone() {
        while (!context_.Interrupt.Requested()) {
            if (!watcher_.UnitPresent()) return true;
            context_.Poller.Sleep(kLinkPollMs);
        }
        return false;
    }

    // Each unit gets a window of its own, as if the program were started anew: what
    // programming one unit does to the editor (its edition, the fixed Radio PTT line)
    // never reaches the next one. The look that found the unit was its chip check.
    bool ProgramNextUnit(int number, const std::string& chip) {
        const ui::TLocalTime start = context_.Clock.Now();
        const TProgramming programming =
            ProgramUnit(file_, {.Restart = options_.Restart, .Verify = true, .CheckedChip = chip}, options_.Place,
                        library_, TPlatform{context_.Clock, context_.Sleeper, context_.Err});
        if (!programming.BackupPath.empty())
            context_.Err << "Backup of unit " << number << " saved to " << programming.BackupPath << '\n';
        Report(number, programming.Result, start);
        return true;
    }

    void Report(int number, const app::TDeviceResult& result, const ui::TLocalTime& start) {
        const ui::TLocalTime end = context_.Clock.Now();
        const bool succeeded = result.Outcome == app::TDeviceOutcome::Succeeded;
        (succeeded ? programmed_ : failed_)++;
        if (worker_) context_.Out << (succeeded ? "done ok " : "done failed ");
        context_.Out << ResultLine(end, number, options_.Count, result) << std::endl;
        if (!options_.LogPath.empty()) Record(result, SecondsBetween(start, end));
    }

    // A unit already handled stays handled when its entry cannot be written: the run
    // says so and goes on.
    void Record(const app::TDeviceResult& result, double seconds) {
        const TUnitText unit = result.Unit ? DescribeUnit(*result.Unit) : TUnitText{"-", "-", "-"};
        const TRecordEntry entry{.Time = LocalTimestampNow(),
                                 .Bench = bench_.Bench,
                                 .Operator = bench_.Operator,
                                 .ProgramVersion = app::kProgramVersion,
                                 .Adapter = watcher_.Adapter(),
                                 .Kind = unit.Kind,
                                 .Version = unit.Version,
                                 .Edition = unit.Edition,
                                 .File = file_.Path(),
                                 .Sha256 = digest_,
                                 .Result = OutcomeName(result.Outcome),
                                 .Verification = VerificationOf(result.Outcome),
                                 .Seconds = seconds};
        if (!AppendToRecord(options_.LogPath, entry))
            context_.Err << "zenta program: " << options_.LogPath << ": this unit's entry could not be appended\n";
    }

    const bool worker_;
    const TFileSnapshot& file_;
    const TProductionOptions options_;
    devlink::IChipLibrary& library_;
    TCommandContext& context_;
    TLinkWatcher watcher_;
    const std::string digest_;
    const ui::TBenchIdentity bench_;
    int programmed_ = 0;
    int failed_ = 0;
};

}  // namespace

int RunProduction(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options,
                  devlink::IChipLibrary& library, TCommandContext& context) {
    if (const std::optional<int> refusal = RefusalOf(file, context)) return *refusal;
    if (const std::optional<int> refusal = RecordRefusal(options, context)) return *refusal;
    return TProductionRun(*file, options, library, context).Run();
}

int RunProductionWorker(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options,
                        devlink::IChipLibrary& library, TCommandContext& context, std::istream& input) {
    TMessageLines messages(context.Out);
    std::ostream err(&messages);
    TWorkerChannel channel(input);
    TCommandContext workerContext{context.Out,         err,    context.Clock, context.Sleeper, context.Poller,
                                  context.UnitLibrary, channel};
    return TProductionRun(*file, options, library, workerContext, true).Work(channel);
}

int RunProductionOverAdapters(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options,
                              const std::vector<TChosenAdapter>& adapters, TCommandContext& context) {
    if (const std::optional<int> refusal = RefusalOf(file, context)) return *refusal;
    if (const std::optional<int> refusal = RecordRefusal(options, context)) return *refusal;
    std::vector<std::unique_ptr<IProductionWorker>> workers;
    for (const TChosenAdapter& adapter : adapters) {
        std::vector<std::string> arguments{"program",     "--worker",  "--count", std::to_string(options.Count),
                                           "--transport", adapter.Spec};
        if (options.Restart) arguments.emplace_back("--restart");
        if (options.Place.BackupFolder) arguments.insert(arguments.end(), {"--backup", *options.Place.BackupFolder});
        if (!options.LogPath.empty()) arguments.insert(arguments.end(), {"--log", options.LogPath});
        arguments.push_back(file->Path());
        workers.push_back(std::make_unique<TProcessWorker>(adapter.Transport.Name, std::move(arguments)));
    }
    context.Err << "Programming " << options.Count << " units on " << adapters.size()
                << " adapters (Ctrl-C ends the run)\n";
    return CoordinateProduction(workers, options.Count, context);
}

}  // namespace cli
