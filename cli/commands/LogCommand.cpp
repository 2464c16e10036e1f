// `zenta log RECORD...`: what production records hold, summed over them, counted by
// result, whether written, unit kind, settings file, adapter, bench, operator and program
// version; with --check, whether each record's chain holds.

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/ChainCheck.h"
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

const char* FaultName(TChainFault fault) {
    switch (fault) {
    case TChainFault::Edited: return "edited";
    case TChainFault::OutOfOrder: return "out of order";
    case TChainFault::Unchained: return "unchained";
    case TChainFault::NotAnEntry: return "not an entry";
    }
    return "";
}

const char* VerdictName(const TChainVerdict& verdict) {
    if (verdict.Broken()) return "broken";
    return verdict.ChainedEntries > 0 ? "intact" : "unchained";
}

std::string Count(int count, const char* one, const char* many) {
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

void WriteVerdictText(std::ostream& out, const TChainVerdict& verdict) {
    for (const TChainFinding& finding : verdict.Findings)
        out << verdict.Record << ':' << finding.Line << ": " << ChainFindingText(finding) << '\n';
    out << verdict.Record << ": ";
    if (verdict.Broken()) {
        out << "the chain is broken (" << Count(verdict.Entries, "entry", "entries") << ")";
    } else if (verdict.ChainedEntries == 0) {
        out << "unchained: " << Count(verdict.Entries, "entry", "entries") << ", written before records were chained";
    } else {
        out << "intact: " << Count(verdict.ChainedEntries, "entry", "entries") << " chained";
        if (verdict.UnchainedBefore > 0)
            out << " from line " << verdict.FirstChainedLine << ", after "
                << Count(verdict.UnchainedBefore, "entry", "entries") << " written before records were chained";
    }
    if (verdict.UnreadablePieces > 0)
        out << "; " << Count(verdict.UnreadablePieces, "piece that is", "pieces that are") << " no unit's entry";
    out << '\n';
}

TJson JsonVerdict(const TChainVerdict& verdict) {
    TJson findings = TJson::array();
    for (const TChainFinding& finding : verdict.Findings)
        findings.push_back(
            {{"line", finding.Line}, {"kind", FaultName(finding.Fault)}, {"text", ChainFindingText(finding)}});
    return {{"record", JsonText(verdict.Record)},
            {"verdict", VerdictName(verdict)},
            {"entries", verdict.Entries},
            {"chained_entries", verdict.ChainedEntries},
            {"first_chained_line", verdict.FirstChainedLine > 0 ? TJson(verdict.FirstChainedLine) : TJson()},
            {"unreadable_pieces", verdict.UnreadablePieces},
            {"findings", findings}};
}

int RunCheck(bool json, const std::vector<std::string>& paths, TCommandContext& context) {
    TJson records = TJson::array();
    bool broken = false;
    bool damaged = false;
    for (const std::string& path : paths) {
        const std::optional<TChainVerdict> verdict = CheckRecordFile(path);
        if (!verdict) {
            context.Err << "zenta log: " << path << ": cannot be read\n";
            return kExitFileError;
        }
        broken = broken || verdict->Broken();
        damaged = damaged || verdict->UnreadablePieces > 0;
        if (json)
            records.push_back(JsonVerdict(*verdict));
        else
            WriteVerdictText(context.Out, *verdict);
    }
    if (json) WriteJson(context.Out, {{"records", records}});
    if (broken) return kExitChainBroken;
    return damaged ? kExitRecordDamaged : kExitOk;
}

}  // namespace

void AddLogCommand(TCommandLine& line) {
    struct TLogOptions {
        bool Json = false;
        bool Check = false;
        std::vector<std::string> Paths;
    };
    auto options = std::make_shared<TLogOptions>();
    CLI::App& log = line.AddCommand(
        "log", "production records counted by result, kind, settings file and adapter",
        "Summarises the production records that zenta program --count N --log RECORD wrote, one or several (the "
        "records of a site's benches), summed together: the units by result, by whether they were written, by unit "
        "kind, by settings file (name and SHA-256), by adapter, by bench, by operator and by program version. Every "
        "whole entry counts, also one that follows a line a crash cut off; each piece that is no unit's entry is "
        "named with its record and line on standard error.\n\nWith --check, checks the chain of each record "
        "instead: every line that was edited, deleted, put in or moved since it was written is named with its record "
        "and line, each record gets its verdict (intact, the chain is broken, or unchained: written before records "
        "were chained). The chain shows alterations, it does not sign: whoever writes the chain anew from the "
        "altered line to the end, or cuts lines off the end, leaves a record that checks as intact.");
    AddJsonFlag(log, options->Json);
    log.add_flag("--check", options->Check, "check each record's chain instead of summing the records")
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    log.add_option("RECORD", options->Paths, "a production record")->required();
    line.OnRun(log, [options](TCommandContext& context) {
        return options->Check ? RunCheck(options->Json, options->Paths, context)
                              : RunLog(options->Json, options->Paths, context);
    });
}

}  // namespace cli
