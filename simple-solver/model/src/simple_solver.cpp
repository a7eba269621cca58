#include "orven/simple_solver/simple_solver.h"

#include <algorithm>

#include "orven/input_rules.h"
#include "orven/simple_solver/results.h"
#include "orven/simple_solver/summary.h"

namespace orven::simple_solver {

namespace {

QString classCountMessage() {
    return QStringLiteral("Ο αριθμός τάξεων R πρέπει να είναι 2, 3 ή 4.");
}

}  // namespace

QString experimentName(int code) {
    switch (code) {
        case 0:
            return QStringLiteral("1ο πείραμα");
        case 1:
            return QStringLiteral("2ο πείραμα");
        case 2:
            return QStringLiteral("3ο πείραμα");
        default:
            return QString();
    }
}

SimpleSolver::SimpleSolver() : solver_(summaryHeadings()) {
    populations_.fill(kInitialPopulation);
}

void SimpleSolver::setR(double R) {
    R_ = R;
}

int SimpleSolver::setPopulation(int k, double value) {
    if (k >= 0 && k < kPopulationFields) populations_[static_cast<std::size_t>(k)] = value;
    return setUp();
}

void SimpleSolver::chooseExperiment(int code) {
    rates_.choosePreset(code);
}

int SimpleSolver::setUp() {
    solver_.setUp(*this);
    return classesSetUp_;
}

bool SimpleSolver::hasValidR() const {
    // The window, the results file and the preset rates are complete for these.
    return R_ == 2 || R_ == 3 || R_ == 4;
}

solver_kit::StartResult SimpleSolver::start(Platform& platform, solver_kit::SolverView& view) {
    return solver_.start(*this, platform, view);
}

solver_kit::StartResult SimpleSolver::start(Platform& platform) {
    solver_kit::SolverView quiet;
    return start(platform, quiet);
}

std::optional<solver_kit::InputProblem> SimpleSolver::inputProblem() const {
    if (!hasValidR()) return solver_kit::InputProblem{classCountMessage()};
    for (int k = 0; k < static_cast<int>(R_); ++k) {
        if (!isValidPopulation(population(k))) {
            return solver_kit::InputProblem{
                populationRangeMessage(QStringLiteral("N") + QString::number(k + 1)), k};
        }
    }
    return std::nullopt;
}

void SimpleSolver::setUpRun(aggregation::SolverState& state) {
    classesSetUp_ = initiate(state, R_, populations_, rates_);
    setUpHasRun_ = true;
    shownFields_ = std::max(shownFields_, classesSetUp_);
}

QString SimpleSolver::defaultFileName() const {
    return simple_solver::defaultFileName();
}

ResultsBlock SimpleSolver::resultsBlock(const aggregation::SolverState& state,
                                        const aggregation::Table& Xout,
                                        const QDateTime& when) const {
    return findXallBlock(state, Xout, experimentCode(), when);
}

exact::Model SimpleSolver::exactModel() const {
    const aggregation::SolverState& s = state();
    exact::Model model{exact::Network::Simple, {}, {}};
    for (int i = 1; i <= s.R; ++i) {
        const int population = s.N[static_cast<std::size_t>(i)];
        model.populations.push_back(population);
        const auto rates = s.mu.row(i).first(static_cast<std::size_t>(population));
        model.rates.emplace_back(rates.begin(), rates.end());
    }
    return model;
}

solver_kit::RunSummary::Row SimpleSolver::summaryRow(const aggregation::SolverState& state,
                                                     double S) const {
    return simple_solver::summaryRow(experimentCode(), state, S);
}

}  // namespace orven::simple_solver
