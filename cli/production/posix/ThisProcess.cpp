#include "cli/production/ThisProcess.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>

namespace cli {
namespace {

volatile std::sig_atomic_t interrupts = 0;

void OnInterrupt(int) {
    if (interrupts < 2) interrupts = interrupts + 1;
}

class TSignalInterrupt : public IInterrupt {
public:
    void Arm() override { std::signal(SIGINT, OnInterrupt); }
    bool Requested() const override { return interrupts >= 1; }
    bool Forced() const override { return interrupts >= 2; }
};

}  // namespace

IInterrupt& TerminalInterrupt() {
    static TSignalInterrupt interrupt;
    return interrupt;
}

void IgnoreTerminalInterrupt() { std::signal(SIGINT, SIG_IGN); }

void EndThisProcess(int exitCode) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    _exit(exitCode);
}

}  // namespace cli
