#include "script/ScriptRunner.h"

#include <ostream>

#include "script/ScriptError.h"
#include "script/ScriptLexer.h"
#include "script/ScriptParser.h"
#include "ui/LocalFiles.h"

namespace script {
namespace {

// A report takes one line: line breaks inside a prompt's text are shown as escapes.
std::string OnOneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        switch (c) {
        case '\n': line += "\\n"; break;
        case '\r': line += "\\r"; break;
        case '\t': line += "\\t"; break;
        default: line += c;
        }
    }
    return line;
}

}  // namespace

TScriptResult TScriptRunner::Run(std::string_view source) {
    bool stopped = false;
    try {
        for (const TScriptStep& step : ParseScript(source)) {
            line_ = step.Line;
            step.Run(*this);
            ReportPromptProblems();
        }
        line_ = 0;
        CheckNothingLeftQueued();
    } catch (const TScriptError& error) {
        err_ << "line " << (error.Line != 0 ? error.Line : line_) << ": " << error.what() << '\n';
        stopped = true;
    } catch (const std::exception& error) {
        // A fault outside the script's control (a file the driver cannot write, an
        // exception escaping the window): the script cannot go on.
        err_ << "line " << line_ << ": " << error.what() << '\n';
        stopped = true;
    }
    out_ << passed_ << " passed, " << failed_ << " failed\n";
    return {stopped ? 2 : failed_ > 0 ? 1 : 0, passed_, failed_};
}

void TScriptRunner::Check(bool held, const std::string& what, const std::string& found) {
    if (!held) {
        Fail(found.empty() ? what : what + ", found " + found);
        return;
    }
    ++passed_;
    if (reportHeld_) Report("held: " + what);
}

void TScriptRunner::Fail(const std::string& what) {
    ++failed_;
    Report(what);
}

void TScriptRunner::Report(const std::string& what) {
    if (line_ == 0)
        out_ << "end of script: " << what << '\n';
    else
        out_ << "line " << line_ << ": " << what << '\n';
}

// An answer that names no button of its prompt is a failed check of the line whose
// action raised the prompt.
void TScriptRunner::ReportPromptProblems() {
    const std::vector<std::string>& problems = session_.Env.Prompts.Problems;
    for (; problemsReported_ < problems.size(); ++problemsReported_) Fail(OnOneLine(problems[problemsReported_]));
}

void TScriptRunner::CheckNothingLeftQueued() {
    std::string left;
    for (const ui::TPromptAnswer& answer : session_.Env.Prompts.Answers) {
        switch (answer.Kind) {
        case ui::TPromptAnswer::TKind::Result: left.append(" ").append(std::to_string(answer.Result)); break;
        case ui::TPromptAnswer::TKind::Close: left += " close"; break;
        case ui::TPromptAnswer::TKind::Enter: left += " enter"; break;
        case ui::TPromptAnswer::TKind::Escape: left += " escape"; break;
        }
    }
    for (const std::string& path : session_.Env.Dialogs.Answers)
        left += path.empty() ? " dialog cancel" : " dialog " + QuoteText(path);
    if (!left.empty()) Fail("answers left unused:" + left);
}

std::string TScriptRunner::Resolve(const std::string& path) const {
    return ui::Utf8OfPath(session_.Folder.Resolve(ui::PathOfUtf8(path)));
}

}  // namespace script
