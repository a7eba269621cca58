#include "commands.h"

namespace orven::batch {

void addExactCommands(CLI::App& /*app*/, int& /*exitCode*/) {}

}  // namespace orven::batch
