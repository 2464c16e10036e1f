// User actions and answers. The window refuses an action on a control the user cannot
// reach; the refusal changes nothing and counts as a failed check.

#include <algorithm>

#include "script/ScriptError.h"
#include "script/ScriptLexer.h"
#include "script/ScriptRunner.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Pages.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

namespace script {
namespace {

// Why the user cannot reach the control, or nothing when they can.
std::optional<std::string> Unreachable(const ui::TControl& control) {
    for (const ui::TControl* c = &control; c != nullptr; c = c->Parent) {
        const std::string who = c == &control ? c->Name : "its parent " + c->Name;
        if (!c->Enabled) return who + " is disabled";
        if (!c->Visible) return who + " is hidden";
    }
    return std::nullopt;
}

template <typename T>
T& ControlOfKind(TScriptSession& session, const std::string& name, const char* kind) {
    ui::TControl* control = session.FindControl(name);
    if (control == nullptr) throw TScriptError("unknown control " + name);
    T* typed = dynamic_cast<T*>(control);
    if (typed == nullptr) throw TScriptError(name + " is not " + kind);
    return *typed;
}

}  // namespace

bool TScriptRunner::UserCanReach(const ui::TControl& control, const std::string& action) {
    if (session_.Form().Closed) {
        Fail(action + " refused: the window is closed");
        return false;
    }
    if (const auto why = Unreachable(control)) {
        Fail(action + " refused: " + *why);
        return false;
    }
    return true;
}

void TScriptRunner::AfterUserAction() {
    if (!session_.Form().Closed) session_.Timers.FireDue();
}

void TScriptRunner::Click(const std::string& name, const std::set<int>& heldKeys) {
    ui::TControl* control = session_.FindControl(name);
    if (control == nullptr) throw TScriptError("unknown control " + name);
    std::function<void()> click;
    if (auto* button = dynamic_cast<ui::TButton*>(control)) click = [button] { button->UserClick(); };
    if (auto* box = dynamic_cast<ui::TCheckBox*>(control)) click = [box] { box->UserClick(); };
    if (auto* radio = dynamic_cast<ui::TRadioButton*>(control)) click = [radio] { radio->UserClick(); };
    if (auto* image = dynamic_cast<ui::TImage*>(control)) click = [image] { image->UserClick(); };
    if (!click) throw TScriptError(name + " is not a button, tick box, radio button or picture");
    if (!UserCanReach(*control, "click " + name)) return;
    // The keys are held only while the click lasts.
    session_.Env.Keyboard.held = heldKeys;
    if (dynamic_cast<ui::TCheckBox*>(control) || dynamic_cast<ui::TRadioButton*>(control))
        session_.Form().UserEdit(*control, click);
    else
        click();
    session_.Env.Keyboard.held.clear();
    AfterUserAction();
}

void TScriptRunner::SelectIndex(const std::string& name, std::int64_t index) {
    auto& list = ControlOfKind<ui::TComboBox>(session_, name, "a list");
    const std::string action = "select " + name + " " + std::to_string(index);
    if (!UserCanReach(list, action)) return;
    if (index < 0 || index >= list.Count()) {
        Fail(action + " refused: the list holds " + std::to_string(list.Count()) + " items");
        return;
    }
    session_.Form().UserEdit(list, [&] { list.UserSelect(static_cast<int>(index)); });
    AfterUserAction();
}

void TScriptRunner::SelectItem(const std::string& name, const std::string& item) {
    auto& list = ControlOfKind<ui::TComboBox>(session_, name, "a list");
    const std::string action = "select " + name + " " + QuoteText(item);
    if (!UserCanReach(list, action)) return;
    const auto& items = list.Items();
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) {
        std::string held;
        for (const std::string& i : items) held += (held.empty() ? "" : "|") + i;
        Fail(action + " refused: the list holds no such item, only " + QuoteText(held));
        return;
    }
    session_.Form().UserEdit(list, [&] { list.UserSelect(static_cast<int>(found - items.begin())); });
    AfterUserAction();
}

void TScriptRunner::Tab(const std::string& name) {
    auto& sheet = ControlOfKind<ui::TTabSheet>(session_, name, "a tab sheet");
    auto* pages = dynamic_cast<ui::TPageControl*>(sheet.Parent);
    if (pages == nullptr) throw TScriptError(name + " belongs to no tab set");
    if (!UserCanReach(sheet, "tab " + name)) return;
    pages->UserSwitch(sheet);
    AfterUserAction();
}

void TScriptRunner::Spin(const std::string& name, bool up, std::int64_t clicks) {
    auto& spin = ControlOfKind<ui::TUpDown>(session_, name, "a spin");
    const std::string action = "spin " + name + (up ? " up" : " down");
    for (std::int64_t i = 0; i < clicks; ++i) {
        if (!UserCanReach(spin, action)) return;
        session_.Form().UserEdit(spin, [&] { spin.UserClick(up); });
        AfterUserAction();
    }
}

// A greyed menu item cannot be chosen: with nothing to undo, or to redo, the command is
// refused.
void TScriptRunner::Undo() { ChooseUndoItem(false); }

void TScriptRunner::Redo() { ChooseUndoItem(true); }

void TScriptRunner::ChooseUndoItem(bool redo) {
    app::TMajorForm& form = session_.Form();
    const std::string command = redo ? "redo" : "undo";
    if (form.Closed) return Fail(command + " refused: the window is closed");
    if (!(redo ? form.History.CanRedo() : form.History.CanUndo()))
        return Fail(command + " refused: there is nothing to " + command);
    if (redo)
        form.RedoMenuItemClick();
    else
        form.UndoMenuItemClick();
    AfterUserAction();
}

void TScriptRunner::Wait(std::int64_t milliseconds) {
    if (session_.Form().Closed)
        session_.Env.Clock.Advance(milliseconds);
    else
        session_.Timers.Wait(milliseconds);
}

void TScriptRunner::CloseWindow() {
    if (session_.Form().Closed) {
        Fail("close refused: the window is closed");
        return;
    }
    session_.Form().Close();
}

void TScriptRunner::Answer(const ui::TPromptAnswer& answer) { session_.Env.Prompts.Answers.push_back(answer); }

void TScriptRunner::AnswerDialog(const std::optional<std::string>& path) {
    session_.Env.Dialogs.Answers.push_back(path.value_or(std::string()));
}

}  // namespace script
