#include "orven/simple_solver/summary.h"

namespace orven::simple_solver {

std::vector<QString> summaryHeadings() {
    return {QStringLiteral("a/a"), QStringLiteral("Πείραμα"), QStringLiteral("R"),
            QStringLiteral("N1"),  QStringLiteral("N2"),      QStringLiteral("N3"),
            QStringLiteral("μ1"),  QStringLiteral("μ2"),      QStringLiteral("μ3"),
            QStringLiteral("Χ")};
}

solver_kit::RunSummary::Row summaryRow(int experimentCode, const aggregation::SolverState& state,
                                       double S) {
    solver_kit::RunSummary::Row row(9);
    row[0] = solver_kit::summaryExperimentNumber(experimentCode);
    row[1] = state.R;
    for (int i = 1; i <= 3 && i <= state.R; ++i) row[static_cast<std::size_t>(1 + i)] = state.N[i];
    for (int i = 1; i <= 3; ++i) {
        row[static_cast<std::size_t>(4 + i)] = solver_kit::summaryPresetRate(experimentCode, i);
    }
    row[8] = solver_kit::summaryOutput(S);
    return row;
}

}  // namespace orven::simple_solver
