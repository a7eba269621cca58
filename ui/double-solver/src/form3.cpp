#include "orven/ui/double_solver/form3.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "orven/ui/end_program.h"
#include "orven/ui/named_control.h"
#include "orven/ui/window_keys.h"
#include "picture_button.h"

namespace orven::double_solver {

namespace {

using ui::namedControl;

// The object names of the lists and their headings, from left to right: the serial numbers
// a/a, the experiment number, then the columns R to Χ.
std::vector<ui::SummaryListNames> listNames() {
    std::vector<ui::SummaryListNames> names{{QStringLiteral("List3"), QStringLiteral("Label1")},
                                            {QStringLiteral("List2"), QStringLiteral("Label2")}};
    for (int c = 1; c <= 10; ++c) {
        names.push_back({QStringLiteral("List1_%1").arg(c), QStringLiteral("Label%1").arg(c + 2)});
    }
    return names;
}

}  // namespace

Form3::Form3(const solver_kit::RunSummary& summary, Platform& platform, QWidget* parent)
    : ui::SummaryWindow(summary, listNames(), platform, parent) {
    auto* back = namedControl<PictureButton>(QStringLiteral("Picture1"),
                                             PictureButton::Picture::Back, QStringLiteral("BACK"));
    auto* print = namedControl<PictureButton>(
        QStringLiteral("Picture2"), PictureButton::Picture::Print, QStringLiteral("PRINT"));
    auto* exit = namedControl<PictureButton>(QStringLiteral("Picture3"),
                                             PictureButton::Picture::Exit, QStringLiteral("EXIT"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addStretch();
    buttons->addWidget(exit);
    layout().addLayout(buttons);

    connect(back, &QAbstractButton::clicked, this, &QWidget::close);
    connect(print, &QAbstractButton::clicked, this, &Form3::print);
    connect(exit, &QAbstractButton::clicked, this, &ui::endProgram);
    ui::setWindowKeys(*this, nullptr, [this] { close(); });
}

}  // namespace orven::double_solver
