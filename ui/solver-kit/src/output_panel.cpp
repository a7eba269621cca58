#include "orven/ui/output_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "orven/ui/exact_value_label.h"
#include "orven/ui/heading_line.h"
#include "orven/ui/list_row.h"
#include "orven/ui/named_control.h"
#include "orven/ui/window_keys.h"

namespace orven::ui {

OutputPanel::OutputPanel(const QString& heading, std::vector<qsizetype> headingStarts, int lists,
                         QWidget* parent)
    : QWidget(parent),
      Label4_(
          namedControl<HeadingLine>(QStringLiteral("Label4"), heading, std::move(headingStarts))),
      List1_(new ListRow(this)),
      Text4_(namedControl<QLineEdit>(QStringLiteral("Text4"), QString(), this)),
      exact_(namedControl<ExactValueLabel>(QStringLiteral("ExactValue"), this)) {
    List1_->setHeadingLine(Label4_);
    // Room for an entry of the usual size, so the lists keep their width from run to run.
    List1_->setMinimumColumnWidth(fontMetrics().horizontalAdvance(QStringLiteral("0.0000000")));
    for (int k = 0; k < lists; ++k) {
        List1_->addColumn(namedControl<QListWidget>(QStringLiteral("List1_%1").arg(k)));
    }
    makeOutputField(*Text4_);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(
        namedControl<QLabel>(QStringLiteral("Label3"), QStringLiteral("έξοδος average"), this));
    outputRow->addWidget(Text4_);
    outputRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(List1_, 1);
    layout->addLayout(outputRow);
    layout->addWidget(exact_);
}

void OutputPanel::showClasses(int classes, const QString& heading) {
    Label4_->setText(heading);
    for (int k = 1; k < List1_->columnCount(); ++k) List1_->setColumnVisible(k, k <= classes);
    List1_->fitColumns();
}

void OutputPanel::clearLists() {
    for (int k = 0; k < List1_->columnCount(); ++k) List1_->list(k)->clear();
    exact_->clear();
}

void OutputPanel::showStates(const QStringList& states) {
    List1_->list(0)->addItems(states);
}

void OutputPanel::showRates(const std::vector<QStringList>& rates) {
    for (std::size_t i = 0; i < rates.size() && static_cast<int>(i) + 1 < List1_->columnCount();
         ++i) {
        List1_->list(static_cast<int>(i) + 1)->addItems(rates[i]);
    }
}

void OutputPanel::showOutput(const QString& text) {
    Text4_->setText(text);
}

}  // namespace orven::ui
