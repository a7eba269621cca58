#include "orven/ui/sim_kit/results_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "orven/ui/end_program.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/heading_line.h"
#include "orven/ui/list_row.h"
#include "orven/ui/named_control.h"
#include "orven/ui/placement.h"
#include "orven/ui/window_keys.h"

namespace orven::ui {

namespace {

QListWidget* makeList(const QString& name) {
    auto* list = namedControl<QListWidget>(name);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

// Where each column's heading starts in the heading text: nothing over the state numbers,
// then one word per probability column.
std::vector<qsizetype> headingStarts(const QString& text) {
    std::vector<qsizetype> starts{0};
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (!text[k].isSpace() && (k == 0 || text[k - 1].isSpace())) starts.push_back(k);
    }
    return starts;
}

}  // namespace

SimResultsWindow::SimResultsWindow(const ResultsLayout& layout, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ"));

    Label5_ =
        namedControl<QLabel>(QStringLiteral("Label5"), QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ p(i)"), this);
    QFont bold = Label5_->font();
    bold.setBold(true);
    bold.setPointSize(12);
    Label5_->setFont(bold);

    lists_ = new ListRow(this);
    List2_ = makeList(QStringLiteral("List2"));
    lists_->addColumn(List2_);
    const int columns = *std::max_element(layout.columnOrder.begin(), layout.columnOrder.end());
    List1_.assign(static_cast<std::size_t>(columns + 1), nullptr);
    for (std::size_t place = 0; place < layout.columnOrder.size(); ++place) {
        const int k = layout.columnOrder[place];
        QListWidget* list = makeList(QStringLiteral("List1_") + QString::number(k));
        List1_[static_cast<std::size_t>(k)] = list;
        lists_->addColumn(list);
        if (place + 1 == static_cast<std::size_t>(layout.lineAfter)) {
            Line1_ = namedControl<QFrame>(QStringLiteral("Line1"));
            Line1_->setFrameShape(QFrame::VLine);
            lists_->addSeparator(Line1_);
        }
    }
    Label7_ = namedControl<HeadingLine>(QStringLiteral("Label7"), layout.headings,
                                        headingStarts(layout.headings));
    lists_->setHeadingLine(Label7_);
    // The columns keep their place while the file prompt leaves them empty.
    lists_->setMinimumColumnWidth(fontMetrics().horizontalAdvance(QStringLiteral("0.0000")) +
                                  2 * fontMetrics().averageCharWidth());

    Command1_ =
        namedControl<QPushButton>(QStringLiteral("Command1"), QStringLiteral("close"), this);
    Command2_ = namedControl<QPushButton>(QStringLiteral("Command2"), QStringLiteral("exit"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1_);
    Text_.assign(static_cast<std::size_t>(layout.outputs + 1), nullptr);
    HalfWidth_.assign(static_cast<std::size_t>(layout.outputs + 1), nullptr);
    for (int k = 1; k <= layout.outputs; ++k) {
        QLineEdit* field =
            namedControl<QLineEdit>(QStringLiteral("Text") + QString::number(k), this);
        makeOutputField(*field);
        // A window held at its smallest still shows the whole figure, and does not widen from
        // one run to the next with its figures.
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0.00000")) +
                               12);
        Text_[static_cast<std::size_t>(k)] = field;
        buttons->addWidget(field);
        QLabel* halfWidth =
            namedControl<QLabel>(QStringLiteral("HalfWidth") + QString::number(k), QString(), this);
        halfWidth->setMinimumWidth(
            halfWidth->fontMetrics().horizontalAdvance(QStringLiteral("± 0.00000 (95 %)")));
        HalfWidth_[static_cast<std::size_t>(k)] = halfWidth;
        buttons->addWidget(halfWidth);
    }
    buttons->addWidget(Command2_);
    exact_ = namedControl<ExactValueLabel>(QStringLiteral("ExactValue"), this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(Label5_, 0, Qt::AlignHCenter);
    column->addWidget(lists_, 1);
    column->addLayout(buttons);
    column->addWidget(exact_);

    connect(Command1_, &QPushButton::clicked, this, &QWidget::hide);
    connect(Command2_, &QPushButton::clicked, this, [] { endProgram(); });
    setWindowKeys(*this, nullptr, [this] { hide(); });
}

void SimResultsWindow::showContent(const sim::ResultsContent& content) {
    const ListRow::DeferredFit fitOnce(*lists_);
    List2_->clear();
    for (QListWidget* list : List1_)
        if (list != nullptr) list->clear();
    for (QLineEdit* field : Text_)
        if (field != nullptr) field->clear();
    for (QLabel* label : HalfWidth_)
        if (label != nullptr) label->clear();
    if (content.outputs.isEmpty()) exact_->clear();
    List2_->addItems(content.states);
    for (std::size_t k = 1; k <= content.columns.size() && k < List1_.size(); ++k)
        List1_[k]->addItems(content.columns[k - 1]);
    for (std::size_t k = 1;
         k <= static_cast<std::size_t>(content.outputs.size()) && k < Text_.size(); ++k)
        Text_[k]->setText(content.outputs[static_cast<qsizetype>(k - 1)]);
    for (std::size_t k = 1;
         k <= static_cast<std::size_t>(content.halfWidths.size()) && k < HalfWidth_.size(); ++k)
        HalfWidth_[k]->setText(content.halfWidths[static_cast<qsizetype>(k - 1)]);
}

void SimResultsWindow::showBeside(QWidget& main) {
    ui::showBeside(*this, main);
}

}  // namespace orven::ui
