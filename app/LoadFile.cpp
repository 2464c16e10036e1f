// LOAD FILE: both units' settings and the edition from a settings file the user picks.

#include <filesystem>
#include <fstream>

#include "app/UserActions.h"
#include "files/SettingsFile.h"

namespace app {

constexpr const char* kNotOpened = "The file could not be opened";

// A folder opens as a stream on some systems and then reads as an empty file; it is no
// settings file, so it gets the same message as a missing file.
TFileResult LoadFile(TFileContext& context) {
    if (!context.Dialogs.Execute(context.Dialog)) return {};
    const std::string& path = context.Dialog.FileName;
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, error)) in.open(path, std::ios::binary);
    if (!in.is_open()) {
        context.Messages.Show(kNotOpened, context.Title);
        return {.Outcome = TFileOutcome::NotOpened, .Path = path, .Message = kNotOpened};
    }
    files::ApplySettingsFile(context.Editor, in);
    in.close();
    context.Editor.RefreshDependentControls();
    return {.Outcome = TFileOutcome::Succeeded, .Path = path};
}

}  // namespace app
