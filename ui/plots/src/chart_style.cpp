#include "orven/ui/plots/chart_style.h"

#include <QChart>
#include <QFont>
#include <QLegend>

#include "orven/number_text.h"

namespace orven::ui {

QLocale chartLocale() {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

void styleChart(QChart& chart, const QString& title) {
    chart.setLocale(chartLocale());
    chart.setLocalizeNumbers(true);
    chart.setTitle(title);
    QFont titleFont = chart.titleFont();
    titleFont.setBold(true);
    chart.setTitleFont(titleFont);
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(6, 6, 6, 6));
}

QString chartNumber(double value) {
    return displayForm(value);
}

}  // namespace orven::ui
