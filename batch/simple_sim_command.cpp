#include "commands.h"

namespace orven::batch {

void addSimpleSimCommand(CLI::App& /*app*/, int& /*exitCode*/) {}

}  // namespace orven::batch
