#pragma once
// A production worker that is a copy of this program, run as
// `zenta program FILE --worker --transport T ...`. They speak in lines: the copy writes
// `present` when a unit answers, `done ok LINE` or `done failed LINE` with the unit's
// line, `say TEXT` for a message; this side answers `go N` to grant unit N and closes the
// copy's input to stop it.

#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/production/OwnCopy.h"
#include "cli/production/ProductionWorker.h"

namespace cli {

class TProcessWorker : public IProductionWorker {
public:
    TProcessWorker(std::string adapter, std::vector<std::string> arguments);
    TProcessWorker(const TProcessWorker&) = delete;
    TProcessWorker& operator=(const TProcessWorker&) = delete;
    ~TProcessWorker() override;

    const std::string& Adapter() const override { return adapter_; }
    std::optional<std::string> Start() override;
    std::optional<TWorkerReport> NextReport() override;
    void Grant(int number) override;
    void Stop() override;

private:
    // The copy's output is read by a thread of its own, so that NextReport never blocks.
    void ReadReports();
    void Queue(TWorkerReport report);

    const std::string adapter_;
    const std::vector<std::string> arguments_;
    std::unique_ptr<IOwnCopy> copy_;
    std::thread reader_;
    std::mutex mutex_;
    std::deque<TWorkerReport> reports_;
};

// A report of the copy's line; a line of no known kind is passed on as a message.
TWorkerReport ReportOf(const std::string& line);

}  // namespace cli
