#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orven::solver_kit {

// An input that a run refused, named for the window that holds it.
struct InputProblem {
    static constexpr int kClassCount = -1;
    QString message;  // the warning shown, titled "Σφάλμα"
    // The field: kClassCount for R, otherwise the index k of the population field Text2(k).
    int field = kClassCount;
};

// What a window shows of a solver run, told at the moment the run reaches each step, so that
// the window changes at the same moments as the messages and the prompt come. Every function
// does nothing unless the window overrides it; a run without windows passes this base.
class SolverView {
  public:
    virtual ~SolverView() = default;

    // The inputs were refused: the warning has been shown and nothing else happens.
    virtual void inputRefused(const InputProblem&) {}
    // The inputs passed their check and the run goes ahead: empty the output lists.
    virtual void runAccepted() {}
    // Set-up has run: show the fields that are in use now.
    virtual void setUpDone() {}
    // The iteration starts and ends: a busy cursor while it runs. The end comes before any
    // message, however the iteration ends.
    virtual void computingStarted() {}
    virtual void computingEnded() {}
    // The output field: S truncated to 3 decimals after the result message; an empty text
    // after a run that failed.
    virtual void showOutput(const QString&) {}
    // The states of List1(0), and the output rates of the classes for List1(1..R).
    virtual void showStates(const QStringList&) {}
    virtual void showRates(const std::vector<QStringList>&) {}
    // The run has ended with its result written and recorded.
    virtual void runCompleted() {}
};

}  // namespace orven::solver_kit
