#include "orven/simple_sim/simulator.h"

#include "orven/platform.h"
#include "orven/results_file.h"
#include "orven/sim/replications.h"
#include "orven/simple_sim/exact_model.h"
#include "orven/simple_sim/results_record.h"

namespace orven::simple_sim {

// The simple network's parts of the start sequence.
struct SimpleSimulator::Sequence {
    SimpleSimulator& simulator;
    const std::array<QString, kSources>& texts;
    const sim::Replications& replications;

    std::optional<QString> inputProblem() const { return populationProblem(texts); }
    Network setUp(Platform& platform) {
        simulator.setup_ = initiate(texts, simulator.experiment_, platform);
        simulator.run_ = RunState(simulator.setup_.Nmax);
        return Network(simulator.setup_, simulator.run_);
    }
    sim::RunEnd simulate(Platform& platform, sim::RunController& controller, sim::RunView& view) {
        Network network = setUp(platform);
        return sim::simulateWholeOrSplit(network, simulator.setup_, simulator.run_, replications,
                                         platform, controller, view);
    }
    void publish(Platform& platform, sim::RunView& view) { simulator.ypolog(platform, view); }
};

sim::StartOutcome SimpleSimulator::start(const std::array<QString, kSources>& populationTexts,
                                         Platform& platform, sim::RunView& view,
                                         const sim::Replications& replications) {
    Sequence sequence{*this, populationTexts, replications};
    return sim::startRun(sequence, controller_, platform, view);
}

void SimpleSimulator::ypolog(Platform& platform, sim::RunView& view) {
    estimates_ = estimate(run_);
    view.showResults(sim::stateNumbers(setup_.Nmax));
    const QString answer = askResultsFileName(platform, filePromptDefault());
    record_ = resultsRecord(platform.currentDateTime(), controller_.runtime(), setup_, estimates_);
    saveResultsBlock(platform, answer, record_);
    view.showResults(resultsContent(estimates_));
}

std::vector<double> SimpleSimulator::outputs() const {
    if (!(run_.clock > 0.0)) return {};
    return {static_cast<double>(run_.count) / run_.clock};
}

std::vector<std::optional<double>> SimpleSimulator::outputStandardErrors() const {
    std::vector<std::optional<double>> errors(1);
    if (estimates_.intervals)
        for (std::size_t k = 0; k < errors.size(); ++k)
            errors[k] = estimates_.intervals->standardErrorX[k];
    return errors;
}

exact::Model SimpleSimulator::exactModel() const {
    return simple_sim::exactModel(setup_);
}

}  // namespace orven::simple_sim
