#include "script/ScriptSession.h"

#include "app/ProgramSettingsFile.h"
#include "script/ScriptError.h"
#include "ui/LocalFiles.h"

namespace script {

TScriptSession::TScriptSession() : ExecutablePath(ui::Utf8OfPath(Folder.Resolve(kDefaultExecutable))) {}

void TScriptSession::Start() {
    if (ProgramSettingsContent) {
        const std::string ini = app::ProgramSettingsPath(ExecutablePath);
        ui::CreateFolders(ui::Utf8OfPath(ui::PathOfUtf8(ini).parent_path()));
        if (!ui::ReplaceFileContent(ini, *ProgramSettingsContent)) throw TScriptError("ini: cannot write " + ini);
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
