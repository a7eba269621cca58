#include "orven/ui/simple_solver/form3.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "orven/ui/end_program.h"
#include "orven/ui/window_keys.h"

namespace orven::simple_solver {

namespace {

// The object names of the lists and their headings, from left to right: the serial numbers
// a/a, the experiment number, then the columns R to Χ.
std::vector<ui::SummaryListNames> listNames() {
    std::vector<ui::SummaryListNames> names{{QStringLiteral("List3"), QStringLiteral("Label10")},
                                            {QStringLiteral("List2"), QStringLiteral("Label1")}};
    for (int c = 1; c <= 8; ++c) {
        names.push_back({QStringLiteral("List1_%1").arg(c), QStringLiteral("Label%1").arg(c + 1)});
    }
    return names;
}

}  // namespace

Form3::Form3(const solver_kit::RunSummary& summary, Platform& platform, QWidget* parent)
    : ui::SummaryWindow(summary, listNames(), platform, parent) {
    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("ffl"));
    QAction* back = file->addAction(QStringLiteral("Back"));
    back->setObjectName(QStringLiteral("bbk"));
    QAction* print = file->addAction(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("pprt"));
    QAction* exit = file->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("eexd"));
    layout().setMenuBar(menuBar);

    connect(back, &QAction::triggered, this, &QWidget::close);
    connect(print, &QAction::triggered, this, &Form3::print);
    connect(exit, &QAction::triggered, this, &ui::endProgram);
    ui::setWindowKeys(*this, nullptr, [this] { close(); });
}

}  // namespace orven::simple_solver
