#pragma once
// This process as a production run sees it: Ctrl-C from the terminal, and an end that
// waits for nothing.

#include "cli/framework/CommandContext.h"

namespace cli {

// Ctrl-C (and Ctrl-Break on Windows) counted once armed: the first asks the run to stop
// between two units, the second to stop at once.
IInterrupt& TerminalInterrupt();

// A worker finishes the unit it has: the Ctrl-C the terminal sends to every process of
// the run reaches its parent, which tells the workers to stop.
void IgnoreTerminalInterrupt();

// Ends the process wherever its threads are, standard output and error flushed: a thread
// held in a chip library's call holds what an orderly exit would wait for.
[[noreturn]] void EndThisProcess(int exitCode);

}  // namespace cli
