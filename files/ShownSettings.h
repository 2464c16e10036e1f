#pragma once
// Every setting as the window shows it: the page it stands on, its caption, and its value
// as the user sees it, read from the controls; and the file values that its control takes
// as they are, without leaving its range or losing the list selection. The command line's
// reports, its comparisons and the window's own comparison all show settings this way.

#include <cstdint>
#include <string>
#include <vector>

#include "editor/SettingsEditor.h"
#include "files/FileKeys.h"

namespace files {

struct TShownSetting {
    const TFileKey* Key = nullptr;
    // The page set it stands on; null for the edition, which belongs to both units.
    ui::TTabSheet editor::TSettingsEditor::*PageSet = nullptr;
    std::string Page;     // "Handset / User Experience", ...; "Model" for the edition
    std::string Caption;  // the label's text; "row: column" in the two grids
    std::string Value;    // item text, volts, "ticked", "Ardex", ...
};

// Every setting of the file key table (reserved keys have none), page by page in the
// order of the window's tabs, in key order within a page.
std::vector<TShownSetting> ShownSettings(const editor::TSettingsEditor& settings);
TShownSetting ShowSetting(const editor::TSettingsEditor& settings, const TFileKey& key);
// Whether the setting belongs to the unit whose pages these are: on them, or the edition.
bool OnPages(const TShownSetting& setting, ui::TTabSheet editor::TSettingsEditor::*pageSet);

// The file values a setting's control takes unchanged, as its control stands now: 0 and 1
// for a tick and the edition, the item indices of a list, the range of a spin.
struct TAcceptedValues {
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    bool Accepts(std::int32_t value) const { return value >= Min && value <= Max; }
    std::string Text() const;  // "0..24"
};
TAcceptedValues AcceptedValues(const editor::TSettingsEditor& settings, const TFileKey& key);

}  // namespace files
