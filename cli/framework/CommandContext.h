#pragma once
// What a command runs with: its output streams, time, the library that reaches the unit,
// and Ctrl-C. The command line gives the real ones (SystemContext); tests give virtual
// time, an in-memory simulated unit and a stop they pull themselves.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "link/ChipLibrary.h"
#include "ui/Services.h"

namespace cli {

// The arguments of the command line after the program's name.
using TArgs = std::vector<std::string>;

// Ctrl-C as a request to stop between two units, and a second Ctrl-C as the demand to
// stop at once. Until Arm, Ctrl-C ends the process as it always does.
class IInterrupt {
public:
    virtual ~IInterrupt() = default;
    virtual void Arm() = 0;
    // Asked from any thread.
    virtual bool Requested() const = 0;
    virtual bool Forced() const = 0;
};

struct TCommandContext {
    std::ostream& Out;
    std::ostream& Err;
    ui::IClock& Clock;
    ui::ISleep& Sleeper;  // the pauses between PS key retries
    ui::ISleep& Poller;   // a production run's pause between two looks at the link
    // Made on first use, so that the commands on files never load the chip libraries.
    std::function<devlink::IChipLibrary&()> UnitLibrary;
    IInterrupt& Interrupt;
    // Ends this process at once with the exit code, from any thread, standard output and
    // error flushed and nothing else run: a production run giving up on a library call
    // that does not return, whose thread holds what destructors would wait for.
    std::function<void(int exitCode)> EndProcess;
};

// The real streams, clock, sleeps, library and Ctrl-C of this process.
TCommandContext& SystemContext();

}  // namespace cli
