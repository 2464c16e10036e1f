// The set-up commands, program entry, the simulated bench and the script's own files.

#include <filesystem>

#include "script/ScriptError.h"
#include "script/ScriptLexer.h"
#include "script/ScriptRunner.h"
#include "ui/LocalFiles.h"

namespace script {
namespace fs = std::filesystem;

void TScriptRunner::RequireSetUp(const char* command) const {
    if (session_.Started()) throw TScriptError(std::string(command) + " is a set-up command: it comes before start");
}

void TScriptRunner::SetExecutable(const std::string& path) {
    RequireSetUp("exe");
    session_.ExecutablePath = path;
}

void TScriptRunner::SetProgramSettingsVersion(const std::string& value) {
    RequireSetUp("ini");
    session_.ProgramSettingsContent = "[Setting]\r\nProgramVersion=" + value + "\r\n";
}

void TScriptRunner::SetProgramSettingsContent(const std::string& content) {
    RequireSetUp("ini-file");
    session_.ProgramSettingsContent = content;
}

void TScriptRunner::SetClock(std::int64_t millisecondsSinceMidnight) {
    RequireSetUp("clock");
    session_.Env.Clock.SetTimeOfDay(millisecondsSinceMidnight);
}

void TScriptRunner::Start() {
    if (session_.Started()) throw TScriptError("start: the program is already running");
    session_.Start();
}

void TScriptRunner::ChangeBench(const sim::TBenchChange& change) { change(session_.Bench); }

void TScriptRunner::WriteFile(const std::string& path, const std::string& content) {
    const std::string file = Resolve(path);
    ui::CreateFolders(ui::Utf8OfPath(ui::PathOfUtf8(file).parent_path()));
    if (!ui::ReplaceFileContent(file, content)) throw TScriptError("file: cannot write " + QuoteText(file));
}

// Every write permission is taken away. A process with administrator rights writes
// regardless; the checks that rely on this need an ordinary account.
void TScriptRunner::MakeReadOnly(const std::string& path) {
    const std::string target = Resolve(path);
    if (!ui::PathExists(target)) throw TScriptError("readonly: no such file or folder " + QuoteText(target));
    fs::permissions(ui::PathOfUtf8(target), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

}  // namespace script
