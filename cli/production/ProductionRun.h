#pragma once
// A production run: one settings file brought to many units, one after the other. The
// file is checked once before the first unit; then for each unit the run waits for it to
// appear on the link, programs and verifies it, reports it in one line and waits for it
// to go. A failed unit does not stop the run; Ctrl-C ends it between two units.

#include <chrono>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "cli/framework/CommandContext.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/UnitProgramming.h"
#include "cli/production/ChosenAdapters.h"

namespace cli {

inline constexpr unsigned kLinkPollMs = 500;

struct TProductionOptions {
    int Count = 1;
    bool Restart = false;
    TUnitPlace Place;
    std::string LogPath;  // the production record to append to; none when empty
    // A library call that has not returned within this fails its adapter.
    std::chrono::milliseconds CallTimeout{30000};
};

// The adapters `specs` name (ResolveAdapters), listed under the run's limit on a library
// call: a listing that does not return ends the run, as a unit's call would, before any
// unit is in hand.
std::vector<TChosenAdapter> ResolveProductionAdapters(devlink::IChipLibrary& library,
                                                      const std::vector<std::string>& specs,
                                                      std::chrono::milliseconds callTimeout, TCommandContext& context);

// The exit code: 0 every unit programmed, kExitUnitsFailed when one failed or the
// adapter does not answer, kExitInterrupted after Ctrl-C, kExitFindings when the check of
// the file found anything and kExitFileError when the record cannot be appended to (then
// nothing is programmed), kExitRecordFailed when a unit's entry could not be appended.
int RunProduction(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options,
                  devlink::IChipLibrary& library, TCommandContext& context);

// A run over several adapters at once: the file and record are checked here, then each
// adapter gets a worker process (this program, run with --worker) and the units are
// handed out among them. The chip library keeps the state of its connection and is not
// documented as safe to call from several threads, hence processes. Exit codes as above.
int RunProductionOverAdapters(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options,
                              const std::vector<TChosenAdapter>& adapters, TCommandContext& context);

// The worker of the adapter `transport` names, speaking to its run over standard output
// and `input` in the lines of WorkerLines.h; its messages go out as `say` lines. It
// programs the settings its run checked and sends it first, never the file at `path`,
// which may have changed since: `path` only names them. Its library calls are watched
// from its start, the listing of the transports included.
int RunProductionWorker(const std::string& path, const std::string& transport, TProductionOptions options,
                        devlink::IChipLibrary& library, TCommandContext& context, std::istream& input);

}  // namespace cli
