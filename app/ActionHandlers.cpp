// The window's buttons for the user actions, and the system menu's Compare with File and
// Save Configuration Sheet: each hands its action the part of the window that action works
// on, and passes on what it did. READ DEVICE and LOAD FILE are steps of the undo history;
// the other actions leave it alone.

#include "app/DroppedFiles.h"
#include "app/MajorForm.h"

namespace app {

TDeviceContext TMajorForm::DeviceContext() { return {*this, Connection, FormPrompter, ActivityLog, *this}; }

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

TDeviceResult TMajorForm::ReadDeviceButtonClick() {
    TDeviceResult result;
    History.Record([&] {
        TDeviceContext context = DeviceContext();
        result = Ended(ReadDevice(context));
    });
    return result;
}

TDeviceResult TMajorForm::ProgramDevice(const TProgramRequest& request) {
    TDeviceContext context = DeviceContext();
    return Ended(app::ProgramDevice(context, request));
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
    TFileResult result;
    History.Record([&] {
        TFileContext context = FileContext(OpenSettingsDialog);
        result = LoadFile(context);
    });
    return result;
}

TFileResult TMajorForm::OpenSettingsFile(const std::string& path) {
    TFileResult result;
    History.Record([&] {
        TFileContext context = FileContext(OpenSettingsDialog);
        result = LoadNamedFile(context, path);
    });
    return result;
}

// The load runs once the dialog has closed, so that its prompts stand over the window.
void TMajorForm::CompareWithFileMenuItemClick(ICompareWindow& window) {
    TFileContext context = FileContext(OpenSettingsDialog);
    const TFileComparison comparison = CompareWithFile(context);
    if (comparison.File.Outcome != TFileOutcome::Succeeded) return;
    TCompareForm compare(comparison.File.Path, comparison.Differences);
    window.ShowModal(compare);
    if (compare.LoadChosen()) OpenSettingsFile(comparison.File.Path);
}

TFileResult TMajorForm::SaveConfigurationSheetMenuItemClick() {
    TSheetContext context{
        FileContext(SaveSheetDialog), FormPrompter, Services.Clock, Services.Shell, ui::ThisBench(), kProgramVersion};
    return SaveConfigurationSheet(context);
}

void TMajorForm::FormDropFiles(const std::vector<std::string>& paths) {
    if (const std::optional<std::string> file = SettingsFileAmong(paths)) OpenSettingsFile(*file);
}

}  // namespace app
