#include "orven/ui/summary_window.h"

#include <QVBoxLayout>

#include "orven/platform.h"
#include "orven/ui/dialog_owner.h"
#include "orven/ui/list_row.h"

namespace orven::ui {

SummaryWindow::SummaryWindow(const solver_kit::RunSummary& summary,
                             const std::vector<SummaryListNames>& names, Platform& platform,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), layout_(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Συγκεντρωτικά"));
    layout_->addWidget(summaryTable(summary, names, this), 1);
}

void SummaryWindow::print() {
    const DialogOwner owner(*this);
    platform_.printWindow(*this);
}

void SummaryWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit unloadRequested();
}

}  // namespace orven::ui
