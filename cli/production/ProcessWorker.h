#pragma once
// A production worker that is a copy of this program, run as
// `zenta program FILE --worker --transport T ...`: it gets the settings file's checked
// bytes and its grants on its standard input and says what it does on its standard
// output, in the lines of WorkerLines.h; this side closes the copy's input to stop it.

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
    // `settings` are the bytes the run checked, the worker's first line.
    TProcessWorker(std::string adapter, std::vector<std::string> arguments, std::string settings);
    TProcessWorker(const TProcessWorker&) = delete;
    TProcessWorker& operator=(const TProcessWorker&) = delete;
    ~TProcessWorker() override;

    const std::string& Adapter() const override { return adapter_; }
    std::optional<std::string> Start() override;
    std::optional<TWorkerReport> NextReport() override;
    void Grant(int number) override;
    void Stop() override;
    void Kill() override;

private:
    // The copy's output is read by a thread of its own, so that NextReport never blocks.
    // What the thread uses is shared with it: a copy the system cannot end leaves it
    // reading for good, and it is then left behind.
    struct TShared {
        std::unique_ptr<IOwnCopy> Copy;
        std::mutex Mutex;
        std::deque<TWorkerReport> Reports;
    };
    static void ReadReports(const std::shared_ptr<TShared>& shared);

    const std::string adapter_;
    const std::vector<std::string> arguments_;
    const std::string settings_;
    std::shared_ptr<TShared> shared_ = std::make_shared<TShared>();
    std::thread reader_;
    bool killed_ = false;
};

}  // namespace cli
