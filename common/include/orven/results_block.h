#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

#include "orven/fixed4.h"

namespace orven {

// One item of a results-file line. A text is written between double quotes, unchanged; a
// number in its message form without the leading blank; a date as #yyyy-mm-dd hh:mm:ss#.
struct Single {
    float value;
};
using ResultsItem = std::variant<QString, double, Single, Fixed4, QDateTime>;

// The lines of one run's record, built in memory so that the file receives the whole block in
// one write or not at all.
class ResultsBlock {
  public:
    // A line of items separated by commas; no items gives an empty line.
    void addLine(std::vector<ResultsItem> items = {});
    // The lines of another block after this one's, as a record written in two appends reads.
    void append(const ResultsBlock& other) { lines_ += other.lines_; }

    const QStringList& lines() const { return lines_; }
    // Every line followed by CR LF, as text.
    QString text() const;
    // The same in the Greek single-byte code page (Windows-1253), as the file receives it.
    QByteArray encoded() const;

  private:
    QStringList lines_;
};

QString formatItem(const ResultsItem& item);

}  // namespace orven
