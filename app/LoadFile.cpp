// LOAD FILE: both units' settings and the edition from a settings file the user picks,
// or one the shell names (the program's first argument, a file dropped on the window).
// Compare with File reads the file it picks as LOAD FILE does, and works out what LOAD
// FILE would make of it without loading it.

#include <optional>
#include <sstream>

#include "app/UserActions.h"
#include "files/FileComparison.h"
#include "files/SettingsFile.h"
#include "ui/LocalFiles.h"

namespace app {
namespace {

constexpr const char* kNotOpened = "The file could not be opened";

// The file the open dialog holds, read whole; nothing after LOAD FILE's message. A folder
// is no settings file: it gets the same message as a missing file.
std::optional<std::string> ReadChosenFile(TFileContext& context, TFileResult& result) {
    result.Path = context.Dialog.FileName;
    std::optional<std::string> content = ui::ReadWholeFile(result.Path);
    if (content) {
        result.Outcome = TFileOutcome::Succeeded;
    } else {
        context.Messages.Show(kNotOpened, context.Title);
        result.Outcome = TFileOutcome::NotOpened;
        result.Message = kNotOpened;
    }
    return content;
}

TFileResult LoadChosenFile(TFileContext& context) {
    TFileResult result;
    if (const std::optional<std::string> content = ReadChosenFile(context, result)) {
        std::istringstream in(*content);
        files::LoadSettingsFile(context.Editor, in);
    }
    return result;
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

TFileComparison CompareWithFile(TFileContext& context) {
    TFileComparison comparison;
    if (!context.Dialogs.Execute(context.Dialog)) return comparison;
    if (const std::optional<std::string> content = ReadChosenFile(context, comparison.File)) {
        std::istringstream in(*content);
        comparison.Differences = files::DifferencesFromFile(context.Editor, in);
    }
    return comparison;
}

}  // namespace app
