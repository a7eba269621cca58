#include "sim_command.h"

#include "orven/sim/run_length.h"

namespace orven::batch {

float runLengthOption(const std::string& text) {
    const sim::RunLengthAnswer runtime = sim::readRunLength(QString::fromStdString(text));
    if (runtime.kind != sim::RunLengthAnswer::Kind::Accepted)
        throw CLI::ValidationError("--runtime",
                                   "the run length must be a positive number up to 1E+14");
    return runtime.value;
}

}  // namespace orven::batch
