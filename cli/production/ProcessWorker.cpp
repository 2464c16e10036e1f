#include "cli/production/ProcessWorker.h"

#include <stdexcept>

namespace cli {

TWorkerReport ReportOf(const std::string& line) {
    using TKind = TWorkerReport::TKind;
    if (line == "present") return {.Kind = TKind::UnitPresent, .Succeeded = false, .Text = {}};
    if (line.starts_with("done ok ")) return {.Kind = TKind::UnitDone, .Succeeded = true, .Text = line.substr(8)};
    if (line.starts_with("done failed ")) return {.Kind = TKind::UnitDone, .Succeeded = false, .Text = line.substr(12)};
    if (line.starts_with("say ")) return {.Kind = TKind::Message, .Succeeded = false, .Text = line.substr(4)};
    return {.Kind = TKind::Message, .Succeeded = false, .Text = line};
}

TProcessWorker::TProcessWorker(std::string adapter, std::vector<std::string> arguments)
    : adapter_(std::move(adapter)), arguments_(std::move(arguments)) {}

TProcessWorker::~TProcessWorker() {
    if (copy_) copy_->CloseInput();
    if (reader_.joinable()) reader_.join();
}

std::optional<std::string> TProcessWorker::Start() {
    try {
        copy_ = StartOwnCopy(arguments_);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    reader_ = std::thread([this] { ReadReports(); });
    return std::nullopt;
}

void TProcessWorker::ReadReports() {
    std::string line;
    while (copy_->ReadLine(line)) Queue(ReportOf(line));
    const int code = copy_->Wait();
    Queue({.Kind = TWorkerReport::TKind::Ended,
           .Succeeded = false,
           .Text = code == 0 ? std::string() : std::string("exit code ").append(std::to_string(code))});
}

void TProcessWorker::Queue(TWorkerReport report) {
    const std::lock_guard lock(mutex_);
    reports_.push_back(std::move(report));
}

std::optional<TWorkerReport> TProcessWorker::NextReport() {
    const std::lock_guard lock(mutex_);
    if (reports_.empty()) return std::nullopt;
    TWorkerReport report = std::move(reports_.front());
    reports_.pop_front();
    return report;
}

void TProcessWorker::Grant(int number) { copy_->WriteLine("go " + std::to_string(number)); }

void TProcessWorker::Stop() { copy_->CloseInput(); }

}  // namespace cli
