#pragma once

#include <QStringList>
#include <optional>
#include <vector>

namespace orven::sim {

struct Shares;

// What a simulator's results window shows, every number in its display form: the state
// numbers, one column per queue (columns[k - 1] is List1(k)) and the outputs (outputs[0] is
// Text1), each with the text of its 95 % half-width beside it.
struct ResultsContent {
    QStringList states;
    std::vector<QStringList> columns;
    QStringList outputs;
    QStringList halfWidths;

    friend bool operator==(const ResultsContent&, const ResultsContent&) = default;
};

// The window while the file prompt is open: the state numbers 0..nmax only.
ResultsContent stateNumbers(int nmax);

// The whole content: the state numbers, then "---" and `totalRowLabel`; for queues 1..queues,
// the shares of each length, ten hyphens and their total; then the outputs.
ResultsContent resultsContent(const Shares& shares, int queues, const QString& totalRowLabel,
                              const QStringList& outputs, const QStringList& halfWidths = {});

// "± 0.0041 (95 %)" in the display form, four decimals; empty without an interval.
QString halfWidthText(std::optional<double> halfWidth);

// The whole content as it stands before its totals: without the last two rows ("---" and the
// total row, ten hyphens and the total) of the state numbers and of every column.
ResultsContent withoutTotals(ResultsContent content);

}  // namespace orven::sim
