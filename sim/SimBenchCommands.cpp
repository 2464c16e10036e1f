#include "sim/SimBenchCommands.h"

#include "sim/SimBenchDescription.h"
#include "ui/LocalFiles.h"

namespace sim {

namespace {

constexpr const char* kStartAfresh = " (zenta sim reset starts afresh)";

TBenchAnswer Failed(std::string error) { return {false, std::move(error)}; }

}  // namespace

TBenchAnswer ShowBench(const TSimStateFile& file) {
    TSimBench bench;
    std::string error;
    const auto lock = file.Lock(&error);
    if (!lock) return Failed(error);
    if (!file.Load(bench, &error)) return Failed(error.append(kStartAfresh));
    std::string text = "state file: ";
    text.append(ui::Utf8OfPath(file.Path()))
        .append(file.Exists() ? "" : " (not written yet: a factory handset)")
        .append("\n")
        .append(DescribeBench(bench));
    return {true, text};
}

TBenchAnswer ChangeBench(const TSimStateFile& file, const std::function<std::string(TSimBench&)>& change) {
    TSimBench bench;
    std::string error;
    const auto lock = file.Lock(&error);
    if (!lock) return Failed(error);
    if (!file.Load(bench, &error)) return Failed(error.append(kStartAfresh));
    std::string done = change(bench);
    if (!file.Save(bench, &error)) return Failed(error);
    return {true, done.append("\n")};
}

TBenchAnswer ResetBench(const TSimStateFile& file) {
    TSimBench bench;
    std::string error;
    const auto lock = file.Lock(&error);
    if (!lock) return Failed(error);
    if (file.Load(bench, &error)) {
        bench.Reset();
    } else {
        bench = TSimBench();
    }
    if (!file.Save(bench, &error)) return Failed(error);
    return {true, "a factory handset on the link, no faults, counters at zero\n"};
}

}  // namespace sim
