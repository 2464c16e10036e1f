// The grammar of the simulated bench and of the script's own files.

#include <string>

#include "script/ScriptError.h"
#include "script/ScriptGrammar.h"
#include "script/ScriptRunner.h"
#include "sim/BenchVocabulary.h"

namespace script {
namespace {

// The simulated bench: the bench's own vocabulary, read where `zenta sim` and the
// state file are read.
TScriptAction ParseBenchCommand(TScriptArguments& a) {
    sim::TBenchLine words{{std::string(a.Command())}};
    while (!a.AtEnd()) words.push_back(a.Next(""));
    sim::TBenchReader reader(sim::TBenchSource::Script);
    std::string reason;
    auto change = reader.Read(words, reason);
    if (!change) throw TScriptError(std::string(a.Command()) + ": " + reason);
    return [change = std::move(*change)](TScriptRunner& r) { r.ChangeBench(change); };
}

// Files.

TScriptAction ParseFile(TScriptArguments& a) {
    std::string path = a.Text("PATH");
    std::string content = a.Text("CONTENT");
    a.End();
    return [path, content](TScriptRunner& r) { r.WriteFile(path, content); };
}

TScriptAction ParseReadOnly(TScriptArguments& a) {
    std::string path = a.Text("PATH");
    a.End();
    return [path](TScriptRunner& r) { r.MakeReadOnly(path); };
}

}  // namespace

void AddUnitCommands(TCommandTable& table) {
    for (const sim::TBenchCommandHelp& command : sim::BenchCommands())
        table.insert({std::string(command.Word), ParseBenchCommand});
    table.insert({"file", ParseFile});
    table.insert({"readonly", ParseReadOnly});
}

}  // namespace script
