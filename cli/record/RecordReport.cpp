#include "cli/record/RecordReport.h"

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

}  // namespace

void WriteSummaryText(std::ostream& out, const TRecordSummary& summary) {
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

TJson SummaryJson(const TRecordSummary& summary) {
    TJson document;
    document["records"] = summary.Records;
    document["units"] = summary.Units;
    document["unreadable_pieces"] = summary.UnreadablePieces;
    TJson unreadable = TJson::array();
    for (const TUnreadablePiece& piece : summary.Unreadable)
        unreadable.push_back({{"record", JsonText(piece.Record)}, {"line", piece.Line}, {"unended", piece.Unended}});
    document["unreadable"] = unreadable;
    for (const TGroup& group : kGroups) document[group.Member] = JsonGroup(summary.*group.Counts);
    return document;
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

}  // namespace cli
