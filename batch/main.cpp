// orven-batch: the computations of the four programs, run headless from the command line.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "commands.h"
#include "orven/version.h"
#include "standard_streams.h"

namespace {

int runCommandLine(int argc, char** argv) {
    CLI::App app{"Headless runs of the orven solvers and simulators", "orven-batch"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "orven-batch " + std::string(orven::kVersion));
    int exitCode = 0;
    orven::batch::addSimpleSolverCommand(app, exitCode);
    orven::batch::addDoubleSolverCommand(app, exitCode);
    orven::batch::addSimpleSimCommand(app, exitCode);
    orven::batch::addDoubleSimCommand(app, exitCode);
    orven::batch::addExactCommands(app, exitCode);
    orven::batch::addSweepCommand(app, exitCode);
    orven::batch::addJoinCommand(app, exitCode);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "orven-batch: %s\n", error.what());
        return 2;
    }
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    orven::batch::silenceQtDiagnostics();
    return orven::batch::standardOutputStatus(runCommandLine(argc, argv));
}
