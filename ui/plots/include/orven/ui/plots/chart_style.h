#pragma once

#include <QLocale>
#include <QString>

class QChart;

namespace orven::ui {

// The locale whose decimal separator the charts' numbers take: the system's, without grouping
// separators, as every number in the windows is shown.
QLocale chartLocale();

// Gives a chart the look that every plot of the programs shares: numbers in the system locale's
// display form, the legend below the plot, a title in bold.
void styleChart(QChart& chart, const QString& title);

// A number as the charts' tooltips write it: the display form under the system locale.
QString chartNumber(double value);

}  // namespace orven::ui
