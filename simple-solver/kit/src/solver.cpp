#include "orven/solver_kit/solver.h"

#include "orven/input_rules.h"
#include "orven/platform.h"
#include "orven/results_file.h"
#include "orven/vector_state.h"

namespace orven::solver_kit {

namespace {

QString nonFiniteRateMessage(RateIndex at) {
    return QStringLiteral("Ο ρυθμός εξόδου Χ") + QString::number(at.i) + u'(' +
           QString::number(at.n) +
           QStringLiteral(") δεν είναι πεπερασμένος αριθμός· τα αποτελέσματα δεν γράφτηκαν.");
}

// The busy cursor ends with the iteration, however it ends.
class Computing {
  public:
    explicit Computing(SolverView& view) : view_(view) { view_.computingStarted(); }
    ~Computing() { view_.computingEnded(); }
    Computing(const Computing&) = delete;
    Computing& operator=(const Computing&) = delete;

  private:
    SolverView& view_;
};

}  // namespace

Solver::Solver(std::vector<QString> summaryHeadings) : summary_(std::move(summaryHeadings)) {}

void Solver::setUp(SolverNetwork& network) {
    network.setUpRun(state_);
}

StartResult Solver::start(SolverNetwork& network, Platform& platform, SolverView& view) {
    // A run starts from a click in the window.
    clearUpperVectorState();
    StartResult result;
    if (const auto problem = network.inputProblem()) {
        platform.showMessage(problem->message, MessageIcon::Warning, errorTitle());
        view.inputRefused(*problem);
        return result;
    }
    view.runAccepted();
    network.setUpRun(state_);
    view.setUpDone();

    result.end = StartEnd::Failed;
    {
        const Computing computing(view);
        result.iteration = aggregation::iterate(state_, platform);
        Xout_ = aggregation::hasResult(*result.iteration) ? findXout(state_) : aggregation::Table();
    }
    aggregation::reportIterationEnd(platform, *result.iteration);
    if (!aggregation::hasResult(*result.iteration)) {
        view.showOutput(QString());
        return result;
    }
    if (const auto at = firstNonFinite(Xout_)) {
        Xout_ = aggregation::Table();
        platform.showMessage(nonFiniteRateMessage(*at), MessageIcon::Warning, errorTitle());
        view.showOutput(QString());
        return result;
    }

    const double S = result.iteration->S;
    aggregation::showResultMessage(platform, S);
    result.output = aggregation::outputText(S);
    view.showOutput(result.output);

    result.lists = outputLists(state_, Xout_, network.firstListedState());
    if (network.statesBeforePrompt()) view.showStates(result.lists.states);
    const QString answer = askResultsFileName(platform, network.defaultFileName());
    result.block = network.resultsBlock(state_, Xout_, platform.currentDateTime());
    if (!network.statesBeforePrompt()) view.showStates(result.lists.states);
    view.showRates(result.lists.rates);
    result.saved = saveResultsBlock(platform, answer, result.block);

    result.recorded = summary_.record(network.summaryRow(state_, S));
    result.end = StartEnd::Completed;
    view.runCompleted();
    return result;
}

}  // namespace orven::solver_kit
