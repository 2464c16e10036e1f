// The command line's own context: standard streams, the real clock and sleeps, the chip
// libraries of this platform, and Ctrl-C.

#include <csignal>
#include <iostream>
#include <memory>

#include "cli/framework/CommandContext.h"
#include "cli/host/CommandServices.h"
#include "cli/host/UnitLibrary.h"

namespace cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

class TSignalInterrupt : public IInterrupt {
public:
    void Arm() override { std::signal(SIGINT, OnInterrupt); }
    bool Requested() const override { return interrupted != 0; }
};

}  // namespace

TCommandContext& SystemContext() {
    static TSystemClock clock;
    static TSystemSleep sleeper;
    static TSignalInterrupt interrupt;
    static std::unique_ptr<devlink::IChipLibrary> library;
    static TCommandContext context{std::cout,
                                   std::cerr,
                                   clock,
                                   sleeper,
                                   sleeper,
                                   []() -> devlink::IChipLibrary& {
                                       if (!library) library = OpenUnitLibrary();
                                       return *library;
                                   },
                                   interrupt};
    return context;
}

}  // namespace cli
