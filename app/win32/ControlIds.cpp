#include "app/win32/ControlIds.h"

namespace app::win32 {

std::vector<ui::TControl*> RenderedControls(app::TMajorForm& form) {
    std::vector<ui::TControl*> controls = form.AllControls();
    for (const auto& caption : form.Captions()) controls.push_back(caption.get());
    return controls;
}

int ControlIdOf(app::TMajorForm& form, const std::string& name) {
    const std::vector<ui::TControl*> controls = RenderedControls(form);
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (!name.empty() && controls[i]->Name == name) return ControlId(i);
    return 0;
}

}  // namespace app::win32
