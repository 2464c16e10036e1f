// The grammar of set-up, program entry, user actions and answers.

#include <cctype>
#include <cstdint>
#include <set>

#include "script/ScriptError.h"
#include "script/ScriptGrammar.h"
#include "script/ScriptRunner.h"
#include "ui/Prompt.h"

namespace script {
namespace {

constexpr std::int64_t kMaxMilliseconds = 1000LL * 3600 * 24 * 365;
constexpr std::int64_t kMaxClicks = 1000000;

// HH:MM:SS.mmm as milliseconds since midnight.
std::int64_t ParseClock(const std::string& text) {
    const auto digits = [&](std::size_t at, std::size_t count, std::int64_t max) {
        std::int64_t value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
                throw TScriptError("clock: the time is HH:MM:SS.mmm, not " + QuoteText(text));
            value = value * 10 + (text[i] - '0');
        }
        if (value > max) throw TScriptError("clock: " + QuoteText(text) + " is not a time of day");
        return value;
    };
    if (text.size() != 12 || text[2] != ':' || text[5] != ':' || text[8] != '.')
        throw TScriptError("clock: the time is HH:MM:SS.mmm, not " + QuoteText(text));
    return ((digits(0, 2, 23) * 60 + digits(3, 2, 59)) * 60 + digits(6, 2, 59)) * 1000 + digits(9, 3, 999);
}

// Set-up.

TScriptAction ParseExe(TScriptArguments& a) {
    std::string path = a.Text("PATH");
    a.End();
    return [path](TScriptRunner& r) { r.SetExecutable(path); };
}

TScriptAction ParseIni(TScriptArguments& a) {
    std::string value = a.Text("VALUE");
    a.End();
    return [value](TScriptRunner& r) { r.SetProgramSettingsVersion(value); };
}

TScriptAction ParseIniFile(TScriptArguments& a) {
    std::string content = a.Text("CONTENT");
    a.End();
    return [content](TScriptRunner& r) { r.SetProgramSettingsContent(content); };
}

TScriptAction ParseClockCommand(TScriptArguments& a) {
    const std::int64_t time = ParseClock(a.Text("HH:MM:SS.mmm"));
    a.End();
    return [time](TScriptRunner& r) { r.SetClock(time); };
}

TScriptAction ParseStart(TScriptArguments& a) {
    a.End();
    return [](TScriptRunner& r) { r.Start(); };
}

// User actions.

TScriptAction ParseClick(TScriptArguments& a) {
    static const std::map<std::string, int, std::less<>> kKeys{
        {"lshift", ui::VK_LShift}, {"rshift", ui::VK_RShift}, {"lctrl", ui::VK_LControl}, {"rctrl", ui::VK_RControl}};
    std::string name = a.Text("NAME");
    std::set<int> held;
    while (!a.AtEnd()) {
        const std::string key = a.Text("key");
        const auto found = kKeys.find(key);
        if (found == kKeys.end())
            throw TScriptError("click: unknown key " + QuoteText(key) + " (lshift, rshift, lctrl, rctrl)");
        held.insert(found->second);
    }
    return [name, held](TScriptRunner& r) { r.Click(name, held); };
}

TScriptAction ParseSelect(TScriptArguments& a) {
    std::string name = a.Text("NAME");
    const TToken& choice = a.Next("INDEX or \"ITEM\"");
    a.End();
    if (choice.Quoted) return [name, item = choice.Text](TScriptRunner& r) { r.SelectItem(name, item); };
    const std::int64_t index = TScriptArguments::ToNumber(choice.Text, "select: INDEX", INT32_MIN, INT32_MAX);
    return [name, index](TScriptRunner& r) { r.SelectIndex(name, index); };
}

TScriptAction ParseTab(TScriptArguments& a) {
    std::string name = a.Text("NAME");
    a.End();
    return [name](TScriptRunner& r) { r.Tab(name); };
}

TScriptAction ParseSpin(TScriptArguments& a) {
    std::string name = a.Text("NAME");
    const std::string direction = a.Text("up or down");
    if (direction != "up" && direction != "down")
        throw TScriptError("spin: the direction is up or down, not " + QuoteText(direction));
    const std::int64_t clicks = a.AtEnd() ? 1 : a.Number("COUNT", 1, kMaxClicks);
    a.End();
    return [name, up = direction == "up", clicks](TScriptRunner& r) { r.Spin(name, up, clicks); };
}

TScriptAction ParseWait(TScriptArguments& a) {
    const std::int64_t ms = a.Number("MS", 0, kMaxMilliseconds);
    a.End();
    return [ms](TScriptRunner& r) { r.Wait(ms); };
}

TScriptAction ParseClose(TScriptArguments& a) {
    a.End();
    return [](TScriptRunner& r) { r.CloseWindow(); };
}

// Answers.

ui::TPromptAnswer ParseAnswerWord(const std::string& word) {
    using K = ui::TPromptAnswer::TKind;
    static const std::map<std::string, ui::TPromptAnswer, std::less<>> kWords{{"Yes", {K::Result, ui::mrYes}},
                                                                              {"No", {K::Result, ui::mrNo}},
                                                                              {"OK", {K::Result, ui::mrOk}},
                                                                              {"Cancel", {K::Result, ui::mrCancel}},
                                                                              {"Abort", {K::Result, ui::mrAbort}},
                                                                              {"Retry", {K::Result, ui::mrRetry}},
                                                                              {"Ignore", {K::Result, ui::mrIgnore}},
                                                                              {"All", {K::Result, ui::mrAll}},
                                                                              {"NoToAll", {K::Result, ui::mrNoToAll}},
                                                                              {"YesToAll", {K::Result, ui::mrYesToAll}},
                                                                              {"close", {K::Close, 0}},
                                                                              {"enter", {K::Enter, 0}},
                                                                              {"escape", {K::Escape, 0}}};
    if (const auto found = kWords.find(word); found != kWords.end()) return found->second;
    if (const auto code = ParseNumber(word); code && *code >= ui::mrOk && *code <= ui::mrYesToAll)
        return {K::Result, static_cast<int>(*code)};
    throw TScriptError("answer: unknown answer " + QuoteText(word) +
                       " (1 to 10, Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, "
                       "close, enter, escape)");
}

TScriptAction ParseAnswer(TScriptArguments& a) {
    std::vector<ui::TPromptAnswer> answers;
    do answers.push_back(ParseAnswerWord(a.Text("WORD")));
    while (!a.AtEnd());
    return [answers](TScriptRunner& r) {
        for (const ui::TPromptAnswer& answer : answers) r.Answer(answer);
    };
}

TScriptAction ParseDialog(TScriptArguments& a) {
    const TToken& choice = a.Next("\"PATH\" or cancel");
    a.End();
    if (!choice.Quoted && choice.Text == "cancel") return [](TScriptRunner& r) { r.AnswerDialog(std::nullopt); };
    return [path = choice.Text](TScriptRunner& r) { r.AnswerDialog(path); };
}

}  // namespace

void AddSessionCommands(TCommandTable& table) {
    table.insert({"exe", ParseExe});
    table.insert({"ini", ParseIni});
    table.insert({"ini-file", ParseIniFile});
    table.insert({"clock", ParseClockCommand});
    table.insert({"start", ParseStart});
    table.insert({"click", ParseClick});
    table.insert({"select", ParseSelect});
    table.insert({"tab", ParseTab});
    table.insert({"spin", ParseSpin});
    table.insert({"wait", ParseWait});
    table.insert({"close", ParseClose});
    table.insert({"answer", ParseAnswer});
    table.insert({"dialog", ParseDialog});
}

}  // namespace script
