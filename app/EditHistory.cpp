#include "app/EditHistory.h"

#include <utility>

namespace app {

void TEditHistory::Record(const std::function<void()>& action, const ui::TUpDown* spin) {
    if (recording_) {
        action();
        return;
    }
    editor::TEditorState before = editor_.State();
    {
        // Cleared on every way out, so that an action that throws leaves the history working.
        struct TEndRecording {
            bool& Flag;
            ~TEndRecording() { Flag = false; }
        } end{recording_};
        recording_ = true;
        action();
    }
    editor::TEditorState after = editor_.State();
    if (after == before) return;
    redo_.clear();
    const bool goesOn = spin != nullptr && spin == runSpin_ && runEnd_ == before && !undo_.empty();
    if (!goesOn) {
        undo_.push_back(std::move(before));
        if (undo_.size() > kSteps) undo_.pop_front();
    }
    runSpin_ = spin;
    runEnd_.reset();
    if (spin != nullptr) runEnd_ = std::move(after);
}

void TEditHistory::Undo() {
    if (undo_.empty()) return;
    redo_.push_back(editor_.State());
    editor_.RestoreState(undo_.back());
    undo_.pop_back();
    runSpin_ = nullptr;
    runEnd_.reset();
}

void TEditHistory::Redo() {
    if (redo_.empty()) return;
    undo_.push_back(editor_.State());
    editor_.RestoreState(redo_.back());
    redo_.pop_back();
    runSpin_ = nullptr;
    runEnd_.reset();
}

}  // namespace app
