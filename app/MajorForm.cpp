#include "app/MajorForm.h"

#include "app/ProgramSettingsFile.h"
#include "app/TransportCaption.h"
#include "editor/SettingsTables.h"
#include "records/SettingsRecords.h"

namespace app {
namespace {

// The record sizes in 16-bit words, as the unit's firmware must agree on them.
template <typename TRecord>
std::string WordsOf() {
    return std::to_string(sizeof(TRecord) / sizeof(std::int16_t));
}
constexpr int kLogVisibleHeight = 744;
constexpr int kLogHiddenHeight = 650;

bool Held(ui::IKeyboard& keyboard, int key) { return (keyboard.KeyState(key) & 0x80) != 0; }

}  // namespace

TMajorForm::TMajorForm(ui::TServices& services, devlink::IChipLibrary& library, std::string executablePath)
    : TPrompterHolder(services.Prompts),
      editor::TSettingsEditor(FormPrompter),
      Connection(library, Transports, services.Sleeper),
      ActivityLog(services.Clock, InfoMemo),
      Services(services),
      Library(library),
      executablePath_(std::move(executablePath)) {
    BuildTopLevelControls();
}

void TMajorForm::BuildTopLevelControls() {
    MainImage.Bounds = {8, 0, 555, 187};
    InfoMemo.Bounds = {8, 16, 553, 89};
    struct TButtonPlace {
        ui::TButton* Button;
        const char* Caption;
        int Left, Top;
    };
    for (const TButtonPlace& b : {TButtonPlace{&LoadFileButton, "&LOAD FILE", 594, 194},
                                  {&SaveFileButton, "&SAVE FILE", 594, 278},
                                  {&FactoryButton, "&DEFAULTS", 594, 362},
                                  {&ExitButton, "E&XIT", 594, 446},
                                  {&ReadDeviceButton, "&READ DEVICE", 14, 556},
                                  {&ProgramDeviceButton, "&PROGRAM DEVICE", 211, 556},
                                  {&RestartButton, "RESTAR&T DEVICE", 416, 556}}) {
        b.Button->Caption = b.Caption;
        b.Button->Bounds = {b.Left, b.Top, 158, 58};
    }
    HSSwVersionLabel.Bounds = {592, 568, 161, 13};
    GWSwVersionLabel.Bounds = {592, 592, 161, 13};
    Label2.Bounds = {0, 0, 17, 13};
    Label1.Bounds = {752, 616, 17, 13};
    Timer1.Interval = 300;

    MasterPageControl.OnChange = [this] { MasterPageControlChange(); };
    ExitButton.OnClick = [this] { ExitButtonClick(); };
    FactoryButton.OnClick = [this] { FactoryButtonClick(); };
    SaveFileButton.OnClick = [this] { SaveFileButtonClick(); };
    LoadFileButton.OnClick = [this] { LoadFileButtonClick(); };
    ReadDeviceButton.OnClick = [this] { ReadDeviceButtonClick(); };
    ProgramDeviceButton.OnClick = [this] { ProgramDeviceButtonClick(); };
    RestartButton.OnClick = [this] { RestartButtonClick(); };
    MainImage.OnClick = [this] { MainImageClick(); };
    Timer1.OnTimer = [this] {
        Timer1Timer();
        if (!FileGivenAtStart.empty()) OpenSettingsFile(FileGivenAtStart);
    };
}

// The edition and the volts come first: the program settings file's prompt below shows
// the window as it stands then.
void TMajorForm::FormCreate() {
    butModelArdex.SetChecked(true);

    char version[512] = {};
    Library.EngineVersion(version);
    version[sizeof version - 1] = '\0';
    AddLogLine(std::string("TestEngine version = ") + version);
    AddLogLine("sizeof(hs_xsettings_t)/int16 = " + WordsOf<records::hs_xsettings_t>());
    AddLogLine("sizeof(gw_xsettings_t)/int16 = " + WordsOf<records::gw_xsettings_t>());

    ProgramSettingsFilePath = ProgramSettingsPath(executablePath_);
    Caption = std::string(kFormCaption) + ", " + kProgramVersion;
    Services.Application.Title = Caption;
    ShowLowBatteryVoltage();

    for (auto [button, first] : {std::pair{&ReadDeviceButton, "&READ"}, std::pair{&ProgramDeviceButton, "&PROGRAM"},
                                 std::pair{&RestartButton, "RESTAR&T"}}) {
        button->Caption = std::string(first) + "\nDEVICE";
        button->MultiLine = true;
    }

    CheckProgramSettingsFile();
    devlink::EnumerateTransports(Library, Transports);
    StartUp();
    for (ui::TControl* c : std::initializer_list<ui::TControl*>{&AudioIntegrityStaticText, &AudioIntegrityUpDown,
                                                                &AudioIntegrityLabel, &InfoMemo})
        c->Visible = false;
}

// Delete and rename are not checked: the note is shown either way.
void TMajorForm::CheckProgramSettingsFile() {
    const std::string stored = Services.Ini.ReadString(ProgramSettingsFilePath, "Setting", "ProgramVersion", "");
    const auto move = SettingsFileMove(ProgramSettingsFilePath, stored, kProgramVersion);
    if (!move) return;
    Services.Files.DeleteFile(move->To);
    Services.Files.RenameFile(move->From, move->To);
    FormPrompter.ShowPrompt("'" + move->From + "' is saved as\n\n'" + move->To + "'", "NOTE", ui::mtInformation,
                            ui::ButtonSet({ui::bkOK}), 1);
}

void TMajorForm::FormShow() {
    if (!firstShow_) return;
    firstShow_ = false;
    Timer1.SetEnabled(true);
    RefreshDependentControls();
}

void TMajorForm::Timer1Timer() {
    Timer1.SetEnabled(false);
    devlink::ChooseTransport(Transports);
    Caption = CaptionWithTransport(Caption, Transports.ChosenPortName());
}

void TMajorForm::SelectTransportMenuItemClick(ISelectTransportWindow& window) {
    devlink::TTransportTable listed;
    devlink::EnumerateTransports(Library, listed);
    TSelectTransportForm picker(listed, Transports);
    window.ShowModal(picker);
    if (!picker.Chosen()) return;
    Transports = picker.Listed();
    devlink::ChooseTransport(Transports, *picker.Chosen());
    Caption = CaptionWithTransport(Caption, Transports.ChosenPortName());
}

void TMajorForm::MainImageClick() {
    ui::IKeyboard& keys = Services.Keyboard;
    if (Held(keys, ui::VK_LShift) || Held(keys, ui::VK_RShift)) {
        const bool visible = !AudioIntegrityStaticText.Visible;
        AudioIntegrityStaticText.Visible = visible;
        AudioIntegrityUpDown.Visible = visible;
        AudioIntegrityLabel.Visible = visible;
    }
    if (Held(keys, ui::VK_LControl) || Held(keys, ui::VK_RControl)) {
        InfoMemo.Visible = !InfoMemo.Visible;
        ClientHeight = InfoMemo.Visible ? kLogVisibleHeight : kLogHiddenHeight;
    }
}

void TMajorForm::FactoryButtonClick() {
    if (MasterPageControl.ActivePage() == &HandsetTabSheet)
        ApplyHandsetDefaults();
    else
        ApplyGatewayDefaults();
}

void TMajorForm::AddLogLine(const std::string& text) { ActivityLog.AddLogLine(text); }

std::vector<ui::TControl*> TMajorForm::AllControls() {
    std::vector<ui::TControl*> all{&MainImage,     &InfoMemo,         &LoadFileButton,   &SaveFileButton,
                                   &FactoryButton, &ExitButton,       &ReadDeviceButton, &ProgramDeviceButton,
                                   &RestartButton, &HSSwVersionLabel, &GWSwVersionLabel, &Label1,
                                   &Label2};
    all.insert(all.end(), Controls().begin(), Controls().end());
    return all;
}

ui::TControl* TMajorForm::FindControl(const std::string& name) {
    for (ui::TControl* c : AllControls())
        if (c->Name == name) return c;
    return nullptr;
}

}  // namespace app
