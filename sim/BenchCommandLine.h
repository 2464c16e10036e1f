#pragma once
// `zenta sim`: the words after `sim` read by the bench's own vocabulary, which scripts and
// the state file speak too, with the help made from its descriptions and the change made
// to the bench in the state file.

#include <string>
#include <vector>

#include "sim/SimStateFile.h"

namespace sim {

struct TBenchCommandResult {
    enum class TKind {
        Done,      // Text for standard output: what the command did, or the help asked for
        Refused,   // the line is not one of the vocabulary's; Text is why
        Unusable,  // the state file cannot be read or written; Text says so
    };
    TKind Kind = TKind::Done;
    std::string Text;
    // The command the line reached ("attach"), to name in a refusal; empty before one.
    std::string Command;
};

TBenchCommandResult RunBenchCommand(const std::vector<std::string>& words, const TSimStateFile& bench);

}  // namespace sim
