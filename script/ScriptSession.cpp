#include "script/ScriptSession.h"

#include <fstream>

#include "app/ProgramSettingsFile.h"
#include "script/ScriptError.h"

namespace script {

TScriptSession::TScriptSession() : ExecutablePath(Folder.Resolve(kDefaultExecutable).string()) {}

void TScriptSession::Start() {
    if (ProgramSettingsContent) {
        const std::filesystem::path ini = app::ProgramSettingsPath(ExecutablePath);
        if (ini.has_parent_path()) std::filesystem::create_directories(ini.parent_path());
        std::ofstream(ini, std::ios::binary) << *ProgramSettingsContent;
    }
    form_ = std::make_unique<app::TMajorForm>(Env.Services, Library, ExecutablePath);
    for (ui::TControl* control : form_->AllControls()) controls_.emplace(control->Name, control);
    // The timer runs from the window's creation on.
    Timers.Watch(form_->Timer1);
    form_->FormCreate();
    form_->FormShow();
}

app::TMajorForm& TScriptSession::Form() {
    if (!form_) throw TScriptError("the program has not been started: 'start' comes first");
    return *form_;
}

ui::TControl* TScriptSession::FindControl(const std::string& name) {
    Form();
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

}  // namespace script
