// LOAD FILE's reader on arbitrary bytes: whatever a .wpx file holds, loading it into a
// started window leaves the editor keeping its promises, and when every list ends with a
// selection, what SAVE FILE then writes loads back to exactly the same file.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "files/SettingsFile.h"
#include "tests/support/EditorInvariants.h"
#include "tests/support/StartedForm.h"

namespace {

void Load(testing_support::TStartedForm& started, const std::string& text) {
    std::istringstream in(text);
    files::ApplySettingsFile(started.Form, in);
    started.Form.RefreshDependentControls();
}

std::string Saved(const testing_support::TStartedForm& started) {
    std::ostringstream out;
    files::WriteSettingsFile(started.Form, out);
    return out.str();
}

// A list left without a selection (an index outside its list in the file) makes a saved
// file whose lines can mean other items on a window started afresh.
bool EveryListSelects(const app::TMajorForm& form) {
    for (const ui::TControl* c : form.Controls()) {
        const auto* list = dynamic_cast<const ui::TComboBox*>(c);
        if (list != nullptr && list->ItemIndex() < 0) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing_support::TStartedForm loaded;
    Load(loaded, std::string(reinterpret_cast<const char*>(data), size));
    fuzzing::RequireNone(testing_support::BrokenEditorInvariants(loaded.Form));
    if (!EveryListSelects(loaded.Form)) return 0;

    const std::string saved = Saved(loaded);
    testing_support::TStartedForm reloaded;
    Load(reloaded, saved);
    fuzzing::Require(Saved(reloaded) == saved, "a saved file loads back to other settings");
    return 0;
}
