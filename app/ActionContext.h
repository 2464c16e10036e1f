#pragma once
// What the user actions work on. A device action gets the settings editor, the
// connection, the prompter, the activity log and the window's memory of the unit; a file
// action gets the settings editor, its dialog and the plain message box; saving a
// configuration sheet gets a file action's part and what the sheet names and the offer to
// open it need. None sees the rest of the window.

#include <string>

#include "app/ActivityLog.h"
#include "editor/SettingsEditor.h"
#include "link/Connection.h"
#include "records/UnitKind.h"
#include "ui/BenchIdentity.h"
#include "ui/Prompt.h"
#include "ui/Services.h"

namespace app {

struct TDeviceContext {
    editor::TSettingsEditor& Editor;
    devlink::TConnection& Connection;
    ui::TPrompter& Prompter;
    TActivityLog& Log;
    // The version labels, the records last read or built and the gateway edition memory.
    records::TUnitMemory& Units;
};

struct TFileContext {
    editor::TSettingsEditor& Editor;
    ui::IFileDialogs& Dialogs;
    ui::TFileDialog& Dialog;
    ui::IMessageBox& Messages;
    const std::string& Title;  // captions the plain message box
};

struct TSheetContext {
    TFileContext File;
    ui::TPrompter& Prompter;
    ui::IClock& Clock;
    ui::IShell& Shell;
    ui::TBenchIdentity Bench;
    std::string ProgramVersion;
};

}  // namespace app
