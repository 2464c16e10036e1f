#include "files/FileComparison.h"

#include "files/SettingsFile.h"
#include "ui/Headless.h"

namespace files {

std::vector<TDifference> DifferencesFromFile(const editor::TSettingsEditor& now, std::istream& file) {
    ui::THeadlessPrompts unshown;
    ui::TPrompter prompter(unshown);
    editor::TSettingsEditor copy(prompter);
    copy.RestoreState(now.State());
    LoadSettingsFile(copy, file);
    return Differences(now, copy);
}

}  // namespace files
