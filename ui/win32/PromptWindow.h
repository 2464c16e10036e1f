#pragma once
// The program's modal prompt on Windows: a dialog owned by the main window with the icon
// of the message type, the text, the given buttons left to right, one of them focused.
// No button has the cancel role: Escape does nothing, and only the title bar's close
// button answers without a button, with 2. The background is the system window colour.

#include "ui/Services.h"
#include "ui/win32/ModalOwner.h"

namespace ui::win32 {

class TWin32Prompts : public IPromptService {
public:
    explicit TWin32Prompts(const TModalOwner& owner) : owner_(owner) {}
    int ShowModal(const TPromptWindow& window) override;

private:
    const TModalOwner& owner_;
};

}  // namespace ui::win32
