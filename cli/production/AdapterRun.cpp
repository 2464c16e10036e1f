#include "cli/production/AdapterRun.h"

#include "cli/framework/ExitCodes.h"
#include "cli/host/UnitAccess.h"
#include "cli/host/UnitProgramming.h"
#include "cli/production/CallGuard.h"
#include "cli/production/ProductionCoordinator.h"
#include "cli/production/WorkerLines.h"

namespace cli {
namespace {

const char* VerificationOf(app::TDeviceOutcome outcome) {
    if (outcome == app::TDeviceOutcome::Succeeded) return "verified";
    return outcome == app::TDeviceOutcome::VerifyFailed ? "differs" : "not reached";
}

// How long the guard waits for the programming thread to finish what it says, before it
// ends the run without.
constexpr std::chrono::seconds kReportWait{1};

}  // namespace

TAdapterRun::TAdapterRun(const TFileSnapshot& file, const TProductionOptions& options, TWatchedLibrary& library,
                         TCommandContext& context, IUnitRecord* record, TReportLines* reports)
    : file_(file),
      options_(options),
      library_(library),
      context_(context),
      record_(record),
      reports_(reports),
      stamp_(StampOf(file)) {
    if (reports_ != nullptr) library_.OnWritten = [this](TWritten written) { reports_->Write(WrittenLine(written)); };
}

int TAdapterRun::Run() {
    context_.Interrupt.Arm();
    const TCallGuard guard(library_, options_.CallTimeout, context_.Interrupt,
                           {.Stuck =
                                [this](const std::string& why) {
                                    Abandon(kNoAnswer, "the adapter does not answer: " + why, kExitUnitsFailed);
                                },
                            .Forced = [this] { Abandon(kInterrupted, "", kExitInterrupted); }});
    watcher_.emplace(library_, context_.Sleeper, options_.Place.Transport);
    bool recordFailed = false;
    std::optional<std::string> chip;  // of a unit that answers already
    for (int number = 1; number <= options_.Count; ++number) {
        if (!chip) {
            context_.Err << "Waiting for unit " << number << " of " << options_.Count << " (Ctrl-C ends the run)\n";
            chip = WaitForUnit();
            if (!chip) break;
        }
        const TStep step = ProgramNextUnit(number, *chip);
        if (step == TStep::Abandoned) return abandonedCode_;
        if ((recordFailed = step == TStep::RecordFailed)) break;
        const TUnitMark mark{*chip, library_.KeysSeen()};
        chip.reset();
        if (number == options_.Count) break;
        const TAfterUnit after = WaitUntilGone(number, mark);
        if (after.What == TAfterUnit::TWhat::Interrupted) break;
        if (after.What == TAfterUnit::TWhat::Replaced) chip = after.Chip;
    }
    const std::lock_guard lock(mutex_);
    if (abandoned_) return abandonedCode_;
    finished_ = true;
    return Summarize(recordFailed);
}

int TAdapterRun::Work(TWorkerChannel& channel) {
    watcher_.emplace(library_, context_.Sleeper, options_.Place.Transport);
    std::optional<std::string> chip;  // of a unit that answers already
    for (;;) {
        if (!chip) chip = WaitForUnit();
        if (!chip) return kExitOk;
        reports_->Write("present");
        const std::optional<int> number = channel.AwaitGrant();
        if (!number) return kExitOk;
        ProgramNextUnit(*number, *chip);
        const TAfterUnit after = WaitUntilGone(*number, {*chip, library_.KeysSeen()});
        chip.reset();
        if (after.What == TAfterUnit::TWhat::Interrupted) return kExitOk;
        if (after.What == TAfterUnit::TWhat::Replaced) chip = after.Chip;
    }
}

// The chip name the look that found the unit read; empty when Ctrl-C came first.
std::optional<std::string> TAdapterRun::WaitForUnit() {
    while (!context_.Interrupt.Requested()) {
        if (std::optional<std::string> chip = watcher_->FindUnit()) return chip;
        context_.Poller.Sleep(kLinkPollMs);
    }
    return std::nullopt;
}

// A unit put on at once in place of the one just handled answers at every look, as that
// one would: the look reads what tells them apart. A unit that reads as the one just
// programmed holds what it was given, and needs no write.
TAdapterRun::TAfterUnit TAdapterRun::WaitUntilGone(int number, const TUnitMark& mark) {
    if (context_.Interrupt.Requested()) return {TAfterUnit::TWhat::Interrupted};
    context_.Err << "Waiting for unit " << number << " to be taken away"
                 << (lastSucceeded_ ? "; a unit put on in its place that already holds these settings needs no write"
                                    : "")
                 << " (Ctrl-C ends the run)\n";
    while (!context_.Interrupt.Requested()) {
        const TLinkLook look = watcher_->LookAgain(mark);
        if (look.What == TLinkLook::TWhat::Empty) return {};
        if (look.What == TLinkLook::TWhat::OtherUnit) return {TAfterUnit::TWhat::Replaced, look.Chip};
        context_.Poller.Sleep(kLinkPollMs);
    }
    return {TAfterUnit::TWhat::Interrupted};
}

// Each unit gets a window of its own, as if the program were started anew: what
// programming one unit does to the editor (its edition, the fixed Radio PTT line) never
// reaches the next one. The look that found the unit was its chip check.
TAdapterRun::TStep TAdapterRun::ProgramNextUnit(int number, const std::string& chip) {
    const ui::TLocalTime start = context_.Clock.Now();
    {
        const std::lock_guard lock(mutex_);
        if (abandoned_) return TStep::Abandoned;
        inHand_ = TUnitInHand{number, start};
    }
    library_.BeginUnit();
    const TProgramming programming =
        ProgramUnit(file_, {.Restart = options_.Restart, .Verify = true, .CheckedChip = chip}, options_.Place, library_,
                    TPlatform{context_.Clock, context_.Sleeper, context_.Err});
    if (!programming.BackupPath.empty())
        context_.Err << "Backup of unit " << number << " saved to " << programming.BackupPath << '\n';
    return Report(number, programming, start);
}

// A unit is counted once its entry is on the disk, or with its run, which appends it. An
// entry that cannot be appended leaves the unit its line and count, and the run stops
// before the next.
TAdapterRun::TStep TAdapterRun::Report(int number, const TProgramming& programming, const ui::TLocalTime& start) {
    const app::TDeviceResult& result = programming.Result;
    const ui::TLocalTime end = context_.Clock.Now();
    const bool succeeded = result.Outcome == app::TDeviceOutcome::Succeeded;
    const records::TUnitText unit = result.Unit ? records::DescribeUnit(*result.Unit) : kUnknownUnit;
    const TRecordEntry entry = EntryOf(stamp_, watcher_->Adapter(),
                                       {.Unit = unit,
                                        .Result = OutcomeName(result.Outcome),
                                        .Written = library_.Written(),
                                        .Verification = VerificationOf(result.Outcome),
                                        .ReadBackSha256 = programming.ReadBackSha256.value_or("-"),
                                        .Seconds = SecondsBetween(start, end)});
    const std::string line = UnitLine(end, number, options_.Count, unit, entry.Result,
                                      succeeded ? std::string_view() : std::string_view(result.Message));
    const std::lock_guard lock(mutex_);
    if (abandoned_) return TStep::Abandoned;
    inHand_.reset();
    lastSucceeded_ = succeeded;
    (succeeded ? counts_.Programmed : counts_.Failed)++;
    if (reports_ != nullptr) {
        reports_->Write(EntryLine(entry));
        reports_->Write(DoneLine(succeeded, line));
        return TStep::Next;
    }
    const bool recorded = Append(number, entry);
    context_.Out << line << std::endl;
    return recorded ? TStep::Next : TStep::RecordFailed;
}

bool TAdapterRun::Append(int number, const TRecordEntry& entry) {
    if (record_ == nullptr || record_->Append(entry)) return true;
    ++counts_.Unrecorded;
    context_.Err << UnrecordedMessage(record_->Path(), number) << '\n';
    return false;
}

// Called with the lock held.
int TAdapterRun::Summarize(bool recordFailed) {
    counts_.Interrupted = context_.Interrupt.Requested();
    WriteRunSummary(context_.Out, counts_);
    if (recordFailed) return kExitRecordFailed;
    if (counts_.Interrupted) return kExitInterrupted;
    return counts_.Failed == 0 ? kExitOk : kExitUnitsFailed;
}

// The programming thread holds the lock only while it reports, which a call that does
// not return never keeps it from; should the report itself hang (a record on a server
// that went away), the run ends without.
void TAdapterRun::Abandon(const char* result, const std::string& why, int exitCode) {
    std::unique_lock lock(mutex_, kReportWait);
    if (lock.owns_lock() && finished_) return;
    abandoned_ = true;
    abandonedCode_ = exitCode;
    if (!why.empty()) context_.Err << "zenta program: " << why << '\n';
    if (lock.owns_lock()) {
        if (inHand_) {
            const ui::TLocalTime now = context_.Clock.Now();
            const TWritten written = library_.Written();
            if (!Append(
                    inHand_->Number,
                    EntryOf(stamp_, watcher_->Adapter(),
                            {.Result = result, .Written = written, .Seconds = SecondsBetween(inHand_->Start, now)})))
                abandonedCode_ = kExitRecordFailed;
            ++counts_.Failed;
            context_.Out << UnitLine(now, inHand_->Number, options_.Count, kUnknownUnit, result,
                                     std::string("written ") + WrittenName(written))
                         << std::endl;
            inHand_.reset();
        }
        counts_.Interrupted = context_.Interrupt.Requested();
        WriteRunSummary(context_.Out, counts_);
    }
    context_.EndProcess(abandonedCode_);
}

}  // namespace cli
