#include "cli/production/ProcessWorker.h"

#include <stdexcept>

#include "cli/production/WorkerLines.h"

namespace cli {

TProcessWorker::TProcessWorker(std::string adapter, std::vector<std::string> arguments, std::string settings)
    : adapter_(std::move(adapter)), arguments_(std::move(arguments)), settings_(std::move(settings)) {}

TProcessWorker::~TProcessWorker() {
    if (shared_->Copy) shared_->Copy->CloseInput();
    if (!reader_.joinable()) return;
    if (killed_)
        reader_.detach();
    else
        reader_.join();
}

std::optional<std::string> TProcessWorker::Start() {
    try {
        shared_->Copy = StartOwnCopy(arguments_);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    shared_->Copy->WriteLine(SettingsLine(settings_));
    reader_ = std::thread([shared = shared_] { ReadReports(shared); });
    return std::nullopt;
}

void TProcessWorker::ReadReports(const std::shared_ptr<TShared>& shared) {
    std::string line;
    while (shared->Copy->ReadLine(line)) {
        const std::lock_guard lock(shared->Mutex);
        shared->Reports.push_back(ReportOf(line));
    }
    const int code = shared->Copy->Wait();
    const std::lock_guard lock(shared->Mutex);
    shared->Reports.push_back(
        {.Kind = TWorkerReport::TKind::Ended,
         .Text = code == 0 ? std::string() : std::string("exit code ").append(std::to_string(code))});
}

std::optional<TWorkerReport> TProcessWorker::NextReport() {
    const std::lock_guard lock(shared_->Mutex);
    if (shared_->Reports.empty()) return std::nullopt;
    TWorkerReport report = std::move(shared_->Reports.front());
    shared_->Reports.pop_front();
    return report;
}

void TProcessWorker::Grant(int number) { shared_->Copy->WriteLine(GrantLine(number)); }

void TProcessWorker::Stop() { shared_->Copy->CloseInput(); }

void TProcessWorker::Kill() {
    killed_ = true;
    shared_->Copy->Kill();
}

}  // namespace cli
