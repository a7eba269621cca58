#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "orven/aggregation/solver_state.h"
#include "orven/double_solver/setup.h"
#include "orven/exact/comparison.h"
#include "orven/solver_kit/rate_choice.h"
#include "orven/solver_kit/solver.h"
#include "orven/solver_kit/solver_network.h"

namespace orven {
class Platform;
}

namespace orven::double_solver {

// The program orven without its windows: the inputs the main window edits, the rates chosen in
// the experiment window or drawn by "random μ", and the solver with its run summary.
//
// The inputs start as the window's fields do (R = 4, every population 5, both offsets 0), so
// the window shows them as its initial texts and must not report those as edits. Its handlers
// map one to one:
//   Text1 edited             -> setR(number)
//   Text2(k) edited          -> setPopulation(k, number); Text5 shows reducedPopulations()
//   Text6 / Text7 edited     -> clamp the field (clampedOffset), then setK1S1 / setS4(number)
//   option k of Form2        -> chooseExperiment(k)
//   "random μ"               -> drawRandomRates(platform, view); Form4 lists what it returns
//   "start"                  -> start(platform, view); then Form4 lists rateTable()
// Messages, the prompt, the clock, random numbers and the file all go through the Platform.
class DoubleSolver final : private solver_kit::SolverNetwork {
  public:
    static constexpr double kInitialR = 4;
    static constexpr double kInitialPopulation = 5;
    static constexpr double kInitialOffset = 0;

    DoubleSolver();

    // Text1 edited: R := its number (no set-up, no message).
    void setR(double R);
    // Text2(k) edited, k = 0..4 for N1..N5: the station's population := its number, then set-up
    // runs (only set-up, never a message, whatever the fields hold).
    void setPopulation(int k, double value);
    // The offsets "K1 - S1" and "S4", as their fields hold them after the clamps.
    void setK1S1(double value) { K1S1_ = value; }
    void setS4(double value) { S4_ = value; }
    // An option of the experiment window pressed: code 0, 1 or 2. Takes effect at the next
    // set-up and drops drawn rates.
    void chooseExperiment(int code);

    // Set-up alone: the reduced network and its rates, ready for the iteration.
    void setUp();

    // "random μ": checks the inputs as "start" does (a refused input shows its warning, tells
    // the view and changes nothing), then draws fresh rates for every class (code 4 from now
    // on) and sets up with them. Returns the lists of the rate table window: the drawn rates,
    // class 1 with station 1's own.
    std::optional<std::vector<QStringList>> drawRandomRates(Platform& platform,
                                                            solver_kit::SolverView& view);

    // "start": checks R (4) and N1..N5 (whole, 1..32767); with drawn rates, draws those that
    // the populations now need and no draw covers yet; then runs the solver's sequence (see
    // solver_kit::Solver::start) with the default file name "ORVEN DOUBLE".
    solver_kit::StartResult start(Platform& platform, solver_kit::SolverView& view);
    solver_kit::StartResult start(Platform& platform);

    // The lists of the rate table window after a run: the rates that the run used.
    std::vector<QStringList> rateTable() const;

    // The inputs as last set.
    double R() const { return R_; }
    double population(int k) const { return populations_[static_cast<std::size_t>(k)]; }
    double K1S1() const { return K1S1_; }
    double S4() const { return S4_; }
    std::optional<int> experiment() const { return rates_.code(); }
    int experimentCode() const { return rates_.codeOrZero(); }  // not set counts as 0
    const solver_kit::RateChoice& rates() const { return rates_; }
    // Whether R is one that a run accepts.
    bool hasValidR() const { return R_ == kClasses; }

    // N(1..4) of the reduced network as the window shows them (shownReducedPopulations).
    std::array<std::optional<int>, kClasses + 1> shownReducedPopulations() const {
        return double_solver::shownReducedPopulations(stations());
    }

    const aggregation::SolverState& state() const { return solver_.state(); }
    // Xout of the last completed run.
    const aggregation::Table& Xout() const { return solver_.Xout(); }
    const solver_kit::RunSummary& summary() const { return solver_.summary(); }

    // The double network that the reduced one stands for, for the exact value beside S: the
    // loop populations N1, N2, N3 and N5 with the stations' own rates as chosen (station 1's
    // before the fold, drawn rates included). The merged station 1' stands for loops 1 and 4 of
    // equal populations; with N1 other than N4 there is no such network, and the reason instead.
    exact::Request exactRequest() const;

  private:
    StationPopulations stations() const;
    std::optional<solver_kit::InputProblem> inputProblem() const override;
    void setUpRun(aggregation::SolverState& state) override;
    QString defaultFileName() const override;
    ResultsBlock resultsBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                              const QDateTime& when) const override;
    solver_kit::RunSummary::Row summaryRow(const aggregation::SolverState& state,
                                           double S) const override;
    int firstListedState() const override { return 0; }
    bool statesBeforePrompt() const override { return true; }

    double R_ = kInitialR;
    std::array<double, kStations> populations_{};
    double K1S1_ = kInitialOffset;
    double S4_ = kInitialOffset;
    solver_kit::RateChoice rates_;
    solver_kit::Solver solver_;
};

}  // namespace orven::double_solver
