// `zenta log RECORD...`: what production records hold, summed over them, counted by
// result, whether written, unit kind, settings file, adapter, bench, operator and program
// version.

#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/RecordSummary.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta log [--json] RECORD...\n"
    "Summarises the production records that zenta program --count N --log RECORD wrote,\n"
    "one or several (the records of a site's benches), summed together: the units by\n"
    "result, by whether they were written, by unit kind, by settings file (name and\n"
    "SHA-256), by adapter, by bench, by operator and by program version. Every whole\n"
    "entry counts, also one that follows a line a crash cut off; each piece that is no\n"
    "unit's entry is named with its record and line on standard error.\n"
    "Exit status: 0, 2 bad usage, 3 a record cannot be read, 11 a record holds pieces\n"
    "that are no unit's entry.\n";

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

}  // namespace

int RunLogCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("log", kUsage);
    bool json = false;
    std::vector<std::string> paths;
    line.Flag("--json", json);
    line.Positionals("RECORD", paths);
    return line.Run(args, context, [&] {
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
    });
}

}  // namespace cli
