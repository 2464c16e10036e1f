#pragma once
// What the user actions work on. A device action gets the settings editor, the
// connection, the prompter, the activity log and the window's memory of the unit; a file
// action gets the settings editor, its dialog and the plain message box. Neither sees the
// rest of the window.

#include <cstdint>
#include <string>

#include "app/ActivityLog.h"
#include "editor/SettingsEditor.h"
#include "link/Connection.h"
#include "records/SettingsRecords.h"
#include "ui/Prompt.h"
#include "ui/Services.h"
#include "ui/Text.h"

namespace app {

struct TDeviceContext {
    editor::TSettingsEditor& Editor;
    devlink::TConnection& Connection;
    ui::TPrompter& Prompter;
    TActivityLog& Log;
    // The version text of the unit last identified, in the label of its kind.
    ui::TLabel& HSSwVersionLabel;
    ui::TLabel& GWSwVersionLabel;
    // Working copies of the records last read or built.
    records::hs_xsettings_t& HSRecord;
    records::gw_xsettings_t& GWRecord;
    // The edition code of the last gateway identified.
    std::uint16_t& GatewayEdition;
};

struct TFileContext {
    editor::TSettingsEditor& Editor;
    ui::IFileDialogs& Dialogs;
    ui::TFileDialog& Dialog;
    ui::IMessageBox& Messages;
    const std::string& Title;  // captions the plain message box
};

}  // namespace app
