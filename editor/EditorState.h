#pragma once
// The whole state of the settings editor as one value: what every control of the settings
// pages holds (ticks, the edition, list items and selections, spin ranges and positions,
// the texts of the spins' boxes, enabled states) and the remembered indices of the
// gateway lists. Taking it and putting it back is what undo and redo are made of: put
// back, the editor is exactly as it was, and no rule, handler or prompt runs on the way.
// Which pages are on show and which controls are hidden are the view, not the editor's
// state, and are left as they are.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace editor {

// The I/O lines of the gateway's "Hardware" page.
inline constexpr std::size_t kGatewayLines = 9;

// One control's part. Each kind of control fills its own fields and leaves the others
// as they start.
struct TControlState {
    bool Enabled = true;
    bool Checked = false;              // tick boxes and edition buttons
    std::vector<std::string> Items{};  // lists
    int ItemIndex = -1;                // lists
    std::string Text{};                // lists (the text shown) and the spins' boxes
    int Min = 0;                       // spins
    int Max = 0;
    int Position = 0;
    bool operator==(const TControlState&) const = default;
};

struct TEditorState {
    std::vector<TControlState> Controls{};  // in the order of TSettingsEditor::Controls()
    std::array<int, kGatewayLines> RememberedIO{};
    std::array<int, kGatewayLines> RememberedFunction{};
    bool operator==(const TEditorState&) const = default;
};

}  // namespace editor
