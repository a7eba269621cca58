#pragma once

#include <QStringList>
#include <vector>

#include "orven/aggregation/solver_state.h"

class QLocale;

namespace orven::simple {

// Xout(0..R, 0..Nmax): the output rate of the class-i aggregate station holding n class-i
// jobs, the rate that makes a two-station cycle with class i's own station reproduce P(i, ·).
// Entries for n = 0 and n > N(i) are 0.
aggregation::Table findXout(const aggregation::SolverState& state);

// True when every entry is a finite number (a run whose output rates are not finite writes
// nothing).
bool allFinite(const aggregation::Table& Xout);

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
