#include "cli/production/AdapterRun.h"

#include "cli/framework/ExitCodes.h"
#include "cli/host/DeviceOutcome.h"
#include "cli/host/UnitProgramming.h"
#include "cli/production/ProductionCoordinator.h"
#include "cli/production/WorkerLines.h"

namespace cli {
namespace {

const char* VerificationOf(app::TDeviceOutcome outcome) {
    if (outcome == app::TDeviceOutcome::Succeeded) return "verified";
    return outcome == app::TDeviceOutcome::VerifyFailed ? "differs" : "not reached";
}

}  // namespace

TAdapterRun::TAdapterRun(const TFileSnapshot& file, const TProductionOptions& options, devlink::IChipLibrary& library,
                         TCommandContext& context, IUnitRecord* record, TReportLines* reports)
    : file_(file),
      options_(options),
      library_(library),
      context_(context),
      record_(record),
      reports_(reports),
      watcher_(library_, context.Sleeper, options.Place.Transport),
      stamp_(StampOf(file)) {
    if (reports_ != nullptr) library_.OnWritten = [this](TWritten written) { reports_->Write(WrittenLine(written)); };
}

int TAdapterRun::Run() {
    context_.Interrupt.Arm();
    bool recordFailed = false;
    for (int number = 1; number <= options_.Count; ++number) {
        context_.Err << "Waiting for unit " << number << " of " << options_.Count << " (Ctrl-C ends the run)\n";
        const std::optional<std::string> chip = WaitForUnit();
        if (!chip) break;
        const TStep step = ProgramNextUnit(number, *chip);
        if (step == TStep::FileProblem) return kExitFileError;
        if ((recordFailed = step == TStep::RecordFailed)) break;
        if (number < options_.Count && !WaitUntilGone()) break;
    }
    counts_.Interrupted = context_.Interrupt.Requested();
    WriteRunSummary(context_.Out, counts_);
    if (recordFailed) return kExitRecordFailed;
    if (counts_.Interrupted) return kExitInterrupted;
    return counts_.Failed == 0 ? kExitOk : kExitUnitsFailed;
}

int TAdapterRun::Work(TWorkerChannel& channel) {
    channel.Arm();
    for (;;) {
        const std::optional<std::string> chip = WaitForUnit();
        if (!chip) return kExitOk;
        reports_->Write("present");
        const std::optional<int> number = channel.AwaitGrant();
        if (!number) return kExitOk;
        if (ProgramNextUnit(*number, *chip) == TStep::FileProblem) return kExitFileError;
        if (!WaitUntilGone()) return kExitOk;
    }
}

// The chip name the look that found the unit read; empty when Ctrl-C came first.
std::optional<std::string> TAdapterRun::WaitForUnit() {
    while (!context_.Interrupt.Requested()) {
        if (std::optional<std::string> chip = watcher_.FindUnit()) return chip;
        context_.Poller.Sleep(kLinkPollMs);
    }
    return std::nullopt;
}

// False when Ctrl-C came first.
bool TAdapterRun::WaitUntilGone() {
    while (!context_.Interrupt.Requested()) {
        if (!watcher_.UnitPresent()) return true;
        context_.Poller.Sleep(kLinkPollMs);
    }
    return false;
}

// Each unit gets a window of its own, as if the program were started anew: what
// programming one unit does to the editor (its edition, the fixed Radio PTT line) never
// reaches the next one. The look that found the unit was its chip check.
TAdapterRun::TStep TAdapterRun::ProgramNextUnit(int number, const std::string& chip) {
    const ui::TLocalTime start = context_.Clock.Now();
    library_.BeginUnit();
    const TProgramming programming =
        ProgramUnit(file_, {.Restart = options_.Restart, .Verify = true, .CheckedChip = chip}, options_.Place, library_,
                    TPlatform{context_.Clock, context_.Sleeper, context_.Err});
    if (programming.FileProblem) {
        context_.Err << "zenta program: " << file_.Path() << ": " << *programming.FileProblem << '\n';
        return TStep::FileProblem;
    }
    if (!programming.BackupPath.empty())
        context_.Err << "Backup of unit " << number << " saved to " << programming.BackupPath << '\n';
    return Report(number, programming.Result, start) ? TStep::Next : TStep::RecordFailed;
}

// A unit is counted once its entry is on the disk, or with its run, which appends it. False
// when the entry could not be appended: the unit keeps its line and count, and the run
// stops before the next.
bool TAdapterRun::Report(int number, const app::TDeviceResult& result, const ui::TLocalTime& start) {
    const ui::TLocalTime end = context_.Clock.Now();
    const bool succeeded = result.Outcome == app::TDeviceOutcome::Succeeded;
    const TUnitText unit = result.Unit ? DescribeUnit(*result.Unit) : kUnknownUnit;
    const TRecordEntry entry = EntryOf(stamp_, watcher_.Adapter(),
                                       {.Unit = unit,
                                        .Result = OutcomeName(result.Outcome),
                                        .Written = library_.Written(),
                                        .Verification = VerificationOf(result.Outcome),
                                        .Seconds = SecondsBetween(start, end)});
    const std::string line = UnitLine(end, number, options_.Count, unit, entry.Result,
                                      succeeded ? std::string_view() : std::string_view(result.Message));
    (succeeded ? counts_.Programmed : counts_.Failed)++;
    if (reports_ != nullptr) {
        reports_->Write(EntryLine(entry));
        reports_->Write(DoneLine(succeeded, line));
        return true;
    }
    const bool recorded = record_ == nullptr || record_->Append(entry);
    if (!recorded) {
        ++counts_.Unrecorded;
        context_.Err << UnrecordedMessage(record_->Path(), number) << '\n';
    }
    context_.Out << line << std::endl;
    return recorded;
}

}  // namespace cli
