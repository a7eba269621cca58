#include "orven/double_solver/double_solver.h"

#include "orven/double_solver/equivalent.h"
#include "orven/double_solver/random_rates.h"
#include "orven/double_solver/rate_table.h"
#include "orven/double_solver/results.h"
#include "orven/double_solver/summary.h"
#include "orven/input_rules.h"
#include "orven/platform.h"

namespace orven::double_solver {

namespace {

QString classCountMessage() {
    return QStringLiteral("Ο αριθμός τάξεων R πρέπει να είναι 4.");
}

}  // namespace

DoubleSolver::DoubleSolver() : solver_(summaryHeadings()) {
    populations_.fill(kInitialPopulation);
}

void DoubleSolver::setR(double R) {
    R_ = R;
}

void DoubleSolver::setPopulation(int k, double value) {
    if (k >= 0 && k < kStations) populations_[static_cast<std::size_t>(k)] = value;
    setUp();
}

void DoubleSolver::chooseExperiment(int code) {
    rates_.choosePreset(code);
}

void DoubleSolver::setUp() {
    solver_.setUp(*this);
}

StationPopulations DoubleSolver::stations() const {
    return stationPopulations(populations_);
}

std::optional<std::vector<QStringList>> DoubleSolver::drawRandomRates(
    Platform& platform, solver_kit::SolverView& view) {
    if (const auto problem = inputProblem()) {
        platform.showMessage(problem->message, MessageIcon::Warning, errorTitle());
        view.inputRefused(*problem);
        return std::nullopt;
    }
    const auto lengths = rateLengths(stations(), true);
    aggregation::Table drawn;
    drawMissingRates(drawn, lengths, platform);
    rates_.chooseDrawn(drawn);
    setUp();
    return rateTableLists(drawn, lengths, state().Nmax);
}

solver_kit::StartResult DoubleSolver::start(Platform& platform, solver_kit::SolverView& view) {
    // A population raised since the draw would leave its class without rates below its full
    // queue: those are drawn now, as "random μ" draws them.
    if (rates_.isDrawn() && !inputProblem()) {
        aggregation::Table drawn = rates_.drawn();
        if (drawMissingRates(drawn, rateLengths(stations(), true), platform)) {
            rates_.chooseDrawn(std::move(drawn));
        }
    }
    return solver_.start(*this, platform, view);
}

solver_kit::StartResult DoubleSolver::start(Platform& platform) {
    solver_kit::SolverView quiet;
    return start(platform, quiet);
}

std::vector<QStringList> DoubleSolver::rateTable() const {
    const auto& s = state();
    std::array<int, kClasses + 1> lengths{};
    for (int i = 1; i <= kClasses && i < static_cast<int>(s.N.size()); ++i) {
        lengths[static_cast<std::size_t>(i)] = s.N[static_cast<std::size_t>(i)];
    }
    return rateTableLists(s.mu, lengths, s.Nmax);
}

exact::Request DoubleSolver::exactRequest() const {
    const StationPopulations N = stations();
    if (N.station(1) != N.station(4)) {
        return QStringLiteral("το διπλό δίκτυο αντιστοιχεί μόνο όταν N1 = N4.");
    }
    // Loops 1, 2, 3 and 4 of the double network are stations 1, 2, 3 and 5, whose rates the
    // reduced classes 1, 2, 4 and 3 hold.
    constexpr std::array<int, 4> kClassOfLoop{1, 2, 4, 3};
    constexpr std::array<int, 4> kStationOfLoop{1, 2, 3, 5};
    exact::Model model{exact::Network::Double, {}, {}};
    for (std::size_t loop = 0; loop < 4; ++loop) {
        const int population = N.station(kStationOfLoop[loop]);
        model.populations.push_back(population);
        std::vector<double> rates;
        for (int n = 0; n < population; ++n)
            rates.push_back(rates_.rate(kClassOfLoop[loop], n, population));
        model.rates.push_back(std::move(rates));
    }
    return model;
}

std::optional<solver_kit::InputProblem> DoubleSolver::inputProblem() const {
    if (!hasValidR()) return solver_kit::InputProblem{classCountMessage()};
    for (int k = 0; k < kStations; ++k) {
        if (!isValidPopulation(population(k))) {
            return solver_kit::InputProblem{
                populationRangeMessage(QStringLiteral("N") + QString::number(k + 1)), k};
        }
    }
    return std::nullopt;
}

void DoubleSolver::setUpRun(aggregation::SolverState& state) {
    const StationPopulations N = stations();
    initiate(state, N, rates_);
    equivalent(state, N.station(1), N.station(4), K1S1_, S4_);
}

QString DoubleSolver::defaultFileName() const {
    return double_solver::defaultFileName();
}

ResultsBlock DoubleSolver::resultsBlock(const aggregation::SolverState& state,
                                        const aggregation::Table& Xout,
                                        const QDateTime& when) const {
    return findXallBlock(state, Xout, experimentCode(), when);
}

solver_kit::RunSummary::Row DoubleSolver::summaryRow(const aggregation::SolverState& state,
                                                     double S) const {
    return double_solver::summaryRow(experimentCode(), state, S);
}

}  // namespace orven::double_solver
