#include "command_line.h"

namespace orven::python {

namespace {

// Ends the parse once every option is read and checked, before the subcommand runs. The
// subcommand's callback keeps the options it binds alive, so it stays in place.
struct Parsed {};

// Every option of every subcommand knows its default.
void captureDefaults(CLI::App& command) {
    for (CLI::Option* option : command.get_options()) option->capture_default_str();
    for (CLI::App* sub : command.get_subcommands([](CLI::App*) { return true; }))
        captureDefaults(*sub);
}

}  // namespace

CommandLine::CommandLine(Registration registration, std::vector<std::string> path,
                         const std::vector<std::string>& words) {
    registration(app_, exitCode_);
    captureDefaults(app_);
    app_.parse_complete_callback([] { throw Parsed{}; });
    path.insert(path.end(), words.begin(), words.end());
    std::vector<const char*> argv{"orven-batch"};
    for (const std::string& word : path) argv.push_back(word.c_str());
    try {
        app_.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const Parsed&) {
    }
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
    // A sweep spreads its cases over the cores and has no replications of its own.
    if (has("--replications")) {
        options.replications.count = value<int>("--replications");
        options.replications.jobs = given<unsigned>("--jobs").value_or(0);
    }
    return options;
}

}  // namespace orven::python
