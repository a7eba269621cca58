#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "orven/aggregation/solver_state.h"

class QLocale;

namespace orven::solver_kit {

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

// What the main window's list boxes show, in display form, for the states firstState..Nmax.
struct OutputLists {
    QStringList states;              // List1(0): the states
    std::vector<QStringList> rates;  // rates[i - 1] is List1(i): Xout(i, n) truncated to 3
                                     // decimals, empty where 0, then "---------"
};

// The simple network lists its states from 1, the double network from 0, where every class
// shows an empty item, so that a list's rows stay level with the states.
OutputLists outputLists(const aggregation::SolverState& state, const aggregation::Table& Xout,
                        int firstState, const QLocale& locale);
OutputLists outputLists(const aggregation::SolverState& state, const aggregation::Table& Xout,
                        int firstState);

}  // namespace orven::solver_kit
