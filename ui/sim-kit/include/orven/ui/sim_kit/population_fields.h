#pragma once

#include <QStringList>
#include <vector>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace orven::ui {

// The population inputs of a simulator's main window: a column of fields Text1, Text2, ...,
// each holding "5" and headed by its label Label1, Label2, ... to its left.
struct PopulationFields {
    QGridLayout* layout;
    std::vector<QLineEdit*> fields;  // Text<k> is fields[k - 1]
};

PopulationFields populationFields(QWidget& window, const QStringList& headings);

}  // namespace orven::ui
