#pragma once

#include <QString>

namespace orven {
class Platform;
}

namespace orven::aggregation {

struct SolverState;

inline constexpr double kPrecision = 0.0001;
// After this many iterations the loop ends at the first iteration whose error did not grow.
inline constexpr int kCutOffAfter = 3000;
inline constexpr double kCutOffGrowth = 0.00000001;
// No run goes beyond this many iterations, whatever its error does.
inline constexpr int kIterationLimit = 100000;
// A run that the cut-off or the limit ends with a larger error has no result.
inline constexpr double kLargestAcceptedError = 0.01;

// When the loop gives up; tests shorten them.
struct IterationLimits {
    int cutOffAfter = kCutOffAfter;
    int iterationLimit = kIterationLimit;
};

enum class IterationEnd {
    Converged,     // err(iter) < 0.0001, S no further than that from the balance of every
                   // class (see balance_step.h) and within the possible range
    CutOff,        // past iteration 3000, the error did not grow
    LimitReached,  // iteration 100000 reached
    NotConverged,  // S outside the possible range, or the cut-off or the limit with an error
                   // above 0.01: no result
    NotFinite,     // S, a TH or the error stopped being a finite number
};

struct IterationOutcome {
    IterationEnd end = IterationEnd::Converged;
    int iterations = 0;
    double error = 0;  // err(iter)
    double S = 0;      // S(iter)
    // The cut-off or the limit ended the loop (also when the run then has no result).
    bool stoppedShort = false;
};

// The start of `synchron`: Na(i) for every class, then x, Q, P0 and the scaled forms sized
// for classes 0..R and partner sides 0..NaMax, all 0.
void prepareIteration(SolverState& state);

// The iteration of `synchron`: Na(i) for every class, x, Q and P0 sized, then iterations of
// `aggregate` over classes 1..R until the convergence test passes, the cut-off or the limit
// ends the loop, or a value stops being finite. A run that ends without a result it can stand
// by (see IterationEnd::NotConverged) says so. Shows no message; see reportIterationEnd.
IterationOutcome iterate(SolverState& state, Platform& platform,
                         const IterationLimits& limits = {});

// The largest output the model allows: no synchronization can happen faster than the slowest
// class can supply jobs, so S is at most the smallest, over the classes, of each class's
// largest rate.
double largestPossibleOutput(const SolverState& state);

// The messages that follow the loop, when there are any: "βγήκε με precision=" and the error
// after the cut-off or the limit; then, for a run without a result, the warning titled "Σφάλμα"
// that says so (the failure warning when a value stopped being finite).
void reportIterationEnd(Platform& platform, const IterationOutcome& outcome);

// True when the run may go on to its result: it converged, or the cut-off or the limit ended it
// close enough, with S in the possible range.
inline bool hasResult(const IterationOutcome& outcome) {
    return outcome.end == IterationEnd::Converged || outcome.end == IterationEnd::CutOff ||
           outcome.end == IterationEnd::LimitReached;
}

// The result message: "Η έξοδος του σταθμού συνχρονισμού είναι," a line break and S,
// warning icon, title "Aποτέλεσμα".
void showResultMessage(Platform& platform, double S);

// The output field: S truncated to 3 decimals, in display form.
QString outputText(double S);

// The warning shown, titled "Σφάλμα", when the iteration ends in values that are not finite.
QString nonFiniteMessage();
// The warning shown, titled "Σφάλμα", when the iteration ends without a result it can stand by.
QString notConvergedMessage();

}  // namespace orven::aggregation
