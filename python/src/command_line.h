#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "common_options.h"
#include "sim_command.h"

namespace orven::python {

// Keyword arguments read as orven-batch reads its command line: the subcommand, registered as
// orven-batch registers it, parses them, so that its checks, defaults and refusals are the
// program's own. The subcommand itself never runs.
class CommandLine {
  public:
    using Registration = void (*)(CLI::App&, int&);

    // `path`: the subcommand's names as typed after "orven-batch"; `words`: its options.
    // Throws CLI::ParseError with the line orven-batch prints after its name.
    CommandLine(Registration registration, std::vector<std::string> path,
                const std::vector<std::string>& words);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // The innermost subcommand named, as "simple-sim" in "sweep simple-sim".
    std::string subcommand() const { return command_->get_name(); }

    // An option's value as given, or its default.
    template <typename T>
    T value(const std::string& option) const {
        return command_->get_option(option)->as<T>();
    }
    template <typename T>
    std::optional<T> given(const std::string& option) const {
        const CLI::Option* found = command_->get_option(option);
        return found->count() > 0 ? std::optional<T>(found->as<T>()) : std::nullopt;
    }
    bool flag(const std::string& option) const;
    // Whether the subcommand has the option at all.
    bool has(const std::string& option) const {
        return command_->get_option_no_throw(option) != nullptr;
    }

    batch::CommonOptions common() const;
    batch::SimRunOptions simRun() const;

  private:
    int exitCode_ = 0;  // what the subcommand's callback, bound but never run, would set
    CLI::App app_;
    CLI::App* command_ = &app_;
};

}  // namespace orven::python
