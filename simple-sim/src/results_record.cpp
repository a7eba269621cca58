#include "orven/simple_sim/results_record.h"

#include "orven/sim/record_rows.h"

namespace orven::simple_sim {

namespace {

const QString kProgramName = QStringLiteral("orven-sim-simple");

}  // namespace

QString filePromptDefault() {
    return QStringLiteral("ORVEN ") + kProgramName;
}

ResultsBlock resultsRecord(const QDateTime& when, float runtime, const RunSetup& setup,
                           const Estimates& estimates) {
    ResultsBlock block;
    block.addLine();
    block.addLine();
    block.addLine({when});
    block.addLine({QStringLiteral("ΠΕΙΡΑΜΑ "), static_cast<double>(setup.experiment + 1)});
    block.addLine({QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΠΕΙΡΑΜΑΤΟΣ ") + kProgramName});
    block.addLine({QStringLiteral("ΧΡΟΝΟΣ ΠΕΙΡΑΜΑΤΟΣ :"), Single{runtime}, QStringLiteral(" sec")});
    block.addLine({QStringLiteral("Nr(1) = "), setup.N[1], QStringLiteral(" Nr(2)= "), setup.N[2],
                   QStringLiteral(" Nr(3) = "), setup.N[3]});
    block.addLine();
    block.addLine({QStringLiteral("A")});
    block.addLine({QStringLiteral("ΡΥΘΜΟΙ ΕΙΣΟΔΟΥ ΓΙΑ ΚΑΘΕ ΣΤΑΘΜΟ ")});
    for (int i = 1; i <= kSources; ++i) block.addLine({sim::rateRow(setup.mu, i)});
    block.addLine();
    block.addLine({QStringLiteral("Β")});
    block.addLine({QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ ΓΙΑ ΚΑΘΕ ΚΑΤΑΣΤΑΣΗ ΣΤΟΝ ΣΥΓΚΕΝΤΡΩΤΙΚΟ ΣΤΑΘΜΟ")});
    for (int i = 1; i <= kSources; ++i) block.addLine({sim::joinedEntries(estimates.P.row(i))});
    block.addLine();
    block.addLine({QStringLiteral("Γ")});
    block.addLine({QStringLiteral("ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟ ")});
    block.addLine({estimates.X});
    return block;
}

}  // namespace orven::simple_sim
