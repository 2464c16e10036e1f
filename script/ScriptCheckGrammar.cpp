// The grammar of the checks.

#include "script/ScriptError.h"
#include "script/ScriptGrammar.h"
#include "script/ScriptRunner.h"
#include "ui/Prompt.h"

namespace script {
namespace {

// Checks.

TScriptAction ParseExpect(TScriptArguments& a) {
    std::string target = a.Text("TARGET");
    std::string value = a.Text("VALUE");
    a.End();
    return [target, value](TScriptRunner& r) { r.Expect(target, value); };
}

std::vector<ui::TPromptButton> ParseButtons(const std::string& text) {
    if (text == "OK") return {{"&OK", ui::mrOk}};
    if (text == "YesNo") return {{"&Yes", ui::mrYes}, {"&No", ui::mrNo}};
    throw TScriptError("expect-prompt: buttons= is OK or YesNo, not " + QuoteText(text));
}

TScriptAction ParseExpectPrompt(TScriptArguments& a) {
    TPromptExpectation expected;
    expected.Caption = a.Text("\"CAPTION\"");
    expected.Text = a.Text("\"TEXT\"");
    const auto options = a.Options({"type", "buttons", "focused"});
    if (options.count("type"))
        expected.Type = static_cast<int>(TScriptArguments::ToNumber(options.at("type"), "expect-prompt: type", 0, 2));
    if (options.count("buttons")) expected.Buttons = ParseButtons(options.at("buttons"));
    if (options.count("focused"))
        expected.Focused =
            static_cast<int>(TScriptArguments::ToNumber(options.at("focused"), "expect-prompt: focused", 1, 10));
    return [expected](TScriptRunner& r) { r.ExpectPrompt(expected); };
}

TScriptAction ParseExpectMessage(TScriptArguments& a) {
    std::string text = a.Text("\"TEXT\"");
    a.End();
    return [text](TScriptRunner& r) { r.ExpectMessage(text); };
}

TScriptAction ParseExpectNoPrompt(TScriptArguments& a) {
    a.End();
    return [](TScriptRunner& r) { r.ExpectNoPrompt(); };
}

TScriptAction ParseExpectFile(TScriptArguments& a) {
    std::string path = a.Text("\"PATH\"");
    std::string content = a.Text("\"CONTENT\"");
    a.End();
    return [path, content](TScriptRunner& r) { r.ExpectFile(path, content); };
}

TScriptAction ParseExpectNoFile(TScriptArguments& a) {
    std::string path = a.Text("\"PATH\"");
    a.End();
    return [path](TScriptRunner& r) { r.ExpectNoFile(path); };
}

TScriptAction ParseExpectLog(TScriptArguments& a) {
    std::string text = a.Text("\"TEXT\"");
    a.End();
    return [text](TScriptRunner& r) { r.ExpectLog(text); };
}

}  // namespace

void AddCheckCommands(TCommandTable& table) {
    table.insert({"expect", ParseExpect});
    table.insert({"expect-prompt", ParseExpectPrompt});
    table.insert({"expect-message", ParseExpectMessage});
    table.insert({"expect-no-prompt", ParseExpectNoPrompt});
    table.insert({"expect-file", ParseExpectFile});
    table.insert({"expect-no-file", ParseExpectNoFile});
    table.insert({"expect-log", ParseExpectLog});
}

}  // namespace script
