// `zenta log RECORD`: what a production record holds, counted by result, unit kind,
// settings file and adapter.

#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/ProductionRecord.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta log [--json] RECORD\n"
    "Summarises a production record that zenta program --count N --log RECORD wrote:\n"
    "the units by result, by unit kind, by settings file (name and SHA-256) and by\n"
    "adapter. A last line without its line feed, which a run cut off while writing\n"
    "leaves, is not counted; lines that are no unit's entry are counted apart.\n"
    "Exit status: 0, 2 bad usage, 3 the record cannot be read.\n";

void WriteGroup(std::ostream& out, const char* title, const std::map<std::string, int>& counts) {
    out << title << ":\n";
    for (const auto& [name, count] : counts) out << "  " << count << "  " << name << '\n';
}

TJson JsonGroup(const std::map<std::string, int>& counts) {
    TJson group = TJson::object();
    for (const auto& [name, count] : counts) group[JsonText(name).get<std::string>()] = count;
    return group;
}

void WriteText(std::ostream& out, const TRecordSummary& summary) {
    out << summary.Units << (summary.Units == 1 ? " unit" : " units");
    if (summary.UnreadableLines > 0) out << ", " << summary.UnreadableLines << " unreadable lines";
    if (summary.UnfinishedLastLine) out << ", an unfinished last line left out";
    out << '\n';
    WriteGroup(out, "by result", summary.ByResult);
    WriteGroup(out, "by kind", summary.ByKind);
    WriteGroup(out, "by settings file", summary.ByFile);
    WriteGroup(out, "by adapter", summary.ByAdapter);
}

void WriteJsonSummary(std::ostream& out, const TRecordSummary& summary) {
    TJson document;
    document["units"] = summary.Units;
    document["unreadable_lines"] = summary.UnreadableLines;
    document["unfinished_last_line"] = summary.UnfinishedLastLine;
    document["by_result"] = JsonGroup(summary.ByResult);
    document["by_kind"] = JsonGroup(summary.ByKind);
    document["by_file"] = JsonGroup(summary.ByFile);
    document["by_adapter"] = JsonGroup(summary.ByAdapter);
    WriteJson(out, document);
}

}  // namespace

int RunLogCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("log", kUsage);
    bool json = false;
    std::string path;
    line.Flag("--json", json);
    line.Positional("RECORD", path);
    return line.Run(args, context, [&] {
        const std::optional<std::string> bytes = ui::ReadWholeFile(path);
        if (!bytes) {
            context.Err << "zenta log: " << path << ": cannot be read\n";
            return kExitFileError;
        }
        const TRecordSummary summary = SummarizeRecord(*bytes);
        if (json)
            WriteJsonSummary(context.Out, summary);
        else
            WriteText(context.Out, summary);
        return kExitOk;
    });
}

}  // namespace cli
