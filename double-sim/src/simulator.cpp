#include "orven/double_sim/simulator.h"

#include "orven/double_sim/exact_model.h"
#include "orven/double_sim/results_record.h"
#include "orven/platform.h"
#include "orven/results_file.h"
#include "orven/sim/replications.h"

namespace orven::double_sim {

// The double network's parts of the start sequence.
struct DoubleSimulator::Sequence {
    DoubleSimulator& simulator;
    const PopulationTexts& texts;
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
    void publish(Platform& platform, sim::RunView& view) {
        simulator.newp(platform, simulator.ypolog(platform, view));
    }
};

sim::StartOutcome DoubleSimulator::start(const PopulationTexts& texts, Platform& platform,
                                         sim::RunView& view,
                                         const sim::Replications& replications) {
    Sequence sequence{*this, texts, replications};
    return sim::startRun(sequence, controller_, platform, view);
}

bool DoubleSimulator::ypolog(Platform& platform, sim::RunView& view) {
    estimates_ = estimate(run_);
    view.showResults(sim::stateNumbers(setup_.Nmax));
    fileName_ = askResultsFileName(platform, filePromptDefault());
    const ResultsBlock section =
        reportSection(platform.currentDateTime(), controller_.runtime(), setup_, estimates_);
    report_ = section;
    // The probabilities and outputs stand in the window before the totals are added.
    const sim::ResultsContent content = resultsContent(estimates_);
    view.showResults(sim::withoutTotals(content));
    const bool written = saveResultsBlock(platform, fileName_, section);
    view.showResults(content);
    return written;
}

void DoubleSimulator::newp(Platform& platform, bool firstSectionWritten) {
    const ResultsBlock section = distributionSection(estimates_);
    report_.append(section);
    // Where the report itself could not be written its distribution would stand alone, under
    // the report of another run; and the failure has been reported once already.
    if (firstSectionWritten) saveResultsBlock(platform, fileName_, section);
}

std::vector<double> DoubleSimulator::outputs() const {
    if (!(run_.clock > 0.0)) return {};
    return {static_cast<double>(run_.count1) / run_.clock,
            static_cast<double>(run_.count2) / run_.clock};
}

std::vector<std::optional<double>> DoubleSimulator::outputStandardErrors() const {
    std::vector<std::optional<double>> errors(2);
    if (estimates_.intervals)
        for (std::size_t k = 0; k < errors.size(); ++k)
            errors[k] = estimates_.intervals->standardErrorX[k];
    return errors;
}

exact::Model DoubleSimulator::exactModel() const {
    return double_sim::exactModel(setup_);
}

}  // namespace orven::double_sim
