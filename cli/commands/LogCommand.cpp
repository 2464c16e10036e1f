// `zenta log RECORD...`: what production records hold, summed over them, counted by
// result, whether written, unit kind, settings file, adapter, bench, operator and program
// version.

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/RecordSummary.h"

namespace cli {
namespace {

// The groups in the order they are written, each with its title and JSON member.
struct TGroup {
    const char* Title;
    const char* Member;
    std::map<std::string, int> TRecordSummary::*Counts;
};
constexpr TGroup kGroups[] = {
    {"by result", "by_result", &TRecordSummary::ByResult},
    {"by written", "by_written", &TRecordSummary::ByWritten},
    {"by kind", "by_kind", &TRecordSummary::ByKind},
    {"by settings file", "by_file", &TRecordSummary::ByFile},
    {"by adapter", "by_adapter", &TRecordSummary::ByAdapter},
    {"by bench", "by_bench", &TRecordSummary::ByBench},
    {"by operator", "by_operator", &TRecordSummary::ByOperator},
    {"by program version", "by_program_version", &TRecordSummary::ByProgramVersion},
};

TJson JsonGroup(const std::map<std::string, int>& counts) {
    TJson group = TJson::object();
    for (const auto& [name, count] : counts) group[JsonText(name).get<std::string>()] = count;
    return group;
}

void WriteText(std::ostream& out, const TRecordSummary& summary) {
    out << summary.Units << (summary.Units == 1 ? " unit" : " units");
    if (summary.Records > 1) out << " in " << summary.Records << " records";
    if (summary.UnreadablePieces > 0)
        out << ", " << summary.UnreadablePieces
            << (summary.UnreadablePieces == 1 ? " unreadable piece" : " unreadable pieces");
    out << '\n';
    for (const TGroup& group : kGroups) {
        out << group.Title << ":\n";
        for (const auto& [name, count] : summary.*group.Counts) out << "  " << count << "  " << name << '\n';
    }
}

void WriteJsonSummary(std::ostream& out, const TRecordSummary& summary) {
    TJson document;
    document["records"] = summary.Records;
    document["units"] = summary.Units;
    document["unreadable_pieces"] = summary.UnreadablePieces;
    TJson unreadable = TJson::array();
    for (const TUnreadablePiece& piece : summary.Unreadable)
        unreadable.push_back({{"record", JsonText(piece.Record)}, {"line", piece.Line}, {"unended", piece.Unended}});
    document["unreadable"] = unreadable;
    for (const TGroup& group : kGroups) document[group.Member] = JsonGroup(summary.*group.Counts);
    WriteJson(out, document);
}

// Where each piece left out is, so that a site can find it among its benches' records.
void NamePiece(std::ostream& err, const TUnreadablePiece& piece) {
    err << "zenta log: " << piece.Record << ':' << piece.Line << ": not a unit's entry"
        << (piece.Unended ? " (the last line, without its line feed: a run cut off while writing it)" : "") << '\n';
}

int RunLog(bool json, const std::vector<std::string>& paths, TCommandContext& context) {
    TRecordSummary summary;
    for (const std::string& path : paths) {
        if (!AddRecordFile(summary, path,
                           [&context](const TUnreadablePiece& piece) { NamePiece(context.Err, piece); })) {
            context.Err << "zenta log: " << path << ": cannot be read\n";
            return kExitFileError;
        }
    }
    if (json)
        WriteJsonSummary(context.Out, summary);
    else
        WriteText(context.Out, summary);
    return summary.UnreadablePieces == 0 ? kExitOk : kExitRecordDamaged;
}

}  // namespace

void AddLogCommand(TCommandLine& line) {
    struct TLogOptions {
        bool Json = false;
        std::vector<std::string> Paths;
    };
    auto options = std::make_shared<TLogOptions>();
    CLI::App& log = line.AddCommand(
        "log", "production records counted by result, kind, settings file and adapter",
        "Summarises the production records that zenta program --count N --log RECORD wrote, one or several (the "
        "records of a site's benches), summed together: the units by result, by whether they were written, by unit "
        "kind, by settings file (name and SHA-256), by adapter, by bench, by operator and by program version. Every "
        "whole entry counts, also one that follows a line a crash cut off; each piece that is no unit's entry is "
        "named with its record and line on standard error.");
    AddJsonFlag(log, options->Json);
    log.add_option("RECORD", options->Paths, "a production record")->required();
    line.OnRun(log, [options](TCommandContext& context) { return RunLog(options->Json, options->Paths, context); });
}

}  // namespace cli
