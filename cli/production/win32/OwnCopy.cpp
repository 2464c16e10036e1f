// Worker processes are not started on Windows yet: a run over several adapters is
// refused before it starts (see ProgramCommand), so this is never reached from there.
#include "cli/production/OwnCopy.h"

#include <windows.h>

#include <stdexcept>

namespace cli {

std::unique_ptr<IOwnCopy> StartOwnCopy(const std::vector<std::string>&) {
    throw std::runtime_error("several adapters at once need worker processes, which this Windows build cannot start yet");
}

void IgnoreTerminalInterrupt() { SetConsoleCtrlHandler(nullptr, TRUE); }

}  // namespace cli
