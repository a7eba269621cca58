#include "orven/ui/sim_kit/population_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "orven/ui/named_control.h"

namespace orven::ui {

PopulationFields populationFields(QWidget& window, const QStringList& headings) {
    PopulationFields populations{new QGridLayout, {}};
    for (int row = 0; row < headings.size(); ++row) {
        const QString index = QString::number(row + 1);
        populations.layout->addWidget(
            namedControl<QLabel>(QStringLiteral("Label") + index, headings[row], &window), row, 0);
        auto* field =
            namedControl<QLineEdit>(QStringLiteral("Text") + index, QStringLiteral("5"), &window);
        field->setMaximumWidth(80);
        populations.fields.push_back(field);
        populations.layout->addWidget(field, row, 1);
    }
    return populations;
}

}  // namespace orven::ui
