#pragma once
// What the `zenta sim` commands do to the bench in its state file, once their command
// line is understood: each change is made under the file's lock, from the load to the
// save, and says in one line what it did.

#include <cstdint>
#include <functional>
#include <optional>
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

// A unit at factory settings, plugged in on a transport (the first one when none is named).
struct TAttachment {
    TUnitKind Kind = TUnitKind::Handset;
    TEdition Edition = TEdition::Ardex;
    std::uint16_t Version = kDefaultVersionWord;
    std::optional<std::string> Transport;
};

// The changes.
std::string AttachUnit(TSimBench& bench, const TAttachment& attachment);
std::string FailCalls(TSimBench& bench, TSimCall call, unsigned count, std::optional<std::uint16_t> key);
// The SPI ports the library lists from now on, the listing answering at once; "" and ""
// for none.
std::string ListSpiPorts(TSimBench& bench, const std::string& names, const std::string& transports);
std::string SetLatency(TSimBench& bench, std::uint32_t milliseconds);

}  // namespace sim
