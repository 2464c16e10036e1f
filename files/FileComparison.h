#pragma once
// The settings an editor holds otherwise than a settings file would give them: what LOAD
// FILE would make of the file from the editor's present state, worked out on a copy of
// that state in an editor of its own. The editor compared is never touched, and the
// prompts that load would raise (the Find-Me warning, a key-press map's complaint) are
// answered unshown. The window's "Compare with File..." lists these.

#include <istream>
#include <vector>

#include "editor/SettingsEditor.h"
#include "files/ShownSettings.h"

namespace files {

// A of each difference is the editor as it is, B what the file would leave it; the
// edition first, then the unit on show, then the other unit.
std::vector<TDifference> DifferencesFromFile(const editor::TSettingsEditor& now, std::istream& file);

}  // namespace files
