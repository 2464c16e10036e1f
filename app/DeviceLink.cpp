// The window's direct device operations: the chip check that every device workflow
// starts with, and RESTART DEVICE.

#include <algorithm>
#include <cctype>

#include "app/MajorForm.h"

namespace app {

// The check accepts any spelling of the chip's name and longer names that contain it.
bool TMajorForm::DetectDevice() {
    if (Connection.OpenConnection() == 0) {
        FormPrompter.ShowError("ZENTA not detected. Check cables and ensure ZENTA is in programming mode.");
        return false;
    }
    std::string chip = Connection.ChipName();
    Connection.CloseConnection();
    std::transform(chip.begin(), chip.end(), chip.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (chip.find("CSR8670") != std::string::npos) return true;
    FormPrompter.ShowError("The chip is not CSR 8670. This program will terminate.");
    Close();
    return false;
}

// No detection and no report: a unit that is not there simply does not restart.
void TMajorForm::RestartButtonClick() {
    Connection.OpenConnection();
    Connection.Restart();
    Connection.CloseConnection();
}

}  // namespace app
