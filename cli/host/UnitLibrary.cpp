#include "cli/host/UnitLibrary.h"

#ifdef _WIN32
#include "link/win32/LibraryBinding.h"
#include "ui/win32/ExecutablePath.h"
#else
#include "sim/SimLibrary.h"
#include "sim/SimStateFile.h"
#endif

namespace cli {

#ifdef _WIN32

std::unique_ptr<devlink::IChipLibrary> OpenUnitLibrary() {
    return std::make_unique<devlink::win32::TLibraryBinding>(ui::win32::ExecutableFolder());
}

std::string LibraryProblem(const devlink::IChipLibrary&) { return {}; }

#else

std::unique_ptr<devlink::IChipLibrary> OpenUnitLibrary() {
    return std::make_unique<sim::TSimLibrary>(sim::TSimStateFile(sim::TSimStateFile::DefaultPath()));
}

std::string LibraryProblem(const devlink::IChipLibrary& library) {
    const auto* simulated = dynamic_cast<const sim::TSimLibrary*>(&library);
    return simulated == nullptr ? std::string() : simulated->LastError();
}

#endif

}  // namespace cli
