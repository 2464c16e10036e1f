#include "cli/framework/CommandLine.h"

#include <CLI/CLI.hpp>

#include "cli/framework/ExitCodes.h"

namespace cli {

TCommandLine::TCommandLine(const char* command, const char* usage)
    : command_(command),
      usage_(usage),
      ownApp_(std::make_unique<CLI::App>(usage, "zenta " + command_)),
      app_(ownApp_.get()) {
    app_->set_help_flag("-h,--help");
}

TCommandLine::TCommandLine(std::string command, const char* usage, CLI::App& app, std::function<int()> body)
    : command_(std::move(command)), usage_(usage), app_(&app), body_(std::move(body)) {}

TCommandLine::~TCommandLine() = default;

void TCommandLine::Flag(const char* name, bool& field) {
    app_->add_flag(name, field)->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

void TCommandLine::Option(const char* name, std::optional<std::string>& field) {
    app_->add_option_function<std::string>(name, [&field](const std::string& value) { field = value; });
}

void TCommandLine::Options(const char* name, std::vector<std::string>& field) {
    app_->add_option(name, field)->allow_extra_args(false)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void TCommandLine::Positional(const char* name, std::string& field) {
    app_->add_option(name, field)->required();
    positionals_.emplace_back(name);
}

void TCommandLine::Positionals(const char* name, std::vector<std::string>& field) {
    app_->add_option(name, field)->required();
    positionals_.emplace_back(name);
}

TCommandLine& TCommandLine::Subcommand(const char* name, const char* usage, std::function<int()> body) {
    app_->require_subcommand(1);
    // The sub-command takes the help flag this command has.
    CLI::App& app = *app_->add_subcommand(name, usage);
    std::string command = command_;
    command.append(" ").append(name);
    subcommands_.push_back(
        std::unique_ptr<TCommandLine>(new TCommandLine(std::move(command), usage, app, std::move(body))));
    return *subcommands_.back();
}

const TCommandLine& TCommandLine::Reached() const {
    for (const auto& subcommand : subcommands_)
        if (subcommand->app_->parsed()) return subcommand->Reached();
    return *this;
}

// CLI11's reasons in the words this command line has always used. An argument no option
// or position takes is told before a missing one, as the line reads from the left.
std::string TCommandLine::UsageProblem(const std::exception& error) const {
    const bool required = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr;
    const bool requiredOrExtra = required || dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr;
    if (requiredOrExtra && !app_->remaining().empty()) {
        const std::string extra = app_->remaining().front();
        if (extra.size() > 1 && extra[0] == '-') return "unknown option " + extra;
        return (subcommands_.empty() ? "unexpected argument " : "unknown command ") + extra;
    }
    if (required && !subcommands_.empty()) return "COMMAND is missing";
    if (required) {
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

int TCommandLine::Refuse(TCommandContext& context, const std::string& reason) const {
    context.Err << "zenta " << command_ << ": " << reason << " (see zenta " << command_ << " --help)\n";
    return kExitUsage;
}

int TCommandLine::Run(const TArgs& args, TCommandContext& context, const std::function<int()>& body) {
    try {
        // CLI11 takes the arguments last first.
        app_->parse(std::vector<std::string>(args.rbegin(), args.rend()));
        const TCommandLine& reached = Reached();
        return &reached == this ? body() : reached.body_();
    } catch (const CLI::CallForHelp&) {
        context.Out << Reached().usage_;
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        const TCommandLine& reached = Reached();
        return reached.Refuse(context, reached.UsageProblem(error));
    } catch (const TUsageError& error) {
        return Reached().Refuse(context, error.what());
    }
}

int TCommandLine::Run(const TArgs& args, TCommandContext& context) {
    // No body of its own: parsing refuses a line that names no sub-command.
    return Run(args, context, {});
}

}  // namespace cli
