#include "orven/double_solver/summary.h"

#include "orven/double_solver/setup.h"
#include "orven/solver_kit/rate_choice.h"

namespace orven::double_solver {

std::vector<QString> summaryHeadings() {
    // The heading of N(4) begins with a Greek capital nu, the other three with a Latin N.
    return {QStringLiteral("a/a"), QStringLiteral("Πείραμα"), QStringLiteral("R"),
            QStringLiteral("N1'"), QStringLiteral("N2'"),     QStringLiteral("N3'"),
            QStringLiteral("Ν4'"), QStringLiteral("λ1"),      QStringLiteral("λ2"),
            QStringLiteral("λ3"),  QStringLiteral("λ4"),      QStringLiteral("Χ")};
}

solver_kit::RunSummary::Row summaryRow(int experimentCode, const aggregation::SolverState& state,
                                       double S) {
    solver_kit::RunSummary::Row row(11);
    row[0] = solver_kit::summaryExperimentNumber(experimentCode);
    row[1] = state.R;
    for (int i = 1; i <= kClasses && i <= state.R; ++i) {
        row[static_cast<std::size_t>(1 + i)] = state.N[i];
    }
    // Drawn rates have no preset to name: their cells stay empty.
    if (experimentCode != solver_kit::RateChoice::kDrawnCode) {
        for (int i = 1; i <= kClasses; ++i) {
            row[static_cast<std::size_t>(5 + i)] = solver_kit::summaryPresetRate(experimentCode, i);
        }
    }
    row[10] = solver_kit::summaryOutput(S);
    return row;
}

}  // namespace orven::double_solver
