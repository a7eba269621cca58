#include "commands.h"

namespace orven::batch {

void addSimpleSolverCommand(CLI::App& /*app*/, int& /*exitCode*/) {}

}  // namespace orven::batch
