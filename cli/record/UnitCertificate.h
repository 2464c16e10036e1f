#pragma once
// A unit's certificate: the configuration sheet of the settings a production run gave one
// unit, made from the unit's entry in the production record and the job file, with what
// the record says of its programming. The settings are those the unit holds when the job
// file still has the digest recorded, and the words read back from the unit are their
// record; either doubt is a finding.

#include <optional>
#include <string>
#include <vector>

#include "cli/framework/CommandContext.h"
#include "report/ConfigurationSheet.h"

namespace cli {

struct TCertificateRequest {
    std::string Record;
    int Entry = 0;                       // counted from 1 as `zenta log` counts units
    std::optional<std::string> JobFile;  // else the file as the entry names it
};

struct TCertificate {
    std::string Html;
    std::vector<std::string> Findings;  // each a line for the error stream
};

// The certificate, with `facts` saying who makes it when and where; nothing, with the
// reason on the error stream, when the record, its entry, the entry's read-back digest
// or the job file is missing.
std::optional<TCertificate> UnitCertificate(const TCertificateRequest& request, report::TSheetFacts facts,
                                            TCommandContext& context);

}  // namespace cli
