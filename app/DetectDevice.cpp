// The chip check that every device action starts with.

#include <algorithm>
#include <cctype>

#include "app/UnitIdentification.h"
#include "app/UserActions.h"

namespace app {

TDeviceResult DetectDevice(TDeviceContext& context) {
    if (context.Connection.OpenConnection() == 0)
        return ShowFailure(context, {}, TDeviceOutcome::NoUnit,
                           "ZENTA not detected. Check cables and ensure ZENTA is in programming mode.");
    std::string chip = context.Connection.ChipName();
    context.Connection.CloseConnection();
    return JudgeChip(context, std::move(chip));
}

// The check accepts any spelling of the chip's name and longer names that contain it.
TDeviceResult JudgeChip(TDeviceContext& context, std::string chip) {
    std::transform(chip.begin(), chip.end(), chip.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (chip.find("CSR8670") != std::string::npos) return {.Outcome = TDeviceOutcome::Succeeded};
    return ShowFailure(context, {}, TDeviceOutcome::ForeignChip,
                       "The chip is not CSR 8670. This program will terminate.");
}

}  // namespace app
