// The checks: targets, prompts and message boxes in the order shown, files and the log.

#include <algorithm>

#include "script/ScriptLexer.h"
#include "script/ScriptRunner.h"
#include "script/ScriptTargets.h"
#include "ui/LocalFiles.h"

namespace script {
namespace {

std::string Described(const std::optional<std::string>& value) { return value ? QuoteText(*value) : "nothing"; }

std::string ButtonsText(const std::vector<ui::TPromptButton>& buttons) {
    std::string text;
    for (const ui::TPromptButton& b : buttons) {
        if (!text.empty()) text += ' ';
        text += QuoteText(b.Caption) + "=" + std::to_string(b.Result);
    }
    return "[" + text + "]";
}

std::string PromptText(const ui::TPromptWindow& w) {
    return QuoteText(w.Caption) + " " + QuoteText(w.Text) + " type=" + std::to_string(w.Type) +
           " buttons=" + ButtonsText(w.Buttons) + " focused=" + std::to_string(w.Focused);
}

bool SameButtons(const std::vector<ui::TPromptButton>& a, const std::vector<ui::TPromptButton>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ui::TPromptButton& x, const ui::TPromptButton& y) {
                          return x.Caption == y.Caption && x.Result == y.Result;
                      });
}

bool Matches(const TPromptExpectation& e, const ui::TPromptWindow& w) {
    return e.Caption == w.Caption && e.Text == w.Text && (!e.Type || *e.Type == w.Type) &&
           (!e.Buttons || SameButtons(*e.Buttons, w.Buttons)) && (!e.Focused || *e.Focused == w.Focused);
}

}  // namespace

void TScriptRunner::Expect(const std::string& target, const std::string& value) {
    const std::optional<std::string> found = ReadTarget(session_, target);
    Check(found == value, "expect " + target + " " + QuoteText(value), Described(found));
}

void TScriptRunner::ExpectPrompt(const TPromptExpectation& expected) {
    const std::vector<ui::TPromptWindow>& shown = session_.Env.Prompts.Shown;
    const std::string what = "expect-prompt " + QuoteText(expected.Caption) + " " + QuoteText(expected.Text);
    if (promptsChecked_ >= shown.size()) {
        Check(false, what, "no prompt left to check");
        return;
    }
    const ui::TPromptWindow& window = shown[promptsChecked_++];
    Check(Matches(expected, window), what, PromptText(window));
}

void TScriptRunner::ExpectMessage(const std::string& text) {
    const auto& shown = session_.Env.Messages.Shown;
    const std::string what = "expect-message " + QuoteText(text);
    if (messagesChecked_ >= shown.size()) {
        Check(false, what, "no message box left to check");
        return;
    }
    const auto& message = shown[messagesChecked_++];
    Check(message.Text == text, what, QuoteText(message.Text));
}

void TScriptRunner::ExpectNoPrompt() {
    const auto& prompts = session_.Env.Prompts.Shown;
    const auto& messages = session_.Env.Messages.Shown;
    std::string found;
    if (promptsChecked_ < prompts.size())
        found = std::to_string(prompts.size() - promptsChecked_) + " unchecked prompt(s), the first " +
                PromptText(prompts[promptsChecked_]);
    if (messagesChecked_ < messages.size())
        found += (found.empty() ? "" : "; ") + std::to_string(messages.size() - messagesChecked_) +
                 " unchecked message box(es), the first " + QuoteText(messages[messagesChecked_].Text);
    Check(found.empty(), "expect-no-prompt", found);
}

void TScriptRunner::ExpectFile(const std::string& path, const std::string& content) {
    const std::optional<std::string> found = ui::ReadWholeFile(Resolve(path));
    Check(found == content, "expect-file " + QuoteText(path) + " " + QuoteText(content),
          found ? QuoteText(*found) : "no such file");
}

void TScriptRunner::ExpectNoFile(const std::string& path) {
    Check(!ui::PathExists(Resolve(path)), "expect-no-file " + QuoteText(path), "the file exists");
}

void TScriptRunner::ExpectLog(const std::string& text) {
    const std::vector<std::string>& lines = session_.Form().InfoMemo.Lines;
    // Each line is "<hh:mm:ss.cc>| text".
    const auto held = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        const auto stamp = line.find(">| ");
        return stamp != std::string::npos && line.compare(stamp + 3, std::string::npos, text) == 0;
    });
    Check(
        held, "expect-log " + QuoteText(text),
        lines.empty() ? "an empty log" : std::to_string(lines.size()) + " lines, the last " + QuoteText(lines.back()));
}

}  // namespace script
