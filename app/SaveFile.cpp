// SAVE FILE: both units' settings and the edition to a settings file the user names.

#include "app/UserActions.h"
#include "files/SettingsFile.h"
#include "ui/LocalFiles.h"

namespace app {

constexpr const char* kNotSaved = "The file could not be saved";

TFileResult SaveFile(TFileContext& context) {
    if (!context.Dialogs.Execute(context.Dialog)) return {};
    const std::string& path = context.Dialog.FileName;
    if (!ui::ReplaceFileContent(path, files::SettingsFileText(context.Editor))) {
        context.Messages.Show(kNotSaved, context.Title);
        return {.Outcome = TFileOutcome::NotSaved, .Path = path, .Message = kNotSaved};
    }
    return {.Outcome = TFileOutcome::Succeeded, .Path = path};
}

}  // namespace app
