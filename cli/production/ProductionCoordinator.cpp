#include "cli/production/ProductionCoordinator.h"

#include "cli/framework/ExitCodes.h"
#include "cli/production/RunSummary.h"

namespace cli {
namespace {

using TKind = TWorkerReport::TKind;

struct TAdapterState {
    IProductionWorker& Worker;
    bool Alive = false;
    bool Busy = false;     // granted a unit whose result has not come
    bool Stopped = false;  // told to stop, so its end is no failure
    bool Failed = false;   // ended on its own, or stopped answering
    int Programmed = 0;
    int FailedUnits = 0;
    // The unit in hand: its number, since when, what the worker said of it.
    int Number = 0;
    ui::TLocalTime GrantedAt{};
    TWritten Written = TWritten::No;
    std::optional<TRecordEntry> Entry{};
    // Ended from here: why, and the looks for reports since.
    const char* EndedAs = kWorkerEnded;
    int PollsSinceKill = -1;
};

class TCoordinator {
public:
    TCoordinator(const std::vector<std::unique_ptr<IProductionWorker>>& workers, const TCoordination& coordination,
                 TCommandContext& context)
        : coordination_(coordination), context_(context) {
        for (const auto& worker : workers) adapters_.push_back({.Worker = *worker});
    }

    int Run() {
        context_.Interrupt.Arm();
        for (TAdapterState& adapter : adapters_) StartWorker(adapter);
        while (AnyAlive()) {
            if (context_.Interrupt.Requested()) StopAll();
            if (context_.Interrupt.Forced()) KillAll();
            if (HandleReports()) continue;
            context_.Poller.Sleep(kReportPollMs);
            GiveUpOnKilledWorkers();
        }
        return Summarize();
    }

private:
    void StartWorker(TAdapterState& adapter) {
        if (const std::optional<std::string> problem = adapter.Worker.Start()) {
            Say(adapter, "cannot start: " + *problem);
            adapter.Failed = true;
            return;
        }
        adapter.Alive = true;
    }

    bool AnyAlive() const {
        for (const TAdapterState& adapter : adapters_)
            if (adapter.Alive) return true;
        return false;
    }

    // True when any worker had something to say.
    bool HandleReports() {
        bool heard = false;
        for (TAdapterState& adapter : adapters_) {
            while (adapter.Alive) {
                const std::optional<TWorkerReport> report = adapter.Worker.NextReport();
                if (!report) break;
                heard = true;
                Handle(adapter, *report);
            }
        }
        return heard;
    }

    void Handle(TAdapterState& adapter, const TWorkerReport& report) {
        switch (report.Kind) {
        case TKind::UnitPresent: Present(adapter); return;
        case TKind::Written:
            if (adapter.Busy) adapter.Written = report.Written;
            return;
        case TKind::Entry:
            if (adapter.Busy) adapter.Entry = EntryOfLine(report.Text);
            return;
        case TKind::UnitDone: Done(adapter, report.Succeeded, report.Text); return;
        // An adapter that stopped answering failed, also one told to stop meanwhile.
        case TKind::Stuck:
            Say(adapter, "the adapter does not answer: " + report.Text);
            adapter.Failed = true;
            Kill(adapter, kNoAnswer);
            return;
        case TKind::Message: Say(adapter, report.Text); return;
        case TKind::Ended: Ended(adapter, report.Text); return;
        }
    }

    // A worker being ended gets no unit, whatever it said before.
    void Present(TAdapterState& adapter) {
        if (stopping_ || granted_ >= coordination_.Count || adapter.PollsSinceKill >= 0) {
            Stop(adapter);
            return;
        }
        adapter.Busy = true;
        adapter.Number = ++granted_;
        adapter.GrantedAt = context_.Clock.Now();
        adapter.Written = TWritten::No;
        adapter.Entry.reset();
        adapter.Worker.Grant(adapter.Number);
        if (granted_ == coordination_.Count) StopAll();
    }

    void Done(TAdapterState& adapter, bool succeeded, const std::string& line) {
        if (!adapter.Busy) return;
        const TRecordEntry entry = adapter.Entry
                                       ? *adapter.Entry
                                       : EntryOf(coordination_.Stamp, adapter.Worker.Adapter(),
                                                 {.Result = succeeded ? "ok" : "failed", .Written = adapter.Written});
        Count(adapter, entry, succeeded, line);
    }

    // A unit under way when its worker went: its entry, if the worker gave it, else one
    // from what the worker had said of the unit's write.
    void Ended(TAdapterState& adapter, const std::string& reason) {
        adapter.Alive = false;
        if (adapter.Busy) {
            Say(adapter, "ended while programming a unit" + (reason.empty() ? std::string() : ": " + reason));
            if (adapter.Entry) {
                const TRecordEntry& entry = *adapter.Entry;
                Count(adapter, entry, entry.Result == "ok",
                      UnitLine(context_.Clock.Now(), adapter.Number, coordination_.Count,
                               {entry.Kind, entry.Version, entry.Edition}, entry.Result, ""));
            } else {
                const ui::TLocalTime now = context_.Clock.Now();
                const TUnitOutcome lost{.Result = adapter.EndedAs,
                                        .Written = adapter.Written,
                                        .Seconds = SecondsBetween(adapter.GrantedAt, now)};
                Count(adapter, EntryOf(coordination_.Stamp, adapter.Worker.Adapter(), lost), false,
                      UnitLine(now, adapter.Number, coordination_.Count, kUnknownUnit, adapter.EndedAs,
                               std::string("written ") + WrittenName(adapter.Written)));
            }
        } else if (!adapter.Stopped) {
            Say(adapter, "ended" + (reason.empty() ? std::string() : ": " + reason));
        }
        if (!adapter.Stopped) adapter.Failed = true;
    }

    // The unit counts once its entry is on the disk; one that cannot be appended stops
    // the handing out of numbers.
    void Count(TAdapterState& adapter, const TRecordEntry& entry, bool succeeded, const std::string& line) {
        adapter.Busy = false;
        if (coordination_.Record != nullptr && !coordination_.Record->Append(entry)) {
            ++unrecorded_;
            context_.Err << UnrecordedMessage(coordination_.Record->Path(), adapter.Number) << '\n';
            recordFailed_ = true;
            StopAll();
        }
        (succeeded ? adapter.Programmed : adapter.FailedUnits)++;
        context_.Out << Prefixed(adapter, line) << std::endl;
    }

    void Stop(TAdapterState& adapter) {
        if (adapter.Stopped || !adapter.Alive) return;
        adapter.Stopped = true;
        adapter.Worker.Stop();
    }

    void StopAll() {
        stopping_ = true;
        for (TAdapterState& adapter : adapters_) Stop(adapter);
    }

    void Kill(TAdapterState& adapter, const char* endedAs) {
        if (!adapter.Alive || adapter.PollsSinceKill >= 0) return;
        adapter.EndedAs = endedAs;
        adapter.PollsSinceKill = 0;
        adapter.Worker.Kill();
    }

    void KillAll() {
        for (TAdapterState& adapter : adapters_) Kill(adapter, kInterrupted);
    }

    // A worker ended from here that has not shown its end is taken for ended.
    void GiveUpOnKilledWorkers() {
        for (TAdapterState& adapter : adapters_) {
            if (!adapter.Alive || adapter.PollsSinceKill < 0) continue;
            if (++adapter.PollsSinceKill >= kKilledWorkerPolls) Ended(adapter, "the system has not ended it");
        }
    }

    static std::string Prefixed(const TAdapterState& adapter, const std::string& text) {
        std::string line = "[";
        line.append(adapter.Worker.Adapter()).append("]  ").append(text);
        return line;
    }

    void Say(const TAdapterState& adapter, const std::string& text) { context_.Err << Prefixed(adapter, text) << '\n'; }

    int Summarize() {
        TRunCounts counts{.Unrecorded = unrecorded_, .Interrupted = context_.Interrupt.Requested()};
        bool adapterFailed = false;
        for (const TAdapterState& adapter : adapters_) {
            counts.Programmed += adapter.Programmed;
            counts.Failed += adapter.FailedUnits;
            adapterFailed = adapterFailed || adapter.Failed;
        }
        WriteRunSummary(context_.Out, counts);
        for (const TAdapterState& adapter : adapters_)
            context_.Out << "  " << adapter.Worker.Adapter() << ": " << adapter.Programmed << " programmed, "
                         << adapter.FailedUnits << " failed" << (adapter.Failed ? ", adapter failed" : "") << '\n';
        if (recordFailed_) return kExitRecordFailed;
        if (counts.Interrupted) return kExitInterrupted;
        return counts.Failed == 0 && !adapterFailed ? kExitOk : kExitUnitsFailed;
    }

    const TCoordination& coordination_;
    TCommandContext& context_;
    std::vector<TAdapterState> adapters_;
    int granted_ = 0;
    bool stopping_ = false;
    int unrecorded_ = 0;
    bool recordFailed_ = false;
};

}  // namespace

int CoordinateProduction(const std::vector<std::unique_ptr<IProductionWorker>>& workers,
                         const TCoordination& coordination, TCommandContext& context) {
    return TCoordinator(workers, coordination, context).Run();
}

std::string UnrecordedMessage(const std::string& record, int number) {
    return "zenta program: " + record + ": the entry of unit " + std::to_string(number) +
           " could not be appended to the production record; no further unit is programmed";
}

}  // namespace cli
