// The window's buttons for the user actions: each hands its action the part of the
// window that action works on, and passes on what it did.

#include "app/DroppedFiles.h"
#include "app/MajorForm.h"
#include "app/UnitIdentification.h"

namespace app {

TDeviceContext TMajorForm::DeviceContext() {
    return {*this,    Connection, FormPrompter,  ActivityLog, HSSwVersionLabel, GWSwVersionLabel,
            HSRecord, GWRecord,   GatewayEdition};
}

TFileContext TMajorForm::FileContext(ui::TFileDialog& dialog) {
    return {*this, Services.Dialogs, dialog, Services.Messages, Services.Application.Title};
}

// The window closes after the prompt that told of the foreign chip has been answered,
// which ends the program as E&XIT does.
TDeviceResult TMajorForm::Ended(TDeviceResult result) {
    if (result.Outcome == TDeviceOutcome::ForeignChip) Close();
    return result;
}

TDeviceResult TMajorForm::DetectDevice() {
    TDeviceContext context = DeviceContext();
    return Ended(app::DetectDevice(context));
}

TDeviceResult TMajorForm::IdentifyUnit() {
    TDeviceContext context = DeviceContext();
    return Ended(app::IdentifyUnit(context));
}

TDeviceResult TMajorForm::ReadDeviceButtonClick() {
    TDeviceContext context = DeviceContext();
    return Ended(ReadDevice(context));
}

TDeviceResult TMajorForm::ProgramDeviceButtonClick() {
    TDeviceContext context = DeviceContext();
    return Ended(ProgramDevice(context));
}

TDeviceResult TMajorForm::RestartButtonClick() {
    TDeviceContext context = DeviceContext();
    return RestartDevice(context);
}

TFileResult TMajorForm::SaveFileButtonClick() {
    TFileContext context = FileContext(SaveSettingsDialog);
    return SaveFile(context);
}

TFileResult TMajorForm::LoadFileButtonClick() {
    TFileContext context = FileContext(OpenSettingsDialog);
    return LoadFile(context);
}

TFileResult TMajorForm::OpenSettingsFile(const std::string& path) {
    TFileContext context = FileContext(OpenSettingsDialog);
    return LoadNamedFile(context, path);
}

void TMajorForm::FormDropFiles(const std::vector<std::string>& paths) {
    if (const std::optional<std::string> file = SettingsFileAmong(paths)) OpenSettingsFile(*file);
}

}  // namespace app
