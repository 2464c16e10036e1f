#pragma once
// What the `zenta sim` commands do to the bench in its state file, once their command
// line is understood (BenchVocabulary.h): each change is made under the file's lock,
// from the load to the save, and says in one line what it did.

#include <functional>
#include <string>

#include "sim/SimBench.h"
#include "sim/SimStateFile.h"

namespace sim {

// What became of a command: the text for standard output, or why the state file could
// not be read or written.
struct TBenchAnswer {
    bool Done = false;
    std::string Text;
};

// The state file's path and the bench in it; a missing file is a fresh bench, not written.
TBenchAnswer ShowBench(const TSimStateFile& file);
// Loads the bench, lets `change` alter it and saves it; the answer is what `change` says.
TBenchAnswer ChangeBench(const TSimStateFile& file, const std::function<std::string(TSimBench&)>& change);
// Back to a fresh bench. A file that cannot be parsed is replaced: reset is the way out.
TBenchAnswer ResetBench(const TSimStateFile& file);

}  // namespace sim
