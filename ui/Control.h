#pragma once
// Toolkit-neutral controls. They carry exactly the state and event behaviour that the
// program's rules rely on; renderers draw them and feed user events back through the
// User* methods, and hold no behaviour of their own.

#include <optional>
#include <string>

namespace ui {

struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

class TControl {
public:
    explicit TControl(std::string name) : Name(std::move(name)) {}
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string Name;
    bool Enabled = true;
    bool Visible = true;
    TBounds Bounds;              // in pixels, relative to Parent's client area
    TControl* Parent = nullptr;  // nullptr for the top-level controls of the window

    void Place(TControl* parent, TBounds bounds) {
        Parent = parent;
        Bounds = bounds;
    }
    // The value the control shows, as one text: a tick box or radio button "1" or "0", a
    // list its selected item, a spin its position, a label its caption, a text box its
    // text; none for a control that shows no value (buttons, frames, pages, the log).
    virtual std::optional<std::string> ShownValue() const { return std::nullopt; }

    // A control the user can reach: enabled and shown, and so is every parent.
    bool Reachable() const {
        for (const TControl* c = this; c != nullptr; c = c->Parent)
            if (!c->Enabled || !c->Visible) return false;
        return true;
    }
};

}  // namespace ui
