#pragma once
// The handset record and the settings document: built from the editor for a write, and
// applied to the editor after a read.

#include "editor/SettingsEditor.h"
#include "records/SettingsRecords.h"

namespace records {

// A fresh record: reserved words and flag bits that carry no setting are always 0.
// A button list whose text names no action is reported and contributes code 0.
hs_xsettings_t MapSettingsToHSRecord(const editor::TSettingsEditor& editor);

// Reserved words and bits are not looked at. Tick boxes whose state changes run their
// click rules; the dependent controls are refreshed at the end, so a button with a
// press-and-hold action comes back with its short and long press "Disabled".
void MapHSRecordToSettings(const hs_xsettings_t& record, editor::TSettingsEditor& editor);

}  // namespace records
