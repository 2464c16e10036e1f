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

int FinishDeviceCommand(const char* command, TOutcome outcome, const std::string& message, bool prompted,
                        const devlink::IChipLibrary& library, TCommandContext& context) {
    if (outcome == TOutcome::Succeeded) return kExitOk;
    if (!prompted) context.Err << "zenta " << command << ": " << OutcomeName(outcome) << ": " << message << '\n';
    const std::string problem = LibraryProblem(library);
    if (outcome == TOutcome::NoUnit && !problem.empty()) context.Err << "zenta " << command << ": " << problem << '\n';
    return ExitCodeOf(outcome);
}

}  // namespace cli
