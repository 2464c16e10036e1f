#pragma once
// What `zenta log` says of records: their summary, and the verdict of each record's
// chain, as text for the console and as JSON.

#include <ostream>

#include "cli/framework/JsonOutput.h"
#include "cli/record/ChainCheck.h"
#include "cli/record/RecordSummary.h"

namespace cli {

void WriteSummaryText(std::ostream& out, const TRecordSummary& summary);
TJson SummaryJson(const TRecordSummary& summary);

// The lines the check names, then the record's verdict.
void WriteVerdictText(std::ostream& out, const TChainVerdict& verdict);
TJson JsonVerdict(const TChainVerdict& verdict);

}  // namespace cli
