// The system menu's Save Configuration Sheet: over editor states reached by random user
// edits, the file saved is the sheet `zenta report` makes of the same settings, for the
// unit kind on show, named as made in the window on this bench at the clock's time; the
// offer to open it does what its answer says. A cancelled dialog writes nothing, and a
// sheet that cannot be saved leaves no file behind and says so.

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "FilesTestForm.h"
#include "report/ConfigurationSheet.h"
#include "tests/support/RandomUserEdit.h"
#include "ui/BenchIdentity.h"

namespace files_test {
namespace {

constexpr const char* kTitle = "ZENTA User Programmer, v2.05A";

class SheetSave : public FilesForm {
protected:
    // The system menu's item, with `answer` given to its dialog ("" cancels).
    app::TFileResult SaveSheet(const std::string& answer) {
        env.Dialogs.Answers.push_back(answer);
        return form->SaveConfigurationSheetMenuItemClick();
    }
    // The sheet the report room makes of the window's settings now.
    std::string SheetNow(const records::TUnitKind& kind) {
        const ui::TBenchIdentity bench = ui::ThisBench();
        const report::TSheetUnit unit{&kind, std::nullopt};
        return report::ConfigurationSheet(
            *form, {&unit, 1},
            {report::TSheetSource::Window, "the window", env.Clock.Now(), bench.Bench, bench.Operator, "v2.05A"});
    }
};

// How the user answers the offer to open a saved sheet, and whether the shell then
// opens it.
struct TOpenAnswer {
    const char* Name;
    ui::TPromptAnswer Answer;
    bool ShellOpens;
    bool Opened;          // asked of the shell
    const char* Message;  // the plain message shown after, or nullptr
};
const TOpenAnswer kAnswers[] = {
    {"Yes", {ui::TPromptAnswer::TKind::Result, ui::mrYes}, true, true, nullptr},
    {"No", {ui::TPromptAnswer::TKind::Result, ui::mrNo}, true, false, nullptr},
    {"Enter, on Yes", {ui::TPromptAnswer::TKind::Enter}, true, true, nullptr},
    {"the close button", {ui::TPromptAnswer::TKind::Close}, true, false, nullptr},
    {"Yes, no program for pages",
     {ui::TPromptAnswer::TKind::Result, ui::mrYes},
     false,
     true,
     "The configuration sheet could not be opened"},
};

TEST_F(SheetSave, SavesTheReportsSheetOfTheKindOnShowAndOpensItWhenAsked) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 15; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        for (int i = std::uniform_int_distribution<int>(0, 30)(random); i > 0; --i)
            testing_support::RandomUserEdit(*form, env.Keyboard, random);
        const bool gateway = round % 2 == 1;
        form->MasterPageControl.UserSwitch(gateway ? form->CradleTabSheet : form->HandsetTabSheet);
        env.Clock.SetTimeOfDay(std::uniform_int_distribution<std::int64_t>(0, 24LL * 3600 * 1000 - 1)(random));
        env.Prompts.Shown.clear();
        env.Messages.Shown.clear();
        env.Shell.Opened.clear();
        const TOpenAnswer& open = kAnswers[round % std::size(kAnswers)];
        SCOPED_TRACE(open.Name);
        env.Prompts.Answers.push_back(open.Answer);
        env.Shell.Opens = open.ShellOpens;
        const editor::TEditorState before = form->State();
        const std::string expected = SheetNow(gateway ? records::kGatewayKind : records::kHandsetKind);
        const std::string suggested = std::string(gateway ? "gateway" : "handset") + "-2026-12-08.html";
        const std::string path = (folder / ("sheet" + std::to_string(round % 3) + ".html")).string();

        const app::TFileResult result = SaveSheet(path);

        const ui::TFileDialog& dialog = env.Dialogs.Shown.back();
        EXPECT_EQ(dialog.Name, "SaveSheetDialog");
        EXPECT_EQ(dialog.Kind, ui::TFileDialog::TKind::Save);
        EXPECT_EQ(dialog.Filter, "Configuration Sheets (*.html)|*.html|All Files");
        EXPECT_EQ(dialog.DefaultExt, "*.html");
        EXPECT_TRUE(dialog.ConfirmReplace);
        // The name of the day and kind, in the folder of the sheet saved last.
        EXPECT_EQ(dialog.FileName, round == 0 ? suggested : (folder / suggested).string());
        EXPECT_EQ(result.Outcome, app::TFileOutcome::Succeeded);
        EXPECT_EQ(result.Path, path);
        EXPECT_EQ(ReadBytes(path), expected);
        EXPECT_TRUE(form->State() == before) << "saving the sheet changed the editor";

        ASSERT_EQ(env.Prompts.Shown.size(), 1u);
        const ui::TPromptWindow& offer = env.Prompts.Shown[0];
        EXPECT_EQ(offer.Caption, "NOTE");
        EXPECT_EQ(offer.Text, "The configuration sheet is saved as\n\n'" + path + "'\n\nOpen it to read or print it?");
        EXPECT_EQ(offer.Buttons.size(), 2u);
        EXPECT_EQ(env.Shell.Opened, open.Opened ? std::vector<std::string>{path} : std::vector<std::string>{});
        EXPECT_EQ(result.Message, open.Message ? open.Message : "");
        ASSERT_EQ(env.Messages.Shown.size(), open.Message ? 1u : 0u);
        if (open.Message) {
            EXPECT_EQ(env.Messages.Shown[0].Caption, kTitle);
        }
    }
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"sheet0.html", "sheet1.html", "sheet2.html"}));
}

TEST_F(SheetSave, ACancelledDialogWritesAndShowsNothing) {
    const app::TFileResult result = SaveSheet("");
    EXPECT_EQ(result.Outcome, app::TFileOutcome::Cancelled);
    EXPECT_EQ(env.Dialogs.Shown.size(), 1u);
    EXPECT_TRUE(FolderEntries().empty());
    EXPECT_TRUE(env.Prompts.Shown.empty());
    EXPECT_TRUE(env.Messages.Shown.empty());
    EXPECT_TRUE(env.Shell.Opened.empty());
}

// The sheet goes to disk as SAVE FILE's settings do, whole or not at all (the flows' own
// test walks the ways a save fails); what is the sheet's own is its message, and that a
// sheet not saved is not offered to be opened.
TEST_F(SheetSave, ASheetThatCannotBeSavedLeavesNoFileAndSaysSo) {
    const std::string target = (folder / "missing" / "x.html").string();
    const app::TFileResult result = SaveSheet(target);
    EXPECT_EQ(result.Outcome, app::TFileOutcome::NotSaved);
    EXPECT_EQ(result.Path, target);
    EXPECT_EQ(result.Message, "The configuration sheet could not be saved");
    ASSERT_EQ(env.Messages.Shown.size(), 1u);
    EXPECT_EQ(env.Messages.Shown[0].Text, result.Message);
    EXPECT_EQ(env.Messages.Shown[0].Caption, kTitle);
    EXPECT_TRUE(env.Prompts.Shown.empty()) << "a sheet not saved was offered to be opened";
    EXPECT_TRUE(env.Shell.Opened.empty());
    EXPECT_TRUE(FolderEntries().empty());
}

}  // namespace
}  // namespace files_test
