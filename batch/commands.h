#pragma once

#include <CLI/CLI.hpp>

namespace orven::batch {

// Each subcommand adds itself to the program and sets `exitCode` when it has run.
void addSimpleSolverCommand(CLI::App& app, int& exitCode);
void addDoubleSolverCommand(CLI::App& app, int& exitCode);
void addSimpleSimCommand(CLI::App& app, int& exitCode);
void addDoubleSimCommand(CLI::App& app, int& exitCode);
void addExactCommands(CLI::App& app, int& exitCode);
void addSweepCommand(CLI::App& app, int& exitCode);
void addJoinCommand(CLI::App& app, int& exitCode);

}  // namespace orven::batch
