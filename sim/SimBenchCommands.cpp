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

std::string AttachUnit(TSimBench& bench, const TAttachment& attachment) {
    const std::string transport = attachment.Transport.value_or(bench.FirstTransport());
    bench.AttachUnit(transport, TSimUnit::Factory(attachment.Kind, attachment.Edition, attachment.Version));
    std::string said;
    if (attachment.Kind == TUnitKind::None) return said.append("nothing on ").append(transport).append(" now");
    const TSimUnit& unit = bench.UnitOn(transport);
    return said.append("attached a ")
        .append(KindName(attachment.Kind))
        .append(" on ")
        .append(transport)
        .append(", type ")
        .append(FormatWord(unit.TypeWord()))
        .append(", version ")
        .append(FormatWord(unit.VersionWord()));
}

std::string FailCalls(TSimBench& bench, TSimCall call, unsigned count, std::optional<std::uint16_t> key) {
    bench.Faults.FailNext(call, count, key);
    std::string said = "the next ";
    said.append(std::to_string(count)).append(" ").append(CallName(call)).append(" call(s)");
    if (key) said.append(" for key ").append(FormatWord(*key));
    return said.append(" fail");
}

std::string ListSpiPorts(TSimBench& bench, const std::string& names, const std::string& transports) {
    bench.SetSpiListing({names, transports, 0, 0});
    std::string said = "no SPI ports";
    if (!names.empty()) said.assign("SPI ports \"").append(names).append("\"");
    const std::string first = bench.FirstTransport();
    said.append("; the first transport is ").append(first);
    if (!bench.UnitOn(first).Answers()) said.append(", with nothing on it");
    return said;
}

std::string SetLatency(TSimBench& bench, std::uint32_t milliseconds) {
    bench.LatencyMs = milliseconds;
    std::string said = "each library call takes ";
    return said.append(std::to_string(milliseconds)).append(" ms");
}

}  // namespace sim
