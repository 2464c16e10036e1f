// RESTART DEVICE.

#include "app/UserActions.h"

namespace app {

// No chip check and no report: a unit that is not there simply does not restart. The
// restart call goes out over a link that did not open too; it then reaches nothing.
TDeviceResult RestartDevice(TDeviceContext& context) {
    const bool opened = context.Connection.OpenConnection() != 0;
    context.Connection.Restart();
    context.Connection.CloseConnection();
    return {.Outcome = opened ? TDeviceOutcome::Succeeded : TDeviceOutcome::NoUnit};
}

}  // namespace app
