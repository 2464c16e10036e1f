// `zenta log RECORD...`: what production records hold, summed over them, counted by
// result, whether written, unit kind, settings file, adapter, bench, operator and program
// version; with --check, whether each record's chain holds.

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/RecordReport.h"

namespace cli {
namespace {

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
        WriteJson(context.Out, SummaryJson(summary));
    else
        WriteSummaryText(context.Out, summary);
    return summary.UnreadablePieces == 0 ? kExitOk : kExitRecordDamaged;
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
