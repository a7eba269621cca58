#include "orven/simple_sim/results_record.h"

#include "orven/number_text.h"

namespace orven::simple_sim {

namespace {

const QString kProgramName = QStringLiteral("orven-sim-simple");

// One row of a table as one text: each entry in its message form, leading blank included,
// followed by two blanks.
QString joinedRow(std::span<const Fixed4> entries) {
    QString row;
    for (const Fixed4 entry : entries) row += messageForm(entry) + QStringLiteral("  ");
    return row;
}

QString rateRow(const RateTable& mu, int source) {
    std::vector<Fixed4> entries;
    for (const double rate : mu.row(source)) entries.push_back(Fixed4::fromDouble(rate));
    return joinedRow(entries);
}

}  // namespace

QString filePromptDefault() {
    return QStringLiteral("ORVEN ") + kProgramName;
}

ResultsBlock resultsRecord(const QDateTime& when, int experiment, float runtime,
                           const RunSetup& setup, const Estimates& estimates) {
    ResultsBlock block;
    block.addLine();
    block.addLine();
    block.addLine({when});
    block.addLine({QStringLiteral("ΠΕΙΡΑΜΑ "), static_cast<double>(experiment + 1)});
    block.addLine({QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΠΕΙΡΑΜΑΤΟΣ ") + kProgramName});
    block.addLine({QStringLiteral("ΧΡΟΝΟΣ ΠΕΙΡΑΜΑΤΟΣ :"), Single{runtime}, QStringLiteral(" sec")});
    block.addLine({QStringLiteral("Nr(1) = "), setup.N[1], QStringLiteral(" Nr(2)= "), setup.N[2],
                   QStringLiteral(" Nr(3) = "), setup.N[3]});
    block.addLine();
    block.addLine({QStringLiteral("A")});
    block.addLine({QStringLiteral("ΡΥΘΜΟΙ ΕΙΣΟΔΟΥ ΓΙΑ ΚΑΘΕ ΣΤΑΘΜΟ ")});
    for (int i = 1; i <= kSources; ++i) block.addLine({rateRow(setup.mu, i)});
    block.addLine();
    block.addLine({QStringLiteral("Β")});
    block.addLine({QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ ΓΙΑ ΚΑΘΕ ΚΑΤΑΣΤΑΣΗ ΣΤΟΝ ΣΥΓΚΕΝΤΡΩΤΙΚΟ ΣΤΑΘΜΟ")});
    for (int i = 1; i <= kSources; ++i) block.addLine({joinedRow(estimates.P.row(i))});
    block.addLine();
    block.addLine({QStringLiteral("Γ")});
    block.addLine({QStringLiteral("ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟ ")});
    block.addLine({estimates.X});
    return block;
}

}  // namespace orven::simple_sim
