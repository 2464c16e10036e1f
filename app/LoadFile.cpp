// LOAD FILE: both units' settings and the edition from a settings file the user picks,
// or one the shell names (the program's first argument, a file dropped on the window).

#include <optional>
#include <sstream>

#include "app/UserActions.h"
#include "files/SettingsFile.h"
#include "ui/LocalFiles.h"

namespace app {
namespace {

constexpr const char* kNotOpened = "The file could not be opened";

// The file the open dialog holds. A folder is no settings file: it gets the same message
// as a missing file.
TFileResult LoadChosenFile(TFileContext& context) {
    const std::string& path = context.Dialog.FileName;
    const std::optional<std::string> content = ui::ReadWholeFile(path);
    if (!content) {
        context.Messages.Show(kNotOpened, context.Title);
        return {.Outcome = TFileOutcome::NotOpened, .Path = path, .Message = kNotOpened};
    }
    std::istringstream in(*content);
    files::LoadSettingsFile(context.Editor, in);
    return {.Outcome = TFileOutcome::Succeeded, .Path = path};
}

}  // namespace

TFileResult LoadFile(TFileContext& context) {
    if (!context.Dialogs.Execute(context.Dialog)) return {};
    return LoadChosenFile(context);
}

TFileResult LoadNamedFile(TFileContext& context, const std::string& path) {
    context.Dialog.FileName = path;
    return LoadChosenFile(context);
}

}  // namespace app
