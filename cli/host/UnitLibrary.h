#pragma once
// The chip libraries through which the commands reach the unit: on Windows the chip
// maker's TESTENGINE.DLL and TESTFLASH.DLL beside the executable (or the simulated ones
// put in their place); elsewhere the simulated unit of the shared state file
// (docs/simulator.md).

#include <memory>
#include <string>

#include "link/ChipLibrary.h"

namespace cli {

// Throws std::runtime_error naming the library that cannot be bound.
std::unique_ptr<devlink::IChipLibrary> OpenUnitLibrary();

// What keeps the library from reaching any unit, when it knows (an unreadable state
// file of the simulated unit); empty otherwise.
std::string LibraryProblem(const devlink::IChipLibrary& library);

}  // namespace cli
