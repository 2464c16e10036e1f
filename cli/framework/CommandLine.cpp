#include "cli/framework/CommandLine.h"

#include "cli/framework/ExitCodes.h"
#include "cli/framework/WrappedText.h"
#include "link/TransportChoice.h"

namespace cli {
namespace {

// "zenta sim": the command as it is called, from the program's name down.
std::string Called(const CLI::App& command) {
    std::string name = command.get_name();
    for (const CLI::App* parent = command.get_parent(); parent != nullptr; parent = parent->get_parent())
        name.insert(0, parent->get_name() + " ");
    return name;
}

// The deepest command the parse reached, where the line went wrong.
const CLI::App& Reached(const CLI::App& app) {
    const std::vector<CLI::App*> parsed = app.get_subcommands();
    return parsed.empty() ? app : Reached(*parsed.front());
}

std::string Refusal(const std::string& command, const std::string& reason) {
    return command + ": " + reason + " (see " + command + " --help)\n";
}

}  // namespace

TCommandLine::TCommandLine(TCommandContext& context)
    : context_(context),
      app_(
          "The ZENTA User Programmer's command line: settings files, the unit on the link, production runs and "
          "the simulated bench.",
          "zenta") {
    app_.require_subcommand(1);
    app_.footer("Each command takes --help. See docs/cli.md.");
    // The line reads from the left: a word nothing takes is told before what is missing
    // after it, in CLI11's words for it.
    app_.failure_message([](const CLI::App* app, const CLI::Error& error) {
        const CLI::App& reached = Reached(*app);
        if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr && !reached.remaining().empty())
            return Refusal(Called(reached), CLI::ExtrasError(reached.remaining()).what());
        return Refusal(Called(reached), error.what());
    });
}

CLI::App& TCommandLine::AddCommand(const std::string& name, const std::string& summary, const std::string& details) {
    CLI::App& command = *app_.add_subcommand(name, summary);
    command.footer(WrappedText(details) + "\n\n" + ExitCodesOf(name));
    return command;
}

// A transport named on the line that names none is a bad line too.
void TCommandLine::OnRun(CLI::App& command, std::function<int(TCommandContext&)> run) {
    command.callback([this, &command, run = std::move(run)] {
        const auto refuse = [&](const std::exception& error) {
            context_.Err << Refusal(Called(command), error.what());
            exit_ = kExitUsage;
        };
        try {
            exit_ = run(context_);
        } catch (const TUsageError& error) {
            refuse(error);
        } catch (const devlink::TUnknownTransport& error) {
            refuse(error);
        }
    });
}

int TCommandLine::Run(const TArgs& args) {
    try {
        // CLI11 takes the arguments last first.
        app_.parse(std::vector<std::string>(args.rbegin(), args.rend()));
        return exit_;
    } catch (const CLI::ParseError& error) {
        return app_.exit(error, context_.Out, context_.Err) == 0 ? kExitOk : kExitUsage;
    }
}

}  // namespace cli
