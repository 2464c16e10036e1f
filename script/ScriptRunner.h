#pragma once
// Runs a script against the headless main window: each command in turn, every check
// counted, every failure reported with its line, what was expected and what was found.
// The commands themselves are methods here; the grammar files turn lines into calls.
// A runner runs one script: its session (folder, clock, unit, window) is that run's.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "script/ScriptSession.h"
#include "sim/BenchVocabulary.h"
#include "ui/Headless.h"

namespace script {

struct TScriptResult {
    int ExitCode = 0;  // 0 every check held, 1 one failed, 2 the script could not be run
    int Passed = 0;
    int Failed = 0;
};

// What expect-prompt compares besides caption and text, where the script gives it.
struct TPromptExpectation {
    std::string Caption;
    std::string Text;
    std::optional<int> Type;
    std::optional<std::vector<ui::TPromptButton>> Buttons;
    std::optional<int> Focused;
};

class TScriptRunner {
public:
    // Failures go to `out`, as does the closing "N passed, M failed", and with
    // `reportHeld` every check that held too; errors that stop the script go to `err`.
    TScriptRunner(std::ostream& out, std::ostream& err, bool reportHeld = false)
        : out_(out), err_(err), reportHeld_(reportHeld) {}

    TScriptResult Run(std::string_view source);

    // Set-up, before start.
    void SetExecutable(const std::string& path);
    void SetProgramSettingsVersion(const std::string& value);
    void SetProgramSettingsContent(const std::string& content);
    void SetClock(std::int64_t millisecondsSinceMidnight);
    void Start();

    // User actions.
    void Click(const std::string& name, const std::set<int>& heldKeys);
    void SelectIndex(const std::string& name, std::int64_t index);
    void SelectItem(const std::string& name, const std::string& item);
    void Tab(const std::string& name);
    void Spin(const std::string& name, bool up, std::int64_t clicks);
    void Wait(std::int64_t milliseconds);
    void CloseWindow();

    // Answers.
    void Answer(const ui::TPromptAnswer& answer);
    void AnswerDialog(const std::optional<std::string>& path);  // nothing: cancel

    // The simulated bench.
    void ChangeBench(const sim::TBenchChange& change);

    // Files.
    void WriteFile(const std::string& path, const std::string& content);
    void MakeReadOnly(const std::string& path);

    // Checks.
    void Expect(const std::string& target, const std::string& value);
    void ExpectPrompt(const TPromptExpectation& expected);
    void ExpectMessage(const std::string& text);
    void ExpectNoPrompt();
    void ExpectFile(const std::string& path, const std::string& content);
    void ExpectNoFile(const std::string& path);
    void ExpectLog(const std::string& text);

private:
    void Check(bool held, const std::string& what, const std::string& found = {});
    void Fail(const std::string& what);
    void Report(const std::string& what);
    void RequireSetUp(const char* command) const;
    // False, counted as a failed check, when the window refuses the user action.
    bool UserCanReach(const ui::TControl& control, const std::string& action);
    // What the message loop does when a user action returns.
    void AfterUserAction();
    void ReportPromptProblems();
    void CheckNothingLeftQueued();
    std::string Resolve(const std::string& path) const;

    std::ostream& out_;
    std::ostream& err_;
    const bool reportHeld_;
    TScriptSession session_;
    int line_ = 0;
    int passed_ = 0;
    int failed_ = 0;
    std::size_t promptsChecked_ = 0;
    std::size_t messagesChecked_ = 0;
    std::size_t problemsReported_ = 0;
};

}  // namespace script
