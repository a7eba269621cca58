#pragma once

#include <QString>
#include <span>

#include "orven/aggregation/solver_state.h"

namespace orven::simple {

// The main window has five population fields N1..N5.
inline constexpr int kPopulationFields = 5;

// The classes that a value of R read from its field stands for: its whole part, from 0 to the
// number of population fields; 0 for a negative value.
int classesFor(double R);

// The population that a field's number stands for: itself when it is a whole number from 1 to
// 32767, otherwise 0 (set-up goes on; the check at "start" refuses it).
int populationFor(double value);

// `initiate`: R and N(1..R) read from the fields' texts, the iteration state reset, every
// table re-created at 0 and mu filled with the preset rates of the code (mu(i, N(i)) = 0).
// Never fails, whatever the texts hold. Returns how many population fields are in use
// (shown from now on).
int initiate(aggregation::SolverState& state, const QString& rText,
             std::span<const QString> populationTexts, int experimentCode);

}  // namespace orven::simple
