// SAVE FILE and LOAD FILE: the flows around the settings file, with its two dialogs and
// the two plain messages.

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/MajorForm.h"
#include "files/ReplaceFile.h"
#include "files/SettingsFile.h"

namespace app {

void TMajorForm::SaveFileButtonClick() {
    if (!Services.Dialogs.Execute(SaveSettingsDialog)) return;
    std::ostringstream text;
    files::WriteSettingsFile(*this, text);
    if (!files::ReplaceFile(SaveSettingsDialog.FileName, text.str()))
        Services.Messages.Show("The file could not be saved", Services.Application.Title);
}

// A folder opens as a stream on some systems and then reads as an empty file; it is no
// settings file, so it gets the same message as a missing file.
void TMajorForm::LoadFileButtonClick() {
    if (!Services.Dialogs.Execute(OpenSettingsDialog)) return;
    const std::string& path = OpenSettingsDialog.FileName;
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, error)) in.open(path, std::ios::binary);
    if (!in.is_open()) {
        Services.Messages.Show("The file could not be opened", Services.Application.Title);
        return;
    }
    files::ApplySettingsFile(*this, in);
    in.close();
    RefreshDependentControls();
}

}  // namespace app
