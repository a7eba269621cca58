#include "orven/ui/double_solver/form4.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "orven/number_text.h"
#include "orven/ui/heading_line.h"
#include "orven/ui/list_row.h"
#include "orven/ui/named_control.h"
#include "orven/ui/window_keys.h"

namespace orven::double_solver {

namespace {

using ui::namedControl;

QString heading() {
    return QStringLiteral(
        "A/A        N1                        N2                         N5                    "
        "     N3");
}

// Where each column's heading starts in the heading line: the row numbers, then the stations
// of classes 1 to 4.
std::vector<qsizetype> headingStarts() {
    const QString text = heading();
    std::vector<qsizetype> starts;
    for (const char* name : {"A/A", "N1", "N2", "N5", "N3"}) {
        starts.push_back(text.indexOf(QLatin1String(name)));
    }
    return starts;
}

}  // namespace

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Window), List1_(new ui::ListRow(this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Ρυθμοί εισόδου"));

    List1_->setHeadingLine(
        namedControl<ui::HeadingLine>(QStringLiteral("Label1"), heading(), headingStarts()));
    for (int k = 0; k <= 4; ++k) {
        auto* list = namedControl<QListWidget>(QStringLiteral("List1_%1").arg(k));
        list->setSelectionMode(QAbstractItemView::NoSelection);
        List1_->addColumn(list);
    }
    auto* close =
        namedControl<QPushButton>(QStringLiteral("sdfsdfs"), QStringLiteral("close"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1_, 1);
    layout->addWidget(close, 0, Qt::AlignLeft);

    // Wide enough for four columns of four decimals and no wider: drawn rates, which show all
    // their digits, scroll sideways rather than widen the window over the main window.
    const QMargins margins = layout->contentsMargins();
    setFixedWidth(List1_->widthForEntries(displayForm(0.0625)) + margins.left() + margins.right());

    connect(close, &QPushButton::clicked, this, &QWidget::showMinimized);
    ui::setWindowKeys(*this, nullptr, [this] { showMinimized(); });
}

void Form4::fill(const std::vector<QStringList>& lists) {
    for (std::size_t k = 0; k < lists.size() && static_cast<int>(k) < List1_->columnCount(); ++k) {
        List1_->list(static_cast<int>(k))->addItems(lists[k]);
    }
}

}  // namespace orven::double_solver
