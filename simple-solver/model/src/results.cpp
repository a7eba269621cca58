#include "orven/simple/results.h"

#include <array>

#include "orven/fixed4.h"
#include "orven/number_text.h"

namespace orven::simple {

namespace {

// The labels of the population line keep their irregular blanks; a fourth class follows the
// third.
QString populationLabel(int i) {
    static const std::array<QString, 4> labels{
        QStringLiteral("Nr(1) = "), QStringLiteral(" Nr(2)= "), QStringLiteral(" Nr(3) = "),
        QStringLiteral(" Nr(4) = ")};
    return labels[static_cast<std::size_t>(i - 1)];
}

// One row of tables A and Β: every entry rounded to 4 decimals, in message form, then two
// blanks; the whole row is one text item.
QString roundedRow(const aggregation::Table& table, int i, int last) {
    QString row;
    for (int n = 0; n <= last; ++n)
        row += messageForm(roundTo4(table(i, n))) + QStringLiteral("  ");
    return row;
}

// One row of table Γ: every entry truncated to 3 decimals, in message form, with no separator.
QString truncatedRow(const aggregation::Table& table, int i, int last) {
    QString row;
    for (int n = 0; n <= last; ++n) row += messageForm(truncateTo(table(i, n), 1000));
    return row;
}

}  // namespace

QString defaultFileName() {
    return QStringLiteral("ORVEN SIMPLE ");
}

ResultsBlock findXallBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                           int experimentCode, const QDateTime& when) {
    const int R = state.R;
    const int last = state.Nmax;
    ResultsBlock block;
    block.addLine();
    block.addLine();
    block.addLine({when});
    block.addLine({QStringLiteral("ΠΕΙΡΑΜΑ "), static_cast<double>(experimentCode + 1)});
    block.addLine({QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΠΕΙΡΑΜΑΤΟΣ SIMPLE")});
    std::vector<ResultsItem> populations;
    for (int i = 1; i <= R && i <= 4; ++i) {
        populations.emplace_back(populationLabel(i));
        populations.emplace_back(static_cast<double>(state.N[i]));
    }
    block.addLine(std::move(populations));
    block.addLine();

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
    block.addLine({QStringLiteral("ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟ ")});
    const auto reported = static_cast<std::size_t>(state.iter);
    block.addLine({roundTo4(reported < state.S.size() ? state.S[reported] : 0.0)});
    return block;
}

}  // namespace orven::simple
