#pragma once
// Undo and redo of the user's actions on the settings editor: a tick, a list choice, a
// spin's steps, an edition button, DEFAULTS, LOAD FILE, READ DEVICE. Each action that
// changed the editor keeps the editor's whole state from before it; undo puts that state
// back and keeps the present one for redo. Consecutive steps of one spin are one action.
// PROGRAM DEVICE, SAVE FILE and the rest are no steps of their own and leave the history
// as it is; whatever PROGRAM DEVICE changed in the editor is part of the state the next
// undo goes back from, and redo brings it back.

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "editor/EditorState.h"
#include "editor/SettingsEditor.h"
#include "ui/UpDown.h"

namespace app {

class TEditHistory {
public:
    // The oldest steps go first once there are more.
    static constexpr std::size_t kSteps = 100;

    explicit TEditHistory(editor::TSettingsEditor& editor) : editor_(editor) {}

    // Runs a user's action as one step, when it changed the editor; `spin` names the spin
    // whose step the action is, so that a run of them makes one step. An action run
    // within another is part of it.
    void Record(const std::function<void()>& action, const ui::TUpDown* spin = nullptr);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Each puts the editor back as it was before, or after, the step; nothing when there
    // is no step to take back or to do again.
    void Undo();
    void Redo();

private:
    editor::TSettingsEditor& editor_;
    std::deque<editor::TEditorState> undo_;
    std::vector<editor::TEditorState> redo_;
    bool recording_ = false;
    // The spin whose run of steps the newest undo step holds, and where the run left the
    // editor: a step of that spin from exactly there goes on with the run.
    const ui::TUpDown* runSpin_ = nullptr;
    std::optional<editor::TEditorState> runEnd_;
};

}  // namespace app
