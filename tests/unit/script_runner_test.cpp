// The script driver end to end: exit codes and the closing count, failure reports with
// their lines, refused user actions, queued answers, prompt checks and the script's own
// temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/ScriptLexer.h"
#include "script/ScriptRunner.h"
#include "script/ScriptTargets.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Pages.h"
#include "ui/ScratchFolder.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

namespace {

namespace fs = std::filesystem;

struct TRun {
    script::TScriptResult Result;
    std::string Out;
    std::string Err;
};

TRun RunScript(const std::string& source) {
    std::ostringstream out, err;
    script::TScriptRunner runner(out, err);
    const script::TScriptResult result = runner.Run(source);
    return {result, out.str(), err.str()};
}

std::string LastLine(const std::string& text) {
    const auto end = text.find_last_not_of('\n');
    const auto start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1,
                       end - (start == std::string::npos ? 0 : start + 1) + 1);
}

TEST(ScriptRunner, EndsWithTheCountOfChecksAndExitsZeroWhenAllHeld) {
    const TRun run = RunScript("start\nexpect Window.closed 0\nexpect Window.clientheight 629\n");
    EXPECT_EQ(run.Result.ExitCode, 0);
    EXPECT_EQ(LastLine(run.Out), "2 passed, 0 failed");
}

TEST(ScriptRunner, AFailedCheckIsReportedWithItsLineAndTheScriptGoesOn) {
    const TRun run =
        RunScript("start\n\n# comment\nexpect Window.closed 1\nclick ExitButton\nexpect Window.closed 1\n");
    EXPECT_EQ(run.Result.ExitCode, 1);
    EXPECT_NE(run.Out.find("line 4: expect Window.closed \"1\", found \"0\""), std::string::npos) << run.Out;
    EXPECT_EQ(LastLine(run.Out), "1 passed, 1 failed");
}

TEST(ScriptRunner, ReportsTheChecksThatHeldWhenAskedTo) {
    std::ostringstream out, err;
    script::TScriptRunner runner(out, err, true);
    runner.Run("start\nexpect Window.closed 0\nexpect Window.closed 1\n");
    EXPECT_EQ(out.str(),
              "line 2: held: expect Window.closed \"0\"\n"
              "line 3: expect Window.closed \"1\", found \"0\"\n"
              "1 passed, 1 failed\n");
}

struct TErrorCase {
    const char* Script;
    int Line;
    const char* Message;  // part of the error report
};

// Test names show the script, on one line.
void PrintTo(const TErrorCase& c, std::ostream* os) { *os << script::QuoteText(c.Script); }

class ScriptErrors : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(ScriptErrors, StopTheScriptWithExitTwoAndTheLine) {
    const TRun run = RunScript(GetParam().Script);
    EXPECT_EQ(run.Result.ExitCode, 2);
    EXPECT_NE(run.Err.find("line " + std::to_string(GetParam().Line) + ": "), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find(GetParam().Message), std::string::npos) << run.Err;
    EXPECT_NE(LastLine(run.Out).find(" passed, "), std::string::npos) << run.Out;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptErrors,
    ::testing::Values(
        TErrorCase{"start\nfrobnicate\n", 2, "unknown command \"frobnicate\""},
        TErrorCase{"start\n\"start\"\n", 2, "unknown command"},
        TErrorCase{"start\nclick NoSuchButton\n", 2, "unknown control NoSuchButton"},
        TErrorCase{"start\nexpect ExitButton.position 0\n", 2, "ExitButton has no property 'position'"},
        TErrorCase{"start\nexpect ExitButton.colour 0\n", 2, "has no property 'colour'"},
        TErrorCase{"start\nexpect Window.width 769\n", 2, "unknown target Window.width"},
        TErrorCase{"start\nexpect Log.0 x\n", 2, "unknown target Log.0"},
        TErrorCase{"start\nexpect Sim.key.0x10000 x\n", 2, "unknown target Sim.key.0x10000"},
        TErrorCase{"start\nexpect caption x\n", 2, "NAME.PROPERTY"},
        TErrorCase{"start\nclick MasterPageControl\n", 2, "not a button, tick box, radio button or picture"},
        TErrorCase{"start\nselect ExitButton 0\n", 2, "ExitButton is not a list"},
        TErrorCase{"start\ntab ExitButton\n", 2, "not a tab sheet"},
        TErrorCase{"start\nspin ExitButton up\n", 2, "not a spin"},
        TErrorCase{"start\nclock 10:00:00.000\n", 2, "clock is a set-up command"},
        TErrorCase{"start\nstart\n", 2, "already running"}, TErrorCase{"click ExitButton\n", 1, "'start' comes first"},
        TErrorCase{"expect Window.caption x\n", 1, "'start' comes first"},
        TErrorCase{"start\nspin AutoTurnOffTimerUpDown sideways\n", 2, "up or down"},
        TErrorCase{"start\nspin AutoTurnOffTimerUpDown up 0\n", 2, "COUNT must be a number from 1"},
        TErrorCase{"start\nwait -1\n", 2, "MS must be a number from 0"},
        TErrorCase{"start\nwait 300 ms\n", 2, "unexpected \"ms\""},
        TErrorCase{"start\nclick MainImage lalt\n", 2, "unknown key \"lalt\""},
        TErrorCase{"start\nanswer Maybe\n", 2, "unknown answer \"Maybe\""},
        TErrorCase{"start\nanswer 11\n", 2, "unknown answer \"11\""}, TErrorCase{"start\nanswer\n", 2, "missing WORD"},
        TErrorCase{"clock 24:00:00.000\n", 1, "not a time of day"}, TErrorCase{"clock 12:00:00\n", 1, "HH:MM:SS.mmm"},
        TErrorCase{"spi-ports \"a\" \"b\" need=70000\n", 1, "need must be a number from 0 to 65535"},
        TErrorCase{"spi-ports \"a\" \"b\" size=1\n", 1, "unexpected \"size=1\""},
        TErrorCase{"spi-ports \"a\" \"b\" need=1 need=2\n", 1, "--need given twice"},
        TErrorCase{"expect-prompt \"NOTE\" \"x\" buttons=OKCancel\n", 1, "OK or YesNo"},
        TErrorCase{"unit cradle\n", 1, "handset, gateway, tavin, unknown or none"},
        TErrorCase{"fail open 1 key=0x02AB\n", 1, "only reads and writes name a key"},
        TErrorCase{"fail flash 1\n", 1, "list-spi or any, not \"flash\""},
        TErrorCase{"pskey 0x02AB 0x10000\n", 1, "pskey: W must be a number from 0 to 65535"},
        TErrorCase{"start\nexpect \"unterminated\n", 2, "missing closing quote"}));

TEST(ScriptRunner, AScriptWithALineItCannotParseRunsNothing) {
    ui::TScratchFolder own;
    const fs::path file = own.Path() / "written.txt";
    const TRun run = RunScript("file \"" + file.string() + "\" \"x\"\nstart\nbogus\n");
    EXPECT_EQ(run.Result.ExitCode, 2);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(LastLine(run.Out), "0 passed, 0 failed");
}

struct TRefusalCase {
    const char* Action;
    const char* Report;
    const char* Unchanged;  // a check that holds because the action changed nothing
};

void PrintTo(const TRefusalCase& c, std::ostream* os) { *os << script::QuoteText(c.Action); }

class RefusedActions : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(RefusedActions, CountAsFailedChecksAndChangeNothing) {
    const TRun run = RunScript(std::string("start\n") + GetParam().Action + "\n" + GetParam().Unchanged + "\n");
    EXPECT_EQ(run.Result.ExitCode, 1);
    EXPECT_NE(run.Out.find(std::string("line 2: ") + GetParam().Report), std::string::npos) << run.Out;
    EXPECT_EQ(LastLine(run.Out), "1 passed, 1 failed");
}

INSTANTIATE_TEST_SUITE_P(
    Actions, RefusedActions,
    ::testing::Values(
        TRefusalCase{"select Right1ShortPressComboBox 1",
                     "select Right1ShortPressComboBox 1 refused: Right1ShortPressComboBox is disabled",
                     "expect Right1ShortPressComboBox.index 0"},
        TRefusalCase{"spin AudioIntegrityUpDown up",
                     "spin AudioIntegrityUpDown up refused: AudioIntegrityUpDown is hidden",
                     "expect AudioIntegrityUpDown.position 200"},
        TRefusalCase{"spin AlertToneVolumeUpDown down 3",
                     "spin AlertToneVolumeUpDown down refused: AlertToneVolumeUpDown is disabled",
                     "expect AlertToneVolumeUpDown.position 5"},
        TRefusalCase{"select HirosePin2FunctionComboBox 2",
                     "select HirosePin2FunctionComboBox 2 refused: the list holds 2 items",
                     "expect HirosePin2FunctionComboBox.index 0"},
        TRefusalCase{"select HirosePin2FunctionComboBox -1",
                     "select HirosePin2FunctionComboBox -1 refused: the list holds 2 items",
                     "expect HirosePin2FunctionComboBox.index 0"},
        TRefusalCase{"select HirosePin2FunctionComboBox \"battery +ve\"",
                     "select HirosePin2FunctionComboBox \"battery +ve\" refused: the list holds no such item, only "
                     "\"Speaker -ve|Battery +ve\"",
                     "expect HirosePin2FunctionComboBox.index 0"}));

TEST(ScriptRunner, AClickOnAControlThatIsNoButtonIsAnError) {
    // A spin takes `spin`, not `click`: that is a script fault, not a refusal.
    EXPECT_EQ(RunScript("start\nclick GWRadioPTTPulseUpDown\n").Result.ExitCode, 2);
}

TEST(ScriptRunner, AfterTheWindowHasClosedEveryUserActionIsRefused) {
    const TRun run = RunScript(
        "start\nclick ExitButton\nclick FactoryButton\nselect HirosePin2FunctionComboBox 1\nclose\n"
        "expect HirosePin2FunctionComboBox.index 0\nexpect Window.closed 1\n");
    EXPECT_EQ(run.Result.Failed, 3);
    EXPECT_EQ(run.Result.Passed, 2);
    EXPECT_NE(run.Out.find("line 3: click FactoryButton refused: the window is closed"), std::string::npos);
    EXPECT_NE(run.Out.find("line 5: close refused: the window is closed"), std::string::npos);
}

TEST(ScriptRunner, AnswersLeftQueuedAtTheEndAreAFailedCheck) {
    const TRun run = RunScript("start\nanswer OK close\ndialog cancel\n");
    EXPECT_EQ(run.Result.ExitCode, 1);
    EXPECT_NE(run.Out.find("end of script: answers left unused: 1 close dialog cancel"), std::string::npos) << run.Out;
    EXPECT_EQ(LastLine(run.Out), "0 passed, 1 failed");
}

constexpr const char* kFindMeWarning =
    "\"Warning\" \"The Handset Earpiece Jack should not be used when this feature is enabled\\n"
    "as it may cause hearing damage.\"";

TEST(ScriptRunner, AnAnswerNamingNoButtonOfThePromptIsAFailedCheckOfTheLineThatRaisedIt) {
    const TRun run = RunScript(std::string("start\nanswer Yes\nclick GWFindMeFunctionCheckBox\nexpect-prompt ") +
                               kFindMeWarning + "\nexpect GWFindMeFunctionCheckBox.checked 1\n");
    EXPECT_EQ(run.Result.ExitCode, 1);
    // One line, the prompt's line break written as an escape.
    EXPECT_NE(run.Out.find("line 3: answer 6 is not a button of the prompt \"The Handset Earpiece Jack should not be "
                           "used when this feature is enabled\\nas it may cause hearing damage.\"\n"),
              std::string::npos)
        << run.Out;
    EXPECT_EQ(LastLine(run.Out), "2 passed, 1 failed");
}

TEST(ScriptRunner, EscapeLeavesThePromptOpenForTheNextAnswer) {
    const TRun run = RunScript(std::string("start\nanswer escape OK\nclick GWFindMeFunctionCheckBox\nexpect-prompt ") +
                               kFindMeWarning + " type=0 buttons=OK focused=1\nexpect-no-prompt\n");
    EXPECT_EQ(run.Result.ExitCode, 0) << run.Out;
    EXPECT_EQ(LastLine(run.Out), "2 passed, 0 failed");
}

TEST(ScriptRunner, PromptsAreCheckedOldestFirstEachOnce) {
    const std::string script = std::string("exe \"Z.exe\"\nini \"v1\"\nstart\nclick GWFindMeFunctionCheckBox\n") +
                               "expect-no-prompt\n"
                               "expect-prompt " +
                               kFindMeWarning + "\n" + "expect-prompt " + kFindMeWarning +
                               " type=1\n"
                               "expect-prompt \"NOTE\" \"x\"\n";
    const TRun run = RunScript(script);
    EXPECT_EQ(run.Result.Failed, 4) << run.Out;
    EXPECT_NE(run.Out.find("line 5: expect-no-prompt, found 2 unchecked prompt(s), the first \"NOTE\""),
              std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("line 6: expect-prompt \"Warning\""), std::string::npos);  // the NOTE came first
    EXPECT_NE(run.Out.find("line 7: expect-prompt \"Warning\""), std::string::npos);  // type 0, not 1
    EXPECT_NE(run.Out.find("line 8: expect-prompt \"NOTE\" \"x\", found no prompt left to check"), std::string::npos);
}

TEST(ScriptRunner, TheClockSetsTheLogStampsAndWaitsMoveIt) {
    const TRun run = RunScript(
        "clock 23:59:59.990\nstart\nexpect Log.1 \"<23:59:59.99>| TestEngine version = TestEngine (simulated) 1.0\"\n"
        "expect Log.4 x\nexpect Log.count 3\n");
    EXPECT_NE(run.Out.find("line 4: expect Log.4 \"x\", found nothing"), std::string::npos) << run.Out;
    EXPECT_EQ(LastLine(run.Out), "2 passed, 1 failed");
}

TEST(ScriptRunner, RelativePathsLandInAFreshFolderOfEachRunAndTheCurrentFolderComesBack) {
    const fs::path before = fs::current_path();
    EXPECT_EQ(RunScript("file \"sub/a.txt\" \"one\\r\\n\"\nexpect-file \"sub/a.txt\" \"one\\r\\n\"\n"
                        "expect-file \"sub/a.txt\" \"one\\n\"\nexpect-no-file \"sub/a.txt\"\n")
                  .Result.Failed,
              2);
    EXPECT_EQ(fs::current_path(), before);
    const TRun second = RunScript("expect-no-file \"sub/a.txt\"\nexpect-no-file \"ZENTAUserProgrammer.INI\"\n");
    EXPECT_EQ(second.Result.ExitCode, 0) << second.Out;
}

TEST(ScriptRunner, TheProgramSettingsFileIsWrittenBesideTheExecutableAtStart) {
    const TRun run = RunScript(
        "exe \"bin/P.exe\"\nini-file \"[Setting]\\nProgramVersion=v2.05A\\n\"\nstart\n"
        "expect-file \"bin/P.INI\" \"[Setting]\\nProgramVersion=v2.05A\\n\"\nexpect-no-prompt\n");
    EXPECT_EQ(run.Result.ExitCode, 0) << run.Out;
}

TEST(ScratchFolder, IsRemovedWithEverythingInItAlsoWhatWasMadeUnwritable) {
    fs::path path;
    {
        ui::TScratchFolder folder;
        path = folder.Path();
        EXPECT_TRUE(fs::is_empty(path));
        fs::create_directories(path / "locked" / "deeper");
        std::ofstream(path / "locked" / "deeper" / "f.txt") << "x";
        fs::permissions(path / "locked" / "deeper", fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(path / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(folder.Resolve("a/b"), path / "a/b");
        EXPECT_EQ(folder.Resolve("/abs"), fs::path("/abs"));
    }
    EXPECT_FALSE(fs::exists(path));
}

struct TPropertyCase {
    const char* Property;
    const char* Value;  // nullptr: the kind has no such property
};

template <typename TControlKind>
void ExpectProperties(const TControlKind& control, std::initializer_list<TPropertyCase> cases) {
    for (const TPropertyCase& c : cases) {
        const auto value = script::ControlProperty(control, c.Property);
        if (c.Value == nullptr)
            EXPECT_FALSE(value.has_value()) << control.Name << "." << c.Property;
        else
            EXPECT_EQ(value.value_or("(none)"), c.Value) << control.Name << "." << c.Property;
    }
}

TEST(ScriptTargets, EachControlKindHasItsOwnProperties) {
    ui::TCheckBox box("Box");
    box.Caption = "Tick";
    box.SetChecked(true);
    box.Enabled = false;
    ExpectProperties(box, {{"checked", "1"},
                           {"enabled", "0"},
                           {"visible", "1"},
                           {"caption", "Tick"},
                           {"position", nullptr},
                           {"text", nullptr},
                           {"index", nullptr}});

    ui::TUpDown spin("Spin");
    spin.SetMin(-24);
    spin.SetMax(21);
    spin.SetIncrement(3);
    spin.SetPosition(-9);
    ExpectProperties(
        spin,
        {{"position", "-9"}, {"min", "-24"}, {"max", "21"}, {"step", "3"}, {"checked", nullptr}, {"caption", nullptr}});

    ui::TComboBox list("List");
    list.SetItems({"Input", "Output"});
    list.SetText("(Disabled)");
    ExpectProperties(
        list,
        {{"index", "-1"}, {"text", "(Disabled)"}, {"items", "Input|Output"}, {"count", "2"}, {"active", nullptr}});
    list.SetItemIndex(1);
    ExpectProperties(list, {{"index", "1"}, {"text", "Output"}});

    ui::TMemo memo("Memo");
    memo.Lines = {"one", "two"};
    memo.Visible = false;
    ExpectProperties(memo, {{"text", "one\ntwo"}, {"count", "2"}, {"visible", "0"}, {"caption", nullptr}});

    ui::TLabel label("Label");
    label.Caption = "3.5";
    ExpectProperties(label, {{"text", "3.5"}, {"caption", "3.5"}});

    ui::TPageControl pages("Pages");
    ui::TTabSheet first("First"), second("Second");
    second.Caption = "Gateway";
    pages.AddPage(first);
    pages.AddPage(second);
    pages.SetActivePage(second);
    ExpectProperties(pages, {{"active", "Second"}, {"count", "2"}, {"caption", nullptr}});
    ExpectProperties(second, {{"caption", "Gateway"}, {"active", nullptr}});
}

}  // namespace
