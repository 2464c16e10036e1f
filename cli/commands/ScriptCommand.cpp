// `zenta script FILE|-`: runs a script against the headless programmer.

#include <iostream>
#include <optional>
#include <sstream>

#include "cli/commands/Commands.h"
#include "script/ScriptRunner.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

struct TScriptOptions {
    bool Verbose = false;
    std::string Path;
};

int RunScript(const TScriptOptions& options, TCommandContext& context) {
    std::ostringstream source;
    if (options.Path == "-") {
        source << std::cin.rdbuf();
    } else {
        const std::optional<std::string> file = ui::ReadWholeFile(options.Path);
        if (!file) {
            context.Err << "zenta script: cannot read " << options.Path << '\n';
            return 2;
        }
        source << *file;
    }
    script::TScriptRunner runner(context.Out, context.Err, options.Verbose);
    return runner.Run(source.str()).ExitCode;
}

}  // namespace

void AddScriptCommand(TCommandLine& line) {
    auto options = std::make_shared<TScriptOptions>();
    CLI::App& script = line.AddCommand(
        "script", "a script run against the headless programmer and a simulated unit",
        "Runs a script against the headless programmer and a simulated unit: user actions, the bench, and checks "
        "of what the window shows. See docs/scripting.md.");
    script.add_flag("-v,--verbose", options->Verbose, "report every check that held as well as those that failed");
    script.add_option("FILE", options->Path, "the script; - reads standard input")->required();
    line.OnRun(script, [options](TCommandContext& context) { return RunScript(*options, context); });
}

}  // namespace cli
