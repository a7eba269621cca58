#include "form3.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

#include "orven/platform.h"

namespace orven::simple_solver::ui {

namespace {

// The object names of the lists and their headings, from left to right: the serial numbers
// a/a, the experiment number, then the columns R to Χ.
struct ListNames {
    QString list;
    QString heading;
};

std::array<ListNames, 10> listNames() {
    std::array<ListNames, 10> names;
    names[0] = {QStringLiteral("List3"), QStringLiteral("Label10")};
    names[1] = {QStringLiteral("List2"), QStringLiteral("Label1")};
    for (int c = 1; c < 10 - 1; ++c) {
        names[static_cast<std::size_t>(c) + 1] = {QStringLiteral("List1_%1").arg(c),
                                                  QStringLiteral("Label%1").arg(c + 1)};
    }
    return names;
}

}  // namespace

Form3::Form3(const solver_kit::RunSummary& summary, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Συγκεντρωτικά"));

    auto* menuBar = new QMenuBar(this);
    auto* file = menuBar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("ffl"));
    QAction* back = file->addAction(QStringLiteral("Back"));
    back->setObjectName(QStringLiteral("bbk"));
    QAction* print = file->addAction(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("pprt"));
    QAction* exit = file->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("eexd"));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    const auto names = listNames();
    const auto& headings = summary.headings();
    for (std::size_t k = 0; k < names.size(); ++k) {
        auto* heading = new QLabel(headings[k], this);
        heading->setObjectName(names[k].heading);
        auto* list = new QListWidget(this);
        list->setObjectName(names[k].list);
        list->setMinimumWidth(56);
        grid->addWidget(heading, 0, static_cast<int>(k));
        grid->addWidget(list, 1, static_cast<int>(k));
    }
    layout->addLayout(grid);
    fillLists(summary.windowLists());
    fitSerialNumbers();
    scrollListsTogether();

    connect(back, &QAction::triggered, this, &QWidget::close);
    connect(print, &QAction::triggered, this, [this] { platform_.printWindow(*this); });
    connect(exit, &QAction::triggered, this, &Form3::endRequested);
}

void Form3::fillLists(const std::vector<QStringList>& lists) {
    const auto names = listNames();
    for (std::size_t k = 0; k < names.size(); ++k) {
        findChild<QListWidget*>(names[k].list)->addItems(lists[k]);
    }
}

void Form3::fitSerialNumbers() {
    // Tall enough for the whole a/a column, so that no list needs scrolling to show its rows.
    const auto* serials = findChild<QListWidget*>(QStringLiteral("List3"));
    const int height = serials->sizeHintForRow(0) * serials->count() + 2 * serials->frameWidth();
    for (QListWidget* list : findChildren<QListWidget*>()) list->setMinimumHeight(height);
}

void Form3::scrollListsTogether() {
    // Where the screen is too small for them: scrolling one scrolls all, so rows stay in line.
    const QList<QListWidget*> lists = findChildren<QListWidget*>();
    for (QListWidget* list : lists) {
        for (QListWidget* other : lists) {
            if (other == list) continue;
            connect(list->verticalScrollBar(), &QScrollBar::valueChanged,
                    other->verticalScrollBar(), &QScrollBar::setValue);
        }
    }
}

void Form3::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit unloadRequested();
}

}  // namespace orven::simple_solver::ui
