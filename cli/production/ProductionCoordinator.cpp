#include "cli/production/ProductionCoordinator.h"

#include "cli/framework/ExitCodes.h"
#include "cli/production/RunSummary.h"

namespace cli {
namespace {

struct TAdapterState {
    IProductionWorker& Worker;
    bool Alive = false;
    bool Busy = false;     // granted a unit whose result has not come
    bool Stopped = false;  // told to stop, so its end is no failure
    bool Failed = false;   // ended on its own
    int Programmed = 0;
    int FailedUnits = 0;
};

class TCoordinator {
public:
    TCoordinator(const std::vector<std::unique_ptr<IProductionWorker>>& workers, int count, TCommandContext& context)
        : count_(count), context_(context) {
        for (const auto& worker : workers) adapters_.push_back({.Worker = *worker});
    }

    int Run() {
        context_.Interrupt.Arm();
        for (TAdapterState& adapter : adapters_) StartWorker(adapter);
        while (AnyAlive()) {
            if (context_.Interrupt.Requested()) StopAll();
            if (!HandleReports()) context_.Poller.Sleep(kReportPollMs);
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
        case TWorkerReport::TKind::UnitPresent:
            if (stopping_ || granted_ >= count_) {
                Stop(adapter);
                return;
            }
            adapter.Busy = true;
            adapter.Worker.Grant(++granted_);
            if (granted_ == count_) StopAll();
            return;
        case TWorkerReport::TKind::UnitDone:
            adapter.Busy = false;
            (report.Succeeded ? adapter.Programmed : adapter.FailedUnits)++;
            context_.Out << Prefixed(adapter, report.Text) << std::endl;
            return;
        case TWorkerReport::TKind::Message: Say(adapter, report.Text); return;
        case TWorkerReport::TKind::Ended: Ended(adapter, report.Text); return;
        }
    }

    // A unit under way when its worker went is a failed unit: what it holds is unknown.
    void Ended(TAdapterState& adapter, const std::string& reason) {
        adapter.Alive = false;
        if (adapter.Busy) {
            adapter.Busy = false;
            ++adapter.FailedUnits;
            Say(adapter, "ended while programming a unit" + (reason.empty() ? std::string() : ": " + reason));
        } else if (!adapter.Stopped) {
            Say(adapter, "ended" + (reason.empty() ? std::string() : ": " + reason));
        }
        if (!adapter.Stopped) adapter.Failed = true;
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

    static std::string Prefixed(const TAdapterState& adapter, const std::string& text) {
        std::string line = "[";
        line.append(adapter.Worker.Adapter()).append("]  ").append(text);
        return line;
    }

    void Say(const TAdapterState& adapter, const std::string& text) { context_.Err << Prefixed(adapter, text) << '\n'; }

    int Summarize() {
        int programmed = 0;
        int failed = 0;
        bool adapterFailed = false;
        for (const TAdapterState& adapter : adapters_) {
            programmed += adapter.Programmed;
            failed += adapter.FailedUnits;
            adapterFailed = adapterFailed || adapter.Failed;
        }
        const bool interrupted = context_.Interrupt.Requested();
        WriteRunSummary(context_.Out, {.Programmed = programmed, .Failed = failed, .Interrupted = interrupted});
        for (const TAdapterState& adapter : adapters_)
            context_.Out << "  " << adapter.Worker.Adapter() << ": " << adapter.Programmed << " programmed, "
                         << adapter.FailedUnits << " failed" << (adapter.Failed ? ", adapter failed" : "") << '\n';
        if (interrupted) return kExitInterrupted;
        return failed == 0 && !adapterFailed ? kExitOk : kExitUnitsFailed;
    }

    const int count_;
    TCommandContext& context_;
    std::vector<TAdapterState> adapters_;
    int granted_ = 0;
    bool stopping_ = false;
};

}  // namespace

int CoordinateProduction(const std::vector<std::unique_ptr<IProductionWorker>>& workers, int count,
                         TCommandContext& context) {
    return TCoordinator(workers, count, context).Run();
}

}  // namespace cli
