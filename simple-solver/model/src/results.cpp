#include "orven/simple_solver/results.h"

#include <array>

#include "orven/solver_kit/results_tables.h"

namespace orven::simple_solver {

namespace {

// The labels of the population line keep their irregular blanks; a fourth class follows the
// third.
QString populationLabel(int i) {
    static const std::array<QString, 4> labels{
        QStringLiteral("Nr(1) = "), QStringLiteral(" Nr(2)= "), QStringLiteral(" Nr(3) = "),
        QStringLiteral(" Nr(4) = ")};
    return labels[static_cast<std::size_t>(i - 1)];
}

}  // namespace

QString defaultFileName() {
    return QStringLiteral("ORVEN SIMPLE ");
}

ResultsBlock findXallBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                           int experimentCode, const QDateTime& when) {
    ResultsBlock block;
    block.addLine();
    block.addLine();
    block.addLine({when});
    block.addLine({QStringLiteral("ΠΕΙΡΑΜΑ "), static_cast<double>(experimentCode + 1)});
    block.addLine({QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΠΕΙΡΑΜΑΤΟΣ SIMPLE")});
    std::vector<ResultsItem> populations;
    for (int i = 1; i <= state.R && i <= 4; ++i) {
        populations.emplace_back(populationLabel(i));
        populations.emplace_back(static_cast<double>(state.N[i]));
    }
    block.addLine(std::move(populations));
    block.addLine();
    solver_kit::appendResultTables(block, state, Xout, QStringLiteral("ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟ "));
    return block;
}

}  // namespace orven::simple_solver
