// Compare with File: the dialog lists exactly the settings LOAD FILE of that file then
// changes, each as the window shows it, the edition first and then the unit on show.
// Comparing touches nothing in the editor and shows no prompt; "Load This File" is LOAD
// FILE itself, with its reactions and its undo step; a file that cannot be opened gets
// LOAD FILE's message and no dialog.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "files/FileComparison.h"
#include "tests/support/RandomUserEdit.h"
#include "tests/unit/FilesTestForm.h"

namespace app {

void PrintTo(const TCompareRow& row, std::ostream* out) {
    *out << '{' << row.Page << " | " << row.Setting << " | " << row.Now << " | " << row.InFile << '}';
}

}  // namespace app

namespace {

using app::TCompareRow;

// A user of the dialog: reads what it shows, then presses "Load This File" or "Close".
struct TCompareUser : app::ICompareWindow {
    bool Load = false;
    int Opened = 0;
    std::string Caption;
    std::string Summary;
    std::vector<TCompareRow> Rows;
    bool ClosedByButton = false;

    void ShowModal(app::TCompareForm& form) override {
        ++Opened;
        Caption = form.Caption;
        Summary = form.SummaryLabel.Caption;
        Rows = form.Rows();
        (Load ? form.LoadThisFileButton : form.CloseButton).UserClick();
        ClosedByButton = form.Closed();
    }
};

const std::string kNoDifference = "The editor holds what the file gives: no setting differs.";

class CompareWithFile : public files_test::FilesForm {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (folder / name).string();
        files_test::WriteBytes(path, bytes);
        return path;
    }
    // The system menu's item, with `answer` given to the file dialog ("" cancels).
    TCompareUser Compare(const std::string& answer, bool load) {
        env.Dialogs.Answers.push_back(answer);
        TCompareUser user;
        user.Load = load;
        form->CompareWithFileMenuItemClick(user);
        return user;
    }
};

const TCompareRow kEdition{"Model", "Edition", "Ardex", "Kesto"};
const std::vector<TCompareRow> kHandsetRows = {
    {"Handset / User Experience", "Out of Range Auto Turn Off Timer (in hours)", "8", "3"},
    {"Handset / User Experience", "Low Battery Beep Voltage (in volts)", "3.5", "3.0"},
    {"Handset / Hardware", "Hirose Pin 2 Function", "Speaker -ve", "Battery +ve"},
};
// The file does not name Multi Operational Mics: the Kesto rule the edition runs
// unticks it.
const std::vector<TCompareRow> kGatewayRows = {
    {"Gateway / Audio Levels", "Find-Me Function", "unticked", "ticked"},
    {"Gateway / Audio Levels", "Multi Operational Mics", "ticked", "unticked"},
    {"Gateway / Hardware", "Function 1: I/O", "Input", "Output"},
    {"Gateway / Hardware", "Function 1: Function", "Remote PTT", "Handsfree active"},
};

std::vector<TCompareRow> Joined(std::initializer_list<std::vector<TCompareRow>> parts) {
    std::vector<TCompareRow> rows;
    for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

TEST_F(CompareWithFile, ListsWhatLoadFileWouldChangeAndLoadThisFileIsLoadFile) {
    const std::string file = "1026=1\r\n0013=3000\r\n9000=0\r\n0011=1\r\n1001=1\r\n0012=3\r\n1028=8\r\n";
    const struct {
        const char* Name;
        bool GatewayOnShow;
        std::vector<TCompareRow> Rows;
    } cases[] = {
        {"handset.wpx", false, Joined({{kEdition}, kHandsetRows, kGatewayRows})},
        {"gateway.wpx", true, Joined({{kEdition}, kGatewayRows, kHandsetRows})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Start();
        if (c.GatewayOnShow) form->MasterPageControl.UserSwitch(form->CradleTabSheet);
        const std::string path = Write(c.Name, file);
        const editor::TEditorState before = form->State();

        const TCompareUser looked = Compare(path, false);
        EXPECT_EQ(looked.Opened, 1);
        EXPECT_TRUE(looked.ClosedByButton);
        EXPECT_EQ(looked.Caption, std::string("Compare with ") + c.Name);
        EXPECT_EQ(looked.Summary, "8 settings in the editor differ from what the file gives:");
        EXPECT_EQ(looked.Rows, c.Rows);
        EXPECT_TRUE(form->State() == before) << "comparing changed the editor";
        EXPECT_TRUE(TakePrompts().empty()) << "the load worked out on the copy showed a prompt";
        EXPECT_FALSE(form->History.CanUndo());
        EXPECT_EQ(env.Dialogs.Shown.back().Name, "OpenSettingsDialog");
        EXPECT_EQ(form->OpenSettingsDialog.FileName, path);

        // "Load This File" leaves the editor as the LOAD FILE button does from the same
        // state, with the Find-Me warning on the way, and is one step of the undo history.
        Compare(path, true);
        const editor::TEditorState loaded = form->State();
        const std::vector<ui::TPromptWindow> prompts = TakePrompts();
        ASSERT_EQ(prompts.size(), 1U);
        EXPECT_EQ(prompts[0].Caption, "Warning");
        form->RestoreState(before);
        LoadThrough(path);
        EXPECT_TRUE(form->State() == loaded) << "Load This File left the editor otherwise than LOAD FILE";
        TakePrompts();

        const TCompareUser again = Compare(path, false);
        EXPECT_EQ(again.Summary, kNoDifference);
        EXPECT_EQ(again.Rows, std::vector<TCompareRow>{});
        form->UndoMenuItemClick();
        form->UndoMenuItemClick();
        EXPECT_TRUE(form->State() == before) << "undo did not take the load back whole";
        EXPECT_FALSE(form->History.CanUndo());
    }
}

TEST_F(CompareWithFile, AFileSavedNowHoldsWhatTheEditorHolds) {
    const TCompareUser user = Compare(Write("saved.wpx", Saved()), false);
    EXPECT_EQ(user.Summary, kNoDifference);
    EXPECT_TRUE(user.Rows.empty());
}

TEST_F(CompareWithFile, AFileThatCannotBeOpenedGetsLoadFilesMessageAndNoDialog) {
    const editor::TEditorState before = form->State();
    const struct {
        std::string Answer;
        std::size_t Messages;
    } cases[] = {{"", 0}, {(folder / "missing.wpx").string(), 1}, {folder.string(), 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Answer);
        env.Messages.Shown.clear();
        EXPECT_EQ(Compare(c.Answer, true).Opened, 0);
        ASSERT_EQ(env.Messages.Shown.size(), c.Messages);
        if (c.Messages > 0) {
            EXPECT_EQ(env.Messages.Shown[0].Text, "The file could not be opened");
            EXPECT_EQ(env.Messages.Shown[0].Caption, env.Application.Title);
        }
        EXPECT_TRUE(form->State() == before);
        EXPECT_FALSE(form->History.CanUndo());
    }
}

// Over random editors and random files, whole or partial, the comparison names exactly the
// settings LOAD FILE then changes, with the values the window shows before and after;
// the editor and the prompts are left alone; the edition leads, then the unit on show.
TEST_F(CompareWithFile, NamesExactlyWhatLoadFileThenChanges) {
    std::mt19937 random(20261209);
    const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto edits = [&](int count) {
        for (int i = 0; i < count; ++i) testing_support::RandomUserEdit(*form, env.Keyboard, random);
    };
    std::set<std::string> seen;  // which units were on show with an edition difference
    for (int n = 0; n < 60; ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        Start();
        std::string file;
        if (below(2) == 0) {  // a whole file, saved from another state
            edits(below(30));
            file = Saved();
        } else {  // a few lines, inside and outside their controls' values
            for (const files::TFileKey& key : files::FileKeys()) {
                if (below(8) != 0) continue;
                const files::TAcceptedValues values = files::AcceptedValues(*form, key);
                const int value =
                    below(5) == 0 ? values.Max + 1 + below(3) : values.Min + below(values.Max - values.Min + 1);
                file += std::to_string(key.Key) + "=" + std::to_string(value) + "\r\n";
            }
        }
        Start();
        edits(below(30));
        TakePrompts();
        const editor::TEditorState before = form->State();
        const files_test::TSnapshot valuesBefore = files_test::Snapshot(*form);
        std::istringstream in(file);
        const std::vector<files::TDifference> listed = files::DifferencesFromFile(*form, in);
        ASSERT_TRUE(form->State() == before);
        ASSERT_TRUE(TakePrompts().empty());

        LoadThrough(Write("random.wpx", file));
        const files_test::TSnapshot valuesAfter = files_test::Snapshot(*form);
        std::set<int> changed;
        for (std::size_t i = 0; i < valuesBefore.size(); ++i)
            if (valuesBefore[i] != valuesAfter[i]) changed.insert(valuesBefore[i].first);
        std::set<int> named;
        bool otherUnit = false;
        ui::TTabSheet editor::TSettingsEditor::*onShow = form->MasterPageControl.ActivePage() == &form->CradleTabSheet
                                                             ? &editor::TSettingsEditor::CradleTabSheet
                                                             : &editor::TSettingsEditor::HandsetTabSheet;
        for (std::size_t i = 0; i < listed.size(); ++i) {
            const files::TDifference& d = listed[i];
            named.insert(d.A.Key->Key);
            EXPECT_EQ(d.B.Value, files::ShowSetting(*form, *d.A.Key).Value) << d.A.Caption;
            if (d.A.PageSet == nullptr) {
                EXPECT_EQ(i, 0U) << "the edition below another setting";
                seen.insert(form->MasterPageControl.ActivePage()->Name);
            }
            if (!files::OnPages(d.A, onShow)) otherUnit = true;
            EXPECT_FALSE(otherUnit && files::OnPages(d.A, onShow)) << d.A.Caption << " after the other unit's";
        }
        EXPECT_EQ(named, changed);
    }
    EXPECT_EQ(seen.size(), 2U) << "an edition difference with each unit on show";
}

}  // namespace
