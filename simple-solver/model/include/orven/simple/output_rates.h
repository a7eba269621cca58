#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "orven/aggregation/solver_state.h"

class QLocale;

namespace orven::simple {

// Xout(0..R, 0..Nmax): the output rate of the class-i aggregate station holding n class-i
// jobs, the rate that makes a two-station cycle with class i's own station reproduce P(i, ·).
// Entries for n = 0 and n > N(i) are 0, and so is every rate that the run does not determine
// (a class whose jobs practically never wait) or that a double cannot hold.
aggregation::Table findXout(const aggregation::SolverState& state);

// The first entry Xout(i, n) that is not a finite number once scaled for display, if any: a
// run whose output rates cannot be written down writes nothing.
struct RateIndex {
    int i;
    int n;
};
std::optional<RateIndex> firstNonFinite(const aggregation::Table& Xout);

// What the main window's list boxes show, in display form.
struct OutputLists {
    QStringList states;              // List1(0): 1..Nmax
    std::vector<QStringList> rates;  // rates[i - 1] is List1(i): Xout(i, 1..Nmax) truncated
                                     // to 3 decimals, empty where 0, then "---------"
};

OutputLists outputLists(const aggregation::SolverState& state, const aggregation::Table& Xout,
                        const QLocale& locale);
OutputLists outputLists(const aggregation::SolverState& state, const aggregation::Table& Xout);

}  // namespace orven::simple
