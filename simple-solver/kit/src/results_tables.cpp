#include "orven/solver_kit/results_tables.h"

#include "orven/fixed4.h"
#include "orven/number_text.h"

namespace orven::solver_kit {

QString roundedRow(const aggregation::Table& table, int i, int last) {
    QString row;
    for (int n = 0; n <= last; ++n)
        row += messageForm(roundTo4(table(i, n))) + QStringLiteral("  ");
    return row;
}

QString truncatedRow(const aggregation::Table& Xout, int i, int last) {
    QString row;
    for (int n = 0; n <= last; ++n) row += messageForm(truncateTo(Xout(i, n), 1000));
    return row;
}

void appendResultTables(ResultsBlock& block, const aggregation::SolverState& state,
                        const aggregation::Table& Xout, const QString& meanOutputHeading) {
    const int R = state.R;
    const int last = state.Nmax;
    block.addLine({QStringLiteral("A")});
    block.addLine({QStringLiteral("ΡΥΘΜΟΙ ΕΙΣΟΔΟΥ ΓΙΑ ΚΑΘΕ ΣΤΑΘΜΟ ")});
    for (int i = 1; i <= R; ++i) block.addLine({roundedRow(state.mu, i, last)});

    block.addLine();
    block.addLine({QStringLiteral("Β")});
    block.addLine({QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ ΓΙΑ ΚΑΘΕ ΚΑΤΑΣΤΑΣΗ ΣΤΟΝ ΣΥΓΚΕΝΤΡΩΤΙΚΟ ΣΤΑΘΜΟ")});
    for (int i = 1; i <= R; ++i) block.addLine({roundedRow(state.P, i, last)});

    block.addLine();
    block.addLine({QStringLiteral("Γ")});
    block.addLine({QStringLiteral("ΕΞΟΔΟΣ ΓΙΑ ΚΑΘΕ ΚΑΤΑΣΤΑΣΗ ΣΤΟΝ ΣΥΓΚΕΝΤΡΩΤΙΚΟ ΣΤΑΘΜΟ")});
    for (int i = 1; i <= R; ++i) block.addLine({truncatedRow(Xout, i, last)});

    block.addLine();
    block.addLine({QStringLiteral("Δ")});
    block.addLine({meanOutputHeading});
    const auto reported = static_cast<std::size_t>(state.iter);
    block.addLine({roundTo4(reported < state.S.size() ? state.S[reported] : 0.0)});
}

}  // namespace orven::solver_kit
