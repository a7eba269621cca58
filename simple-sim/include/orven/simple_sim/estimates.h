#pragma once

#include <QStringList>
#include <array>

#include "orven/fixed4.h"
#include "orven/simple_sim/engine.h"
#include "orven/simple_sim/source_table.h"

namespace orven::simple_sim {

// The estimates of one run, each taken to four decimals.
struct Estimates {
    TimeTable P;                              // share of the run that queue i held j jobs
    Fixed4 X;                                 // firings per unit of time
    std::array<Fixed4, kSources + 1> psum{};  // sum of P(i, 0..Nmax) as shown
};

// `P` = T / clock, `X` = count / clock, in double precision; an empty run (zero clock) gives
// zeros rather than undefined values.
Estimates estimate(const RunState& run);

// What the results window shows: the state numbers, the three probability columns and the
// mean output, every number in its display form.
struct ResultsContent {
    QStringList states;
    std::array<QStringList, kSources> columns;
    QString output;

    friend bool operator==(const ResultsContent&, const ResultsContent&) = default;
};

// The window while the file prompt is open: the state numbers 0..nmax only.
ResultsContent stateNumbers(int nmax);
// The whole content: states then "---" and "Σ"; each column its probabilities, ten hyphens and
// its total; the mean output.
ResultsContent resultsContent(const Estimates& estimates);

}  // namespace orven::simple_sim
