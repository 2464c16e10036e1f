// Start-up of the main window: log lines, caption, title, the program settings file
// check, defaults and the transport choice.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "tests/support/FormTest.h"

namespace {

namespace fs = std::filesystem;

// Each test starts the window itself, after arranging what start-up will find.
class StartUp : public testing_support::FormTest {
protected:
    void SetUp() override {}
    void WriteIni(const std::string& content) {
        std::ofstream(folder / "ZENTAUserProgrammer.INI", std::ios::binary) << content;
    }
};

TEST_F(StartUp, LogsTheLibraryVersionAndRecordSizesWithTimeStamps) {
    env.Clock.SetTimeOfDay(((9 * 60 + 5) * 60 + 3) * 1000 + 70);
    app::TMajorForm& f = Start();
    ASSERT_EQ(f.InfoMemo.Lines.size(), 3u);
    EXPECT_EQ(f.InfoMemo.Lines[0], std::string("<09:05:03.07>| TestEngine version = ") + sim::kDefaultEngineVersion);
    EXPECT_EQ(f.InfoMemo.Lines[1], "<09:05:03.07>| sizeof(hs_xsettings_t)/int16 = 25");
    EXPECT_EQ(f.InfoMemo.Lines[2], "<09:05:03.07>| sizeof(gw_xsettings_t)/int16 = 25");
    EXPECT_FALSE(f.InfoMemo.Visible);
}

TEST_F(StartUp, CaptionAndTitleThenTheTransportAfterTheTimerTick) {
    app::TMajorForm& f = Start();
    EXPECT_EQ(f.Caption, "ZENTA User Programmer, v2.05A");
    EXPECT_EQ(env.Application.Title, "ZENTA User Programmer, v2.05A");
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_EQ(f.Timer1.Interval, 300u);
    f.Timer1.Fire();
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_EQ(f.Caption, "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0");
    EXPECT_EQ(env.Application.Title, "ZENTA User Programmer, v2.05A");
    EXPECT_TRUE(f.Transports.Usb);
    f.Timer1.Fire();  // disabled: no second choice
    EXPECT_EQ(f.Caption, "ZENTA User Programmer, v2.05A, Transport = \\\\.\\CSR0");
}

TEST_F(StartUp, DeviceButtonsGetTwoLineCaptions) {
    app::TMajorForm& f = Start();
    EXPECT_EQ(f.ReadDeviceButton.Caption, "&READ\nDEVICE");
    EXPECT_EQ(f.ProgramDeviceButton.Caption, "&PROGRAM\nDEVICE");
    EXPECT_EQ(f.RestartButton.Caption, "RESTAR&T\nDEVICE");
    EXPECT_TRUE(f.RestartButton.MultiLine);
    EXPECT_FALSE(f.ExitButton.MultiLine);
}

// FormCreate shows the voltage spin's value at creation in volts before it checks the
// program settings file, whose NOTE thus sees it; the handset defaults set it again later.
TEST_F(StartUp, TheVoltsBoxShowsTheCreationValueBeforeTheDefaults) {
    WriteIni("[Setting]\r\nProgramVersion=v2.04\r\n");
    struct TVoltsAtPrompt : ui::IPromptService {
        app::TMajorForm* Form = nullptr;
        std::vector<std::string> Volts;
        int ShowModal(const ui::TPromptWindow&) override {
            Volts.push_back(Form->LowBatteryBeepVoltageStaticText.Text());
            return 1;
        }
    } prompts;
    ui::TServices services{prompts,      env.Messages, env.Dialogs, env.Clock, env.Sleeper,
                           env.Keyboard, env.Ini,      env.Files,   env.Shell, env.Application};
    app::TMajorForm f(services, recorder, Executable());
    prompts.Form = &f;
    f.FormCreate();
    EXPECT_EQ(prompts.Volts, std::vector<std::string>{"2.5"});
    EXPECT_EQ(f.LowBatteryBeepVoltageStaticText.Text(), "3.5");
}

struct TIniCase {
    const char* Content;
    bool Moved;
    const char* NewName;
};

// Readable names for the cases in test listings.
void PrintTo(const TIniCase& c, std::ostream* out) {
    for (const char* p = c.Content; *p != '\0'; ++p) *out << (std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_');
}

class ProgramSettingsFile : public StartUp, public ::testing::WithParamInterface<TIniCase> {};

TEST_P(ProgramSettingsFile, AFileOfAnotherVersionIsMovedAsideWithANote) {
    const TIniCase c = GetParam();
    WriteIni(c.Content);
    Start();
    const fs::path ini = folder / "ZENTAUserProgrammer.INI";
    EXPECT_EQ(fs::exists(ini), !c.Moved);
    if (!c.Moved) {
        EXPECT_TRUE(env.Prompts.Shown.empty());
        return;
    }
    const fs::path moved = folder / c.NewName;
    EXPECT_TRUE(fs::exists(moved));
    ASSERT_EQ(env.Prompts.Shown.size(), 1u);
    EXPECT_EQ(env.Prompts.Shown[0].Caption, "NOTE");
    EXPECT_EQ(env.Prompts.Shown[0].Type, 2);
    const std::string oldPath = ini.string();
    const std::string newPath = moved.string();
    EXPECT_EQ(env.Prompts.Shown[0].Text, "'" + oldPath + "' is saved as\n\n'" + newPath + "'");
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ProgramSettingsFile,
    ::testing::Values(TIniCase{"[Setting]\nProgramVersion=v2.05A\n", false, ""},
                      TIniCase{"[Setting]\nProgramVersion=\n", false, ""}, TIniCase{"[Other]\nX=1\n", false, ""},
                      TIniCase{"[Setting]\r\nProgramVersion=v2.04\r\n", true, "ZENTAUserProgrammer_v2.04.INI"},
                      TIniCase{"[setting]\nprogramversion = V2.05A\n", true, "ZENTAUserProgrammer_V2.05A.INI"}));

TEST_F(StartUp, AnExistingFileOfTheNewNameIsReplacedAndTheNextStartDoesNothing) {
    WriteIni("[Setting]\nProgramVersion=v1.00\n");
    std::ofstream(folder / "ZENTAUserProgrammer_v1.00.INI") << "old";
    Start();
    std::ifstream moved(folder / "ZENTAUserProgrammer_v1.00.INI");
    std::string first;
    std::getline(moved, first);
    EXPECT_EQ(first, "[Setting]");
    form.reset();
    env.Prompts.Shown.clear();
    Start();
    EXPECT_TRUE(env.Prompts.Shown.empty());
}

TEST_F(StartUp, ModifierClicksOnThePictureToggleTheDeveloperView) {
    app::TMajorForm& f = Start();
    EXPECT_EQ(f.ClientHeight, 629);
    f.MainImage.UserClick();  // no key held: nothing
    EXPECT_FALSE(f.InfoMemo.Visible);
    env.Keyboard.held = {ui::VK_RShift, ui::VK_LControl};
    f.MainImage.UserClick();
    EXPECT_TRUE(f.AudioIntegrityUpDown.Visible);
    EXPECT_TRUE(f.InfoMemo.Visible);
    EXPECT_EQ(f.ClientHeight, 744);
    env.Keyboard.held = {ui::VK_RControl};
    f.MainImage.UserClick();
    EXPECT_FALSE(f.InfoMemo.Visible);
    EXPECT_TRUE(f.AudioIntegrityUpDown.Visible);
    EXPECT_EQ(f.ClientHeight, 650);
}

TEST_F(StartUp, LeavesTheFirstPagesActiveAndTheAudioIntegrityHidden) {
    app::TMajorForm& f = Start();
    EXPECT_EQ(f.MasterPageControl.ActivePage(), &f.HandsetTabSheet);
    EXPECT_EQ(f.HandsetPageControl.ActivePage(), &f.UserExperienceTabSheet);
    EXPECT_EQ(f.CradlePageControl.ActivePage(), &f.GWAudioLevelsTabSheet);
    EXPECT_FALSE(f.AudioIntegrityStaticText.Visible);
    EXPECT_FALSE(f.AudioIntegrityLabel.Visible);
    EXPECT_EQ(f.AudioIntegrityUpDown.Position(), 200);
    EXPECT_TRUE(f.butModelArdex.Checked());
}

}  // namespace
