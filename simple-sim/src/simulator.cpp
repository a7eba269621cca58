#include "orven/simple_sim/simulator.h"

#include "orven/platform.h"
#include "orven/results_file.h"
#include "orven/simple_sim/results_record.h"

namespace orven::simple_sim {

// The simple network's parts of the start sequence.
struct SimpleSimulator::Sequence {
    SimpleSimulator& simulator;
    const std::array<QString, kSources>& texts;

    std::optional<QString> inputProblem() const { return populationProblem(texts); }
    Network setUp(Platform& platform) {
        simulator.setup_ = initiate(texts, simulator.experiment_, platform);
        simulator.run_ = RunState(simulator.setup_.Nmax);
        return Network(simulator.setup_, simulator.run_);
    }
    void publish(Platform& platform, sim::RunView& view) { simulator.ypolog(platform, view); }
};

sim::StartOutcome SimpleSimulator::start(const std::array<QString, kSources>& populationTexts,
                                         Platform& platform, sim::RunView& view) {
    Sequence sequence{*this, populationTexts};
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

}  // namespace orven::simple_sim
