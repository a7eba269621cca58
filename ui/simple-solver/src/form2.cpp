#include "orven/ui/simple_solver/form2.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "network_picture.h"
#include "orven/ui/named_control.h"
#include "orven/ui/window_keys.h"

namespace orven::simple_solver {

namespace {

using ui::namedControl;

// Each option names the rates its code sets: code 1 halves the rate from one class to the
// next, code 2 divides by 1.1, 1.2 and 1.3.
std::array<QString, 3> optionCaptions() {
    return {QStringLiteral("μ1=1,  μ2=1,  μ3=1"), QStringLiteral("μ1=1, μ2=0.5, μ3=0.25"),
            QStringLiteral("μ1=1/1.1,  μ2=1/1.2,  μ3=1/1.3")};
}

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window), Option1_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Πείραμα"));

    auto* optionColumn = new QVBoxLayout;
    const auto captions = optionCaptions();
    for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
        auto* option = namedControl<QRadioButton>(QStringLiteral("Option1_%1").arg(k),
                                                  captions[static_cast<std::size_t>(k)], this);
        Option1_->addButton(option, k);
        optionColumn->addWidget(option);
    }
    optionColumn->addStretch();

    auto* row = new QHBoxLayout;
    row->addLayout(optionColumn);
    row->addWidget(namedControl<NetworkPicture>(QStringLiteral("Image1"), this), 0, Qt::AlignTop);

    auto* back =
        namedControl<QPushButton>(QStringLiteral("Command1"), QStringLiteral("back"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(back, 0, Qt::AlignLeft);

    connect(Option1_, &QButtonGroup::idClicked, this, &Form2::experimentChosen);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
    ui::setWindowKeys(*this, nullptr, [this] { hide(); });
}

}  // namespace orven::simple_solver
