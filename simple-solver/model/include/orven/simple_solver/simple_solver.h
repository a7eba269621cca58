#pragma once

#include <QString>
#include <array>
#include <optional>

#include "orven/aggregation/solver_state.h"
#include "orven/exact/model.h"
#include "orven/simple_solver/setup.h"
#include "orven/solver_kit/rate_choice.h"
#include "orven/solver_kit/solver.h"
#include "orven/solver_kit/solver_network.h"

namespace orven {
class Platform;
}

namespace orven::simple_solver {

// The name of an experiment as the main window's field Text3 shows it: "1ο πείραμα" for code 0,
// "2ο πείραμα" for 1, "3ο πείραμα" for 2.
QString experimentName(int code);

// The program orven-simple without its windows: the inputs the main window edits, the rates
// chosen in the experiment window, and the solver with its run summary.
//
// The inputs start as the window's fields do (R = 3, every population 5), so the window shows
// them as its initial texts and must not report those as edits. Its handlers map one to one:
//   Text1 edited            -> setR(number)
//   Text2(k) edited         -> setPopulation(k, number); show the first shownFields() fields
//   option k of Form2       -> chooseExperiment(k); Text3 := experimentName(k)
//   "start"                 -> start(platform, view); the view follows the run step by step
// Messages, the prompt, the clock, random numbers and the file all go through the Platform.
class SimpleSolver final : private solver_kit::SolverNetwork {
  public:
    static constexpr double kInitialR = 3;
    static constexpr double kInitialPopulation = 5;

    SimpleSolver();

    // Text1 edited: R := its number (no set-up, no message).
    void setR(double R);
    // Text2(k) edited, k = 0..4: N(k+1) := its number, then set-up runs (only set-up, never a
    // message, whatever the fields hold). Returns how many population fields are in use.
    int setPopulation(int k, double value);
    // An option of the experiment window clicked: code 0, 1 or 2. Takes effect at the next
    // set-up.
    void chooseExperiment(int code);

    // Set-up alone (`initiate` with the chosen rates). Returns how many population fields are
    // in use.
    int setUp();

    // "start": checks R (2, 3 or 4) and the populations in use (whole, 1..32767), then runs
    // the solver's sequence (see solver_kit::Solver::start) with the default file name
    // "ORVEN SIMPLE ".
    solver_kit::StartResult start(Platform& platform, solver_kit::SolverView& view);
    solver_kit::StartResult start(Platform& platform);

    // The inputs as last set.
    double R() const { return R_; }
    double population(int k) const { return populations_[static_cast<std::size_t>(k)]; }
    std::optional<int> experiment() const { return rates_.code(); }
    int experimentCode() const { return rates_.codeOrZero(); }  // not set counts as 0
    // Whether R is one that a run accepts.
    bool hasValidR() const;
    bool setUpHasRun() const { return setUpHasRun_; }
    int shownFields() const { return shownFields_; }  // population fields shown so far

    const aggregation::SolverState& state() const { return solver_.state(); }
    // Xout of the last completed run.
    const aggregation::Table& Xout() const { return solver_.Xout(); }
    const solver_kit::RunSummary& summary() const { return solver_.summary(); }

    // The simple network with the populations and the rates of the last set-up, for the exact
    // value beside S.
    exact::Model exactModel() const;

  private:
    std::optional<solver_kit::InputProblem> inputProblem() const override;
    void setUpRun(aggregation::SolverState& state) override;
    QString defaultFileName() const override;
    ResultsBlock resultsBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                              const QDateTime& when) const override;
    solver_kit::RunSummary::Row summaryRow(const aggregation::SolverState& state,
                                           double S) const override;

    double R_ = kInitialR;
    std::array<double, kPopulationFields> populations_{};
    solver_kit::RateChoice rates_;
    bool setUpHasRun_ = false;
    int shownFields_ = 0;
    int classesSetUp_ = 0;
    solver_kit::Solver solver_;
};

}  // namespace orven::simple_solver
