#pragma once
// The main window: every control of the editor as a named member, the window's own
// handlers, and the state that lives as long as the window.

#include <functional>
#include <string>
#include <vector>

#include "app/ActivityLog.h"
#include "app/CompareForm.h"
#include "app/EditHistory.h"
#include "app/SelectTransportForm.h"
#include "app/UserActions.h"
#include "editor/SettingsEditor.h"
#include "link/ChipLibrary.h"
#include "link/Connection.h"
#include "link/Transports.h"
#include "records/UnitKind.h"
#include "ui/Buttons.h"
#include "ui/Prompt.h"
#include "ui/Services.h"
#include "ui/Text.h"
#include "ui/Timer.h"

namespace app {

inline constexpr const char* kProgramVersion = "v2.05A";
inline constexpr const char* kFormCaption = "ZENTA User Programmer";

// Holds the prompter so that it exists before the settings editor that uses it.
struct TPrompterHolder {
    explicit TPrompterHolder(ui::IPromptService& service) : FormPrompter(service) {}
    ui::TPrompter FormPrompter;
};

class TMajorForm : private TPrompterHolder, public editor::TSettingsEditor, public records::TUnitMemory {
public:
    TMajorForm(ui::TServices& services, devlink::IChipLibrary& library, std::string executablePath);

    // Window handlers.
    void FormCreate();
    void FormShow();
    void Timer1Timer();
    // The system menu's "Select &Transport...": the picker lists the transports afresh,
    // and OK makes the chosen one the transport of every later connection.
    void SelectTransportMenuItemClick(ISelectTransportWindow& window);
    // The system menu's "Compare with &File...": a settings file chosen in LOAD FILE's
    // dialog, which keeps its name as LOAD FILE's own choice does, and the settings the
    // editor holds otherwise than LOAD FILE would leave them, worked out without touching
    // the editor. The dialog's "Load This File" then runs LOAD FILE of that file as for a
    // file the shell names: every reaction and prompt, and a step of the undo history.
    void CompareWithFileMenuItemClick(ICompareWindow& window);
    // The system menu's "Save Configuration S&heet...": the sheet of the settings of the
    // unit kind on show, as `zenta report` makes it of a file, saved through its own
    // dialog (SaveSheetDialog) and offered to be opened. It names this computer and its
    // user, and the window as where the settings came from.
    TFileResult SaveConfigurationSheetMenuItemClick();
    // The system menu's "&Undo" and "Re&do" (Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z), greyed while
    // there is nothing to undo or redo (History).
    void UndoMenuItemClick() { History.Undo(); }
    void RedoMenuItemClick() { History.Redo(); }
    // A user's own edit of a control of the settings pages: a tick, a list choice, a spin's
    // step, an edition button. Each is a step of the undo history; so are DEFAULTS, LOAD
    // FILE (from its dialog, the command line or a drop) and READ DEVICE.
    void UserEdit(ui::TControl& control, const std::function<void()>& edit);
    void MasterPageControlChange() { RefreshDependentControls(); }
    void ExitButtonClick() { Close(); }
    void MainImageClick();
    void FactoryButtonClick();
    // SAVE FILE and LOAD FILE: both units' settings and the edition, to and from a file.
    TFileResult SaveFileButtonClick();
    TFileResult LoadFileButtonClick();
    // A settings file the shell named: loaded as LOAD FILE loads the file chosen in its
    // dialog, which then starts with that name.
    TFileResult OpenSettingsFile(const std::string& path);
    // Files dropped on the window: the first settings file among them is opened.
    void FormDropFiles(const std::vector<std::string>& paths);

    // Device actions: each opens its own connection and closes it before returning. A
    // foreign chip closes the window once its prompt is answered.
    TDeviceResult DetectDevice();
    TDeviceResult ReadDeviceButtonClick();
    TDeviceResult ProgramDeviceButtonClick() { return ProgramDevice({}); }
    // PROGRAM DEVICE as a driver of the window asks for it (TProgramRequest).
    TDeviceResult ProgramDevice(const TProgramRequest& request);
    TDeviceResult RestartButtonClick();

    // Appends one time-stamped line to the activity log.
    void AddLogLine(const std::string& text);
    // Closes the window, which ends the program.
    void Close() { Closed = true; }

    // Every control of the window, for lookup by name and for renderers.
    std::vector<ui::TControl*> AllControls();
    ui::TControl* FindControl(const std::string& name);

    // The window itself.
    std::string Caption = kFormCaption;
    int ClientWidth = 769;
    int ClientHeight = 629;
    bool Closed = false;

    // Top-level controls.
    ui::TImage MainImage{"MainImage"};
    ui::TMemo InfoMemo{"InfoMemo"};
    ui::TButton LoadFileButton{"LoadFileButton"};
    ui::TButton SaveFileButton{"SaveFileButton"};
    ui::TButton FactoryButton{"FactoryButton"};
    ui::TButton ExitButton{"ExitButton"};
    ui::TButton ReadDeviceButton{"ReadDeviceButton"};
    ui::TButton ProgramDeviceButton{"ProgramDeviceButton"};
    ui::TButton RestartButton{"RestartButton"};
    ui::TLabel Label1{"Label1"};
    ui::TLabel Label2{"Label2"};
    ui::TTimer Timer1{"Timer1"};

    // The settings file dialogs; each keeps its own last file name from use to use.
    ui::TFileDialog OpenSettingsDialog{.Kind = ui::TFileDialog::TKind::Open,
                                       .Name = "OpenSettingsDialog",
                                       .DefaultExt = "*.wpx",
                                       .Filter = "ZENTA Files (*.wpx)|*.wpx|All Files",
                                       .FilterIndex = 1,
                                       .FileName = ""};
    ui::TFileDialog SaveSettingsDialog{.Kind = ui::TFileDialog::TKind::Save,
                                       .Name = "SaveSettingsDialog",
                                       .DefaultExt = "*.wpx",
                                       .Filter = "ZENTA Files (*.wpx)|*.wpx|All Files",
                                       .FilterIndex = 1,
                                       .FileName = ""};
    // The configuration sheet's dialog: its name is suggested afresh each time.
    ui::TFileDialog SaveSheetDialog{.Kind = ui::TFileDialog::TKind::Save,
                                    .Name = "SaveSheetDialog",
                                    .DefaultExt = "*.html",
                                    .Filter = "Configuration Sheets (*.html)|*.html|All Files",
                                    .FilterIndex = 1,
                                    .FileName = "",
                                    .ConfirmReplace = true};

    std::string ProgramSettingsFilePath;
    // The settings file named on the program's command line ("Open with", a file
    // association), opened once the window is ready: right after the timer's choice of
    // transport. Empty for none.
    std::string FileGivenAtStart;
    devlink::TTransportTable Transports;
    devlink::TConnection Connection;
    TActivityLog ActivityLog;
    TEditHistory History{*this};

protected:
    ui::TServices& Services;
    devlink::IChipLibrary& Library;

private:
    TDeviceContext DeviceContext();
    TFileContext FileContext(ui::TFileDialog& dialog);
    // A foreign chip ends the program.
    TDeviceResult Ended(TDeviceResult result);
    void BuildTopLevelControls();
    void CheckProgramSettingsFile();

    const std::string executablePath_;
    bool firstShow_ = true;
};

}  // namespace app
