// SAVE FILE and LOAD FILE: the flows around the settings file, with its two dialogs and
// the two plain messages.

#include <optional>
#include <sstream>

#include "app/MajorForm.h"
#include "files/SettingsFile.h"
#include "ui/LocalFiles.h"

namespace app {

void TMajorForm::SaveFileButtonClick() {
    if (!Services.Dialogs.Execute(SaveSettingsDialog)) return;
    std::ostringstream text;
    files::WriteSettingsFile(*this, text);
    if (!ui::ReplaceFileContent(SaveSettingsDialog.FileName, text.str()))
        Services.Messages.Show("The file could not be saved", Services.Application.Title);
}

// A folder is no settings file: it gets the same message as a missing file.
void TMajorForm::LoadFileButtonClick() {
    if (!Services.Dialogs.Execute(OpenSettingsDialog)) return;
    const std::optional<std::string> content = ui::ReadWholeFile(OpenSettingsDialog.FileName);
    if (!content) {
        Services.Messages.Show("The file could not be opened", Services.Application.Title);
        return;
    }
    std::istringstream in(*content);
    files::ApplySettingsFile(*this, in);
    RefreshDependentControls();
}

}  // namespace app
