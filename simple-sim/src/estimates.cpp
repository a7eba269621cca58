#include "orven/simple_sim/estimates.h"

#include "orven/number_text.h"

namespace orven::simple_sim {

namespace {

Fixed4 share(double part, double clock) {
    return clock > 0.0 ? Fixed4::fromDouble(part / clock) : Fixed4();
}

}  // namespace

Estimates estimate(const RunState& run) {
    Estimates estimates;
    estimates.P = TimeTable(run.T.nmax());
    for (int i = 1; i <= kSources; ++i) {
        for (int j = 0; j <= run.T.nmax(); ++j) {
            estimates.P(i, j) = share(run.T(i, j).toDouble(), run.clock);
            estimates.psum[i] += estimates.P(i, j);
        }
    }
    estimates.X = share(static_cast<double>(run.count), run.clock);
    return estimates;
}

ResultsContent stateNumbers(int nmax) {
    ResultsContent content;
    for (int j = 0; j <= nmax; ++j) content.states.append(QString::number(j));
    return content;
}

ResultsContent resultsContent(const Estimates& estimates) {
    ResultsContent content = stateNumbers(estimates.P.nmax());
    for (int i = 1; i <= kSources; ++i) {
        QStringList& column = content.columns[static_cast<std::size_t>(i - 1)];
        for (const Fixed4 p : estimates.P.row(i)) column.append(displayForm(p));
    }
    content.output = displayForm(estimates.X);
    content.states << QStringLiteral("---") << QStringLiteral("Σ");
    for (int i = 1; i <= kSources; ++i) {
        content.columns[static_cast<std::size_t>(i - 1)] << QStringLiteral("----------")
                                                         << displayForm(estimates.psum[i]);
    }
    return content;
}

}  // namespace orven::simple_sim
