#include "command_line.h"

namespace orven::python {

namespace {

// Every subcommand keeps still when parsed and knows the default of each option.
void quieten(CLI::App& command) {
    command.callback([] {});
    for (CLI::Option* option : command.get_options()) option->capture_default_str();
    for (CLI::App* sub : command.get_subcommands([](CLI::App*) { return true; })) quieten(*sub);
}

}  // namespace

CommandLine::CommandLine(Registration registration, const std::vector<std::string>& words) {
    int exitCode = 0;
    registration(app_, exitCode);
    quieten(app_);
    std::vector<const char*> argv{"orven-batch"};
    for (const std::string& word : words) argv.push_back(word.c_str());
    app_.parse(static_cast<int>(argv.size()), argv.data());
    for (auto named = command_->get_subcommands(); !named.empty();
         named = command_->get_subcommands())
        command_ = named.front();
}

bool CommandLine::flag(const std::string& option) const {
    return command_->get_option(option)->count() > 0;
}

batch::CommonOptions CommandLine::common() const {
    batch::CommonOptions options;
    options.seed = given<std::uint64_t>("--seed");
    options.date = value<std::string>("--date");
    options.output = given<std::string>("--output");
    return options;
}

batch::SimRunOptions CommandLine::simRun() const {
    batch::SimRunOptions options;
    options.runtime = value<std::string>("--runtime");
    options.precision = given<double>("--precision");
    options.maxRuntime = value<std::string>("--max-runtime");
    options.withExact = flag("--with-exact");
    return options;
}

}  // namespace orven::python
