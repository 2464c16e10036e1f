// SAVE FILE and LOAD FILE: the dialogs, the two plain messages, and what each flow
// leaves behind on disk and in the window.

#include <gtest/gtest.h>

#include "FilesTestForm.h"
#include "app/DroppedFiles.h"

namespace files_test {
namespace {

constexpr const char* kFilter = "ZENTA Files (*.wpx)|*.wpx|All Files";
constexpr const char* kTitle = "ZENTA User Programmer, v2.05A";

class Flows : public FilesForm {
protected:
    // The one plain message shown, and the result that tells of it.
    void ExpectOneMessage(const app::TFileResult& result, app::TFileOutcome outcome, const std::string& path,
                          const char* text) {
        ASSERT_EQ(env.Messages.Shown.size(), 1u);
        EXPECT_EQ(env.Messages.Shown[0].Text, text);
        EXPECT_EQ(env.Messages.Shown[0].Caption, kTitle);
        EXPECT_TRUE(env.Prompts.Shown.empty());
        EXPECT_EQ(result.Outcome, outcome);
        EXPECT_EQ(result.Path, path);
        EXPECT_EQ(result.Message, text);
    }
};

TEST_F(Flows, EachButtonRunsItsOwnSettingsDialog) {
    SaveThrough("");
    LoadThrough("");
    ASSERT_EQ(env.Dialogs.Shown.size(), 2u);
    const ui::TFileDialog& save = env.Dialogs.Shown[0];
    const ui::TFileDialog& open = env.Dialogs.Shown[1];
    EXPECT_EQ(save.Kind, ui::TFileDialog::TKind::Save);
    EXPECT_EQ(save.Name, "SaveSettingsDialog");
    EXPECT_EQ(open.Kind, ui::TFileDialog::TKind::Open);
    EXPECT_EQ(open.Name, "OpenSettingsDialog");
    for (const ui::TFileDialog& dialog : {save, open}) {
        EXPECT_EQ(dialog.DefaultExt, "*.wpx");
        EXPECT_EQ(dialog.Filter, kFilter);
        EXPECT_EQ(dialog.FilterIndex, 1);
        EXPECT_EQ(dialog.FileName, "");
    }
}

TEST_F(Flows, EachDialogStartsWithItsOwnLastName) {
    const std::string saved = (folder / "saved.wpx").string();
    const std::string loaded = (folder / "loaded.wpx").string();
    WriteBytes(loaded, "");
    SaveThrough(saved);
    LoadThrough(loaded);
    SaveThrough("");
    LoadThrough("");
    ASSERT_EQ(env.Dialogs.Shown.size(), 4u);
    EXPECT_EQ(env.Dialogs.Shown[1].FileName, "");
    EXPECT_EQ(env.Dialogs.Shown[2].FileName, saved);
    EXPECT_EQ(env.Dialogs.Shown[3].FileName, loaded);
}

TEST_F(Flows, ACancelledDialogChangesNothingAndShowsNothing) {
    form->AutoTurnOffTimerUpDown.SetPosition(3);
    const std::string path = (folder / "x.wpx").string();
    WriteBytes(path, "0012=7\r\n");
    const TSnapshot before = Snapshot(*form);
    for (const app::TFileResult& result : {SaveThrough(""), LoadThrough("")}) {
        EXPECT_EQ(result.Outcome, app::TFileOutcome::Cancelled);
        EXPECT_EQ(result.Path, "");
    }
    EXPECT_EQ(Snapshot(*form), before);
    EXPECT_EQ(ReadBytes(path), "0012=7\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"x.wpx"});
    EXPECT_TRUE(env.Messages.Shown.empty());
    EXPECT_TRUE(env.Prompts.Shown.empty());
}

TEST_F(Flows, SavingReplacesAnExistingFileWithoutAQuestionAndLeavesNothingElse) {
    const std::string path = (folder / "x.wpx").string();
    WriteBytes(path, "old content");
    const app::TFileResult result = SaveThrough(path);
    EXPECT_EQ(result.Outcome, app::TFileOutcome::Succeeded);
    EXPECT_EQ(result.Path, path);
    EXPECT_EQ(ReadBytes(path), Saved());
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"x.wpx"});
    EXPECT_TRUE(env.Messages.Shown.empty());
    EXPECT_TRUE(env.Prompts.Shown.empty());
}

TEST_F(Flows, AFailedSaveKeepsWhatWasThereAndLeavesNoTemporaryFile) {
    const struct {
        const char* Name;
        const char* Target;    // inside the test folder
        const char* Existing;  // content of a file there before, or nullptr
        bool ReadOnly;
        bool Folder;  // the target is a folder
    } cases[] = {
        {"missing folder", "missing/x.wpx", nullptr, false, false},
        {"read-only file", "x.wpx", "old content", true, false},
        {"target is a folder", "x.wpx", nullptr, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        env.Messages.Shown.clear();
        const fs::path target = folder / c.Target;
        if (c.Folder) fs::create_directory(target);
        if (c.Existing != nullptr) WriteBytes(target, c.Existing);
        if (c.ReadOnly) {
            fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
        }
        const std::vector<std::string> entries = FolderEntries();

        ExpectOneMessage(SaveThrough(target.string()), app::TFileOutcome::NotSaved, target.string(),
                         "The file could not be saved");
        EXPECT_EQ(FolderEntries(), entries);
        if (c.Existing != nullptr) {
            EXPECT_EQ(ReadBytes(target), c.Existing);
        }
        EXPECT_EQ(fs::is_directory(target), c.Folder);
        if (c.ReadOnly) fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    }
}

// A folder that takes no new file: a new name cannot be saved there, but a file already
// there that may be written is rewritten in place.
TEST_F(Flows, AFolderWithoutWritePermissionTakesNoNewFileButRewritesAWritableOneInPlace) {
    const fs::path locked = folder / "locked";
    fs::create_directory(locked);
    WriteBytes(locked / "kept.wpx", "old content");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    if (std::ofstream(locked / "probe").is_open()) {
        fs::remove(locked / "probe");
        GTEST_SKIP() << "this user writes into folders without write permission";
    }
    const std::string path = (locked / "x.wpx").string();
    ExpectOneMessage(SaveThrough(path), app::TFileOutcome::NotSaved, path, "The file could not be saved");
    env.Messages.Shown.clear();
    SaveThrough((locked / "kept.wpx").string());
    EXPECT_TRUE(env.Messages.Shown.empty());
    fs::permissions(locked, fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(ReadBytes(locked / "kept.wpx"), Saved());
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(locked)) entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>{"kept.wpx"});
}

TEST_F(Flows, AFileThatCannotBeOpenedChangesNothing) {
    fs::create_directory(folder / "sub");
    for (const char* name : {"missing.wpx", "sub"}) {
        SCOPED_TRACE(name);
        env.Messages.Shown.clear();
        const TSnapshot before = Snapshot(*form);
        const std::string path = (folder / name).string();
        ExpectOneMessage(LoadThrough(path), app::TFileOutcome::NotOpened, path, "The file could not be opened");
        EXPECT_EQ(Snapshot(*form), before);
    }
}

TEST_F(Flows, AnEmptyFileChangesNoSettingButTheControlsAreRefreshed) {
    const std::string path = (folder / "empty.wpx").string();
    WriteBytes(path, "");
    const TSnapshot before = Snapshot(*form);
    form->AlertToneVolumeUpDown.Enabled = true;  // out of line with its unticked box
    const app::TFileResult result = LoadThrough(path);
    EXPECT_EQ(result.Outcome, app::TFileOutcome::Succeeded);
    EXPECT_EQ(result.Message, "");
    EXPECT_EQ(Snapshot(*form), before);
    EXPECT_FALSE(form->AlertToneVolumeUpDown.Enabled);
    EXPECT_TRUE(env.Messages.Shown.empty());
}

TEST_F(Flows, BothUnitsMoveWhicheverPagesAreShownAndThePagesStay) {
    form->MasterPageControl.SetActivePage(form->CradleTabSheet);
    form->CradlePageControl.SetActivePage(form->GWHardwareTabSheet);
    form->AutoTurnOffTimerUpDown.SetPosition(3);
    form->GWRadioFunction1IOComboBox.UserSelect(1);
    form->GWRadioFunction1FunctionComboBox.UserSelect(4);  // "Aux 1"
    form->GWVOXTriggerLevelUpDown.SetPosition(40);
    const std::string path = (folder / "both.wpx").string();
    SaveThrough(path);
    const TSnapshot saved = Snapshot(*form);

    form->ApplyHandsetDefaults();
    form->ApplyGatewayDefaults();
    form->MasterPageControl.SetActivePage(form->HandsetTabSheet);
    form->HandsetPageControl.SetActivePage(form->EmergencyTabSheet);
    LoadThrough(path);
    EXPECT_EQ(Snapshot(*form), saved);
    EXPECT_EQ(form->MasterPageControl.ActivePage(), &form->HandsetTabSheet);
    EXPECT_EQ(form->HandsetPageControl.ActivePage(), &form->EmergencyTabSheet);
    EXPECT_EQ(form->CradlePageControl.ActivePage(), &form->GWHardwareTabSheet);
}

TEST_F(Flows, APressAndHoldIndexOutsideItsListIsReportedByTheFinalRefresh) {
    const std::string path = (folder / "hold.wpx").string();
    WriteBytes(path, "0015=9\r\n");
    LoadThrough(path);
    EXPECT_EQ(form->PTTPressAndHoldComboBox.ItemIndex(), -1);
    ASSERT_EQ(env.Prompts.Shown.size(), 1u);
    EXPECT_EQ(env.Prompts.Shown[0].Caption, "ERROR");
    EXPECT_EQ(env.Prompts.Shown[0].Text, "Text '' is not matched in MapComboBoxToHSKeyPress()!");
    EXPECT_TRUE(form->PTTShortPressComboBox.Enabled);
    EXPECT_TRUE(form->PTTLongPressComboBox.Enabled);
}

// A file the shell names, on the command line or by a drop, loads exactly as LOAD FILE
// loads the same file chosen in its dialog: values, edition rule, Find-Me warning and
// message alike; the dialog then starts with its name. The command line's file waits for
// the timer's choice of transport.
TEST_F(Flows, AFileTheShellNamesLoadsAsLoadFileLoadsIt) {
    const std::string given = (folder / "given.WPX").string();
    WriteBytes(given, "9000=0\r\n0012=5\r\n1001=1\r\n");  // Kesto, a timer value, Find-Me
    const std::string missing = (folder / "missing.wpx").string();
    for (const bool dropped : {false, true}) {
        for (const std::string& path : {given, missing}) {
            SCOPED_TRACE(path + (dropped ? " dropped" : " on the command line"));
            Start();
            env.Messages.Shown.clear();
            LoadThrough(path);
            const TSnapshot viaDialog = Snapshot(*form);
            const std::vector<ui::TPromptWindow> promptsViaDialog = TakePrompts();
            const std::vector<ui::THeadlessMessageBox::TShown> messagesViaDialog = std::move(env.Messages.Shown);
            env.Messages.Shown.clear();

            Start();
            const TSnapshot before = Snapshot(*form);
            if (dropped) {
                form->FormDropFiles({(folder / "notes.txt").string(), path, (folder / "other.wpx").string()});
            } else {
                form->FileGivenAtStart = path;
                EXPECT_EQ(Snapshot(*form), before);
                form->Timer1.Fire();
                EXPECT_EQ(form->Caption, std::string(kTitle) + ", Transport = \\\\.\\CSR0");
            }
            EXPECT_EQ(Snapshot(*form), viaDialog);
            const std::vector<ui::TPromptWindow> prompts = TakePrompts();
            ASSERT_EQ(prompts.size(), promptsViaDialog.size());
            for (std::size_t i = 0; i < prompts.size(); ++i) EXPECT_EQ(prompts[i].Text, promptsViaDialog[i].Text);
            ASSERT_EQ(env.Messages.Shown.size(), messagesViaDialog.size());
            for (std::size_t i = 0; i < messagesViaDialog.size(); ++i) {
                EXPECT_EQ(env.Messages.Shown[i].Text, messagesViaDialog[i].Text);
                EXPECT_EQ(env.Messages.Shown[i].Caption, messagesViaDialog[i].Caption);
            }
            LoadThrough("");
            EXPECT_EQ(env.Dialogs.Shown.back().FileName, path);
        }
    }
}

TEST_F(Flows, WithoutAFileNamedTheTimersTickAndADropOfOtherFilesChangeNothing) {
    const TSnapshot before = Snapshot(*form);
    form->Timer1.Fire();
    form->FormDropFiles({(folder / "notes.txt").string(), (folder / "x.wpx.bak").string()});
    EXPECT_EQ(Snapshot(*form), before);
    EXPECT_TRUE(env.Messages.Shown.empty());
    EXPECT_TRUE(env.Prompts.Shown.empty());
    EXPECT_EQ(form->OpenSettingsDialog.FileName, "");
}

}  // namespace
}  // namespace files_test
