#pragma once
// The settings file: both units' settings and the edition as "key=value" lines.

#include <iosfwd>
#include <string>

#include "editor/SettingsEditor.h"
#include "files/LoadReport.h"

namespace files {

// Writes the 105 lines of the file key table, each "%04d=%d" and CR LF. The stream gets
// the bytes as they are, so open it in binary mode: the file is the same on every
// platform.
void WriteSettingsFile(const editor::TSettingsEditor& settings, std::ostream& out);
// The file's bytes as WriteSettingsFile writes them.
std::string SettingsFileText(const editor::TSettingsEditor& settings);

// Applies every line of the file, in file order, each at once with the reactions of its
// setting; whatever the content, every line gives a key or is skipped. The caller runs
// the final RefreshDependentControls. Each line is noted in `report` when one is given.
void ApplySettingsFile(editor::TSettingsEditor& settings, std::istream& in, TLoadReport* report = nullptr);

// What LOAD FILE makes of a file: every line applied, then the one final
// RefreshDependentControls; and what the load found in the file.
TLoadReport LoadSettingsFile(editor::TSettingsEditor& settings, std::istream& in);

}  // namespace files
