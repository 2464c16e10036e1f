#pragma once
// One adapter's part of a production run over several adapters, as the run that hands
// out the units sees it. Each worker waits for a unit on its adapter, asks for a number
// for it, programs it once granted and reports it; then waits for it to go.

#include <optional>
#include <string>

#include "cli/record/ProductionRecord.h"

namespace cli {

struct TWorkerReport {
    enum class TKind {
        UnitPresent,  // a unit answers: may it be programmed?
        Written,      // the granted unit's record write was asked for or answered
        Entry,        // the granted unit's record entry, before its result
        UnitDone,     // the granted unit has its result
        Stuck,        // a library call does not return: the worker is to be ended
        Message,      // a line for standard error
        Ended,        // the worker is gone, stopped or not
    };
    TKind Kind = TKind::Message;
    bool Succeeded = false;           // of UnitDone
    TWritten Written = TWritten::No;  // of Written
    std::string Text{};               // the unit's line, its entry, the message, or why
};

class IProductionWorker {
public:
    virtual ~IProductionWorker() = default;
    virtual const std::string& Adapter() const = 0;
    // Nothing when the worker could not be started; else it reports from now on.
    virtual std::optional<std::string> Start() = 0;
    // What the worker said since the last call, one report at a time; empty when nothing
    // is waiting. Never blocks.
    virtual std::optional<TWorkerReport> NextReport() = 0;
    // Programs the unit it reported present as unit `number` of the run.
    virtual void Grant(int number) = 0;
    // No further unit: a unit being programmed is finished and reported, then the worker
    // ends; a waiting one ends at once.
    virtual void Stop() = 0;
    // Ends the worker at once, wherever it is (SIGKILL, TerminateProcess); its Ended
    // report may never come, if the system cannot end it.
    virtual void Kill() = 0;
};

}  // namespace cli
