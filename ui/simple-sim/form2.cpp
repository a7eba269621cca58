#include "form2.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace orven::simple_sim {

namespace {

QString columnHeadings() {
    // The blanks between the headings stand as the window has always had them.
    const QString gaps[] = {QString(13, u' '), QString(11, u' '), QString(14, u' '),
                            QString(11, u' '), QString(12, u' ')};
    QString text = QStringLiteral("Ν1");
    for (int i = 0; i < 5; ++i) text += gaps[i] + QStringLiteral("Ν") + QString::number(i + 2);
    return text;
}

QListWidget* makeList(const QString& name, QWidget* parent, int width) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFixedWidth(width);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ"));

    auto* heading = new QLabel(QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ p(i)"), this);
    heading->setObjectName(QStringLiteral("Label5"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(12);
    heading->setFont(bold);

    auto* headings = new QLabel(columnHeadings(), this);
    headings->setObjectName(QStringLiteral("Label7"));

    // Each list as wide as the stretch of headings above it, so that the headings stand over
    // their columns.
    constexpr int spacing = 6;
    constexpr int statesWidth = 36;
    const int columnWidth = std::max(
        64, headings->fontMetrics().horizontalAdvance(columnHeadings().left(15)) - spacing);
    headings->setContentsMargins(statesWidth + spacing, 0, 0, 0);
    List2_ = makeList(QStringLiteral("List2"), this, statesWidth);
    for (int i = 1; i <= 6; ++i)
        List1_[static_cast<std::size_t>(i)] =
            makeList(QStringLiteral("List1_") + QString::number(i), this, columnWidth);
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);

    auto* lists = new QHBoxLayout;
    lists->setSpacing(spacing);
    lists->addWidget(List2_);
    for (int i : {1, 2, 3}) lists->addWidget(List1_[static_cast<std::size_t>(i)]);
    lists->addWidget(line);
    for (int i : {5, 4, 6}) lists->addWidget(List1_[static_cast<std::size_t>(i)]);

    auto* close = new QPushButton(QStringLiteral("close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    auto* exit = new QPushButton(QStringLiteral("exit"), this);
    exit->setObjectName(QStringLiteral("Command2"));
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text2_ = new QLineEdit(this);
    Text2_->setObjectName(QStringLiteral("Text2"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(close);
    buttons->addWidget(Text1_);
    buttons->addWidget(Text2_);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(headings);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(exit, &QPushButton::clicked, this, &Form2::exitRequested);
}

void Form2::showContent(const ResultsContent& content) {
    List2_->clear();
    for (QListWidget* list : List1_)
        if (list != nullptr) list->clear();
    Text1_->clear();
    Text2_->clear();
    List2_->addItems(content.states);
    for (int i = 1; i <= kSources; ++i)
        List1_[static_cast<std::size_t>(i)]->addItems(
            content.columns[static_cast<std::size_t>(i - 1)]);
    Text1_->setText(content.output);
}

void Form2::showBeside(const QWidget& main) {
    const QRect frame = main.frameGeometry();
    resize(width(), main.height());
    move(frame.left() + frame.width(), frame.top());
    show();
    raise();
}

}  // namespace orven::simple_sim
