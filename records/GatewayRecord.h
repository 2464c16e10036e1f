#pragma once
// The gateway record and the settings document: built from the editor for a write, and
// applied to the editor after a read.

#include "editor/SettingsEditor.h"
#include "records/SettingsRecords.h"

namespace records {

// A fresh record: reserved words and flag bits that carry no setting are always 0.
gw_xsettings_t MapSettingsToGWRecord(const editor::TSettingsEditor& editor);

// Reserved words and bits are not looked at. Each line takes its direction first, then
// the function list of that direction, the function, the pulse range of the function
// and last the pulse; the remembered indices then hold the applied record, so that its
// lists count as the starting state of the change rules.
void MapGWRecordToSettings(const gw_xsettings_t& record, editor::TSettingsEditor& editor);

}  // namespace records
