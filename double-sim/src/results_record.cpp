#include "orven/double_sim/results_record.h"

#include "orven/sim/record_rows.h"

namespace orven::double_sim {

namespace {

const QString kProgramName = QStringLiteral("orven-sim");

}  // namespace

QString filePromptDefault() {
    return QStringLiteral("ORVEN ") + kProgramName;
}

QString experimentName(int experiment) {
    switch (experiment) {
        case 0:
            return QStringLiteral("ΠΕΙΡΑΜΑ 1");
        case 1:
            return QStringLiteral("ΠΕΙΡΑΜΑ 3");
        default:
            return QStringLiteral("ΠΕΙΡΑΜΑ 2");
    }
}

ResultsBlock reportSection(const QDateTime& when, float runtime, const RunSetup& setup,
                           const Estimates& estimates) {
    ResultsBlock block;
    block.addLine();
    block.addLine();
    block.addLine({when});
    block.addLine({experimentName(setup.experiment)});
    block.addLine({QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΠΕΙΡΑΜΑΤΟΣ ") + kProgramName});
    // The rows of table B run by the simulator's queues, whose fourth the diagram calls n5.
    block.addLine({QStringLiteral(" Η ΤΕΡΤΑΡΤΗ ΣΕΙΡΑ ΑΠΟΤΕΛΕΣΜΤΩΝ ΑΦΟΡΑ ΤΗΝ ΟΥΡΑ 5")});
    block.addLine({QStringLiteral("ΧΡΟΝΟΣ ΠΕΙΡΑΜΑΤΟΣ :"), Single{runtime}, QStringLiteral(" sec")});
    block.addLine({QStringLiteral("Nr(1) = "), setup.N[1], QStringLiteral(" Nr(2)= "), setup.N[2],
                   QStringLiteral(" Nr(3) = "), setup.N[3], QStringLiteral(" Nr(5) = "),
                   setup.N[4]});
    block.addLine();
    block.addLine({QStringLiteral("A")});
    block.addLine({QStringLiteral("ΡΥΘΜΟΙ ΕΙΣΟΔΟΥ ΓΙΑ ΚΑΘΕ ΣΤΑΘΜΟ ")});
    for (int k = 1; k <= kSources; ++k) block.addLine({sim::rateRow(setup.mu, k)});
    block.addLine();
    block.addLine({QStringLiteral("Β")});
    block.addLine({QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ ΓΙΑ ΚΑΘΕ ΚΑΤΑΣΤΑΣΗ ΣΤΟΝ ΣΥΓΚΕΝΤΡΩΤΙΚΟ ΣΤΑΘΜΟ")});
    for (int k = 1; k <= kQueues; ++k) block.addLine({sim::joinedEntries(estimates.P.row(k))});
    block.addLine();
    block.addLine({QStringLiteral("Γ")});
    block.addLine({QStringLiteral("ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟΥΣ 1,2 ")});
    block.addLine({estimates.X1, estimates.X2});
    return block;
}

ResultsBlock distributionSection(const Estimates& estimates) {
    ResultsBlock block;
    block.addLine();
    // Queue 5 is n4 in the diagram's numbering, which the label follows.
    block.addLine({QStringLiteral(" p(n(2)+n(4))")});
    // Each entry brings its own leading blank; nothing stands between them.
    block.addLine({sim::joinedEntries(estimates.p24(), QString())});
    return block;
}

}  // namespace orven::double_sim
