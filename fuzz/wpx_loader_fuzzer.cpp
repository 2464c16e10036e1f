// LOAD FILE's reader on arbitrary bytes: whatever a .wpx file holds, loading it into a
// started window leaves the editor keeping its promises, and the file SAVE FILE then
// writes loads into a fresh window as exactly what it says: saved again, it is the same
// file. Spins hold what a file gives them, so nothing is lost on the way.

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing_support::TStartedForm loaded;
    Load(loaded, std::string(reinterpret_cast<const char*>(data), size));
    fuzzing::RequireNone(testing_support::BrokenEditorInvariants(loaded.Form));

    const std::string saved = Saved(loaded);
    testing_support::TStartedForm again;
    Load(again, saved);
    fuzzing::RequireNone(testing_support::BrokenEditorInvariants(again.Form));
    fuzzing::Require(Saved(again) == saved, "a file saved after a load loads back to other settings");
    return 0;
}
