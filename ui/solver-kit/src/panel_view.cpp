#include "orven/ui/panel_view.h"

#include <QLineEdit>

#include "orven/ui/exact_value_label.h"
#include "orven/ui/output_panel.h"

namespace orven::ui {

void PanelView::followRunsIn(OutputPanel& panel, QLineEdit& classCount,
                             std::span<QLineEdit* const> populations) {
    panel_ = &panel;
    classCount_ = &classCount;
    populations_.assign(populations.begin(), populations.end());
    // The exact value belongs to the inputs of the last run: an edit leaves nothing beside the
    // output that could pass for the value of the inputs as they now stand.
    for (QLineEdit* field : populations_) {
        QObject::connect(field, &QLineEdit::textChanged, &panel,
                         [&panel] { panel.exactValue().clear(); });
    }
    QObject::connect(&classCount, &QLineEdit::textChanged, &panel,
                     [&panel] { panel.exactValue().clear(); });
}

void PanelView::inputRefused(const solver_kit::InputProblem& problem) {
    // The focus goes to the field that is wrong, so that it can be corrected at once.
    QLineEdit* field = classCount_;
    if (problem.field != solver_kit::InputProblem::kClassCount) {
        field = populations_[static_cast<std::size_t>(problem.field)];
    }
    field->setEnabled(true);
    if (!field->isVisible()) return;
    field->setFocus();
    field->selectAll();
}

void PanelView::runAccepted() {
    panel_->clearLists();
}

void PanelView::computingStarted() {
    busy_.emplace();
}

void PanelView::computingEnded() {
    busy_.reset();
}

void PanelView::showOutput(const QString& text) {
    panel_->showOutput(text);
}

void PanelView::showStates(const QStringList& states) {
    panel_->showStates(states);
}

void PanelView::showRates(const std::vector<QStringList>& rates) {
    panel_->showRates(rates);
}

}  // namespace orven::ui
