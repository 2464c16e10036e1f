#include "cli/framework/CommandLine.h"

#include <CLI/CLI.hpp>

#include "cli/framework/ExitCodes.h"

namespace cli {

TCommandLine::TCommandLine(const char* command, const char* usage)
    : command_(command), usage_(usage), app_(std::make_unique<CLI::App>(usage, std::string("zenta ") + command)) {
    app_->set_help_flag("-h,--help");
}

TCommandLine::~TCommandLine() = default;

void TCommandLine::Flag(const char* name, bool& field) {
    app_->add_flag(name, field)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

void TCommandLine::Option(const char* name, std::optional<std::string>& field) {
    app_->add_option_function<std::string>(name, [&field](const std::string& value) { field = value; });
}

void TCommandLine::Positional(const char* name, std::string& field) {
    app_->add_option(name, field)->required();
    positionals_.emplace_back(name);
}

// CLI11's reasons in the words this command line has always used. An argument no option
// or position takes is told before a missing one, as the line reads from the left.
std::string TCommandLine::UsageProblem(const std::exception& error) const {
    const bool requiredOrExtra = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr ||
                                 dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr;
    if (requiredOrExtra && !app_->remaining().empty()) {
        const std::string extra = app_->remaining().front();
        return (extra.size() > 1 && extra[0] == '-' ? "unknown option " : "unexpected argument ") + extra;
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        for (const std::string& name : positionals_)
            if (app_->get_option(name)->count() == 0) return name + " is missing";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        // "--output: 1 required TEXT missing" or "--json: At Most 1 required but received 2"
        const std::string text = error.what();
        const std::string option = text.substr(0, text.find(':'));
        return option + (text.find("missing") != std::string::npos ? " needs a value" : " is given twice");
    }
    return error.what();
}

int TCommandLine::Run(const TArgs& args, TCommandContext& context, const std::function<int()>& body) {
    try {
        // CLI11 takes the arguments last first.
        app_->parse(std::vector<std::string>(args.rbegin(), args.rend()));
        return body();
    } catch (const CLI::CallForHelp&) {
        context.Out << usage_;
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        context.Err << "zenta " << command_ << ": " << UsageProblem(error) << " (see zenta " << command_
                    << " --help)\n";
        return kExitUsage;
    } catch (const TUsageError& error) {
        context.Err << "zenta " << command_ << ": " << error.what() << " (see zenta " << command_ << " --help)\n";
        return kExitUsage;
    }
}

}  // namespace cli
