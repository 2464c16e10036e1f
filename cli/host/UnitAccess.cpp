#include "cli/host/UnitAccess.h"

#include <stdexcept>

#include "cli/host/UnitLibrary.h"

namespace cli {

devlink::IChipLibrary* ReachUnitLibrary(const char* command, TCommandContext& context) {
    try {
        return &context.UnitLibrary();
    } catch (const std::runtime_error& error) {
        std::string text = error.what();
        for (char& c : text)
            if (c == '\n') c = ' ';
        context.Err << "zenta " << command << ": " << text << '\n';
        return nullptr;
    }
}

int FinishDeviceCommand(const char* command, const app::TDeviceResult& result, bool told,
                        const devlink::IChipLibrary& library, TCommandContext& context) {
    const app::TDeviceOutcome outcome = result.Outcome;
    if (outcome == app::TDeviceOutcome::Succeeded) return ExitCodeOf(outcome);
    if (!told) context.Err << "zenta " << command << ": " << OutcomeName(outcome) << ": " << result.Message << '\n';
    const std::string problem = LibraryProblem(library);
    if (outcome == app::TDeviceOutcome::NoUnit && !problem.empty())
        context.Err << "zenta " << command << ": " << problem << '\n';
    return ExitCodeOf(outcome);
}

}  // namespace cli
