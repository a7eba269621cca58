#include "orven/double_solver/results.h"

#include "orven/solver_kit/results_tables.h"

namespace orven::double_solver {

QString defaultFileName() {
    return QStringLiteral("ORVEN DOUBLE");
}

QString experimentTitle(int experimentCode) {
    switch (experimentCode) {
        case 0:
            return QStringLiteral("ΠΕΙΡΑΜΑ 1");
        case 1:
            return QStringLiteral("ΠΕΙΡΑΜΑ 3");
        default:
            return QStringLiteral("ΠΕΙΡΑΜΑ 2");
    }
}

ResultsBlock findXallBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                           int experimentCode, const QDateTime& when) {
    ResultsBlock block;
    block.addLine({QStringLiteral(" ")});
    block.addLine({when});
    block.addLine({QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΠΕΙΡΑΜΑΤΟΣ ")});
    block.addLine({experimentTitle(experimentCode)});
    // The reduced classes are named by their stations 1', 2, 5 and 3; the labels keep their
    // irregular blanks.
    block.addLine({QStringLiteral("Nr'(1) = "), static_cast<double>(state.N[1]),
                   QStringLiteral(" Nr'(2)= "), static_cast<double>(state.N[2]),
                   QStringLiteral(" Nr'(5) = "), static_cast<double>(state.N[3]),
                   QStringLiteral(" Nr'(3) = "), static_cast<double>(state.N[4])});
    block.addLine();
    solver_kit::appendResultTables(block, state, Xout, QStringLiteral("ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟ"));
    return block;
}

}  // namespace orven::double_solver
