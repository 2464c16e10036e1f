// LOAD FILE's reader on arbitrary bytes: whatever a .wpx file holds, loading it into a
// started window leaves the editor keeping its promises; and once the file SAVE FILE
// then writes has been loaded into a fresh window and saved again, loading and saving
// change nothing more.
//
// The first save need not load back as it was: a pulse keeps its range while its line
// is Input and when it turns back to Output, so a saved file can hold a pulse outside
// the range the line has when the file is loaded into a fresh window, where it is
// clamped.

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

    testing_support::TStartedForm once;
    Load(once, Saved(loaded));
    fuzzing::RequireNone(testing_support::BrokenEditorInvariants(once.Form));
    const std::string saved = Saved(once);
    testing_support::TStartedForm twice;
    Load(twice, saved);
    fuzzing::Require(Saved(twice) == saved, "a file saved after a load loads back to other settings");
    return 0;
}
