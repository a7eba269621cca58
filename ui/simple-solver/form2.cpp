#include "form2.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "network_picture.h"

namespace orven::simple_solver::ui {

namespace {

// The captions keep their blanks: two after each comma in the first two, one in the third.
// The rates that a code sets come from the code alone, whatever its caption names.
std::array<QString, 3> optionCaptions() {
    return {QStringLiteral("μ1=1,  μ2=1,  μ3=1"), QStringLiteral("μ1=1/1.1,  μ2=1/1.2,  μ3=1/1.3"),
            QStringLiteral("μ1=1, μ2=0.5, μ3=0.25")};
}

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window), options_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Πείραμα"));

    auto* optionColumn = new QVBoxLayout;
    const auto captions = optionCaptions();
    for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
        auto* option = new QRadioButton(captions[static_cast<std::size_t>(k)], this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(k));
        options_->addButton(option, k);
        optionColumn->addWidget(option);
    }
    optionColumn->addStretch();

    auto* picture = new NetworkPicture(this);
    picture->setObjectName(QStringLiteral("Image1"));

    auto* row = new QHBoxLayout;
    row->addLayout(optionColumn);
    row->addWidget(picture, 0, Qt::AlignTop);

    auto* back = new QPushButton(QStringLiteral("back"), this);
    back->setObjectName(QStringLiteral("Command1"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(back, 0, Qt::AlignLeft);

    connect(options_, &QButtonGroup::idClicked, this, &Form2::experimentChosen);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace orven::simple_solver::ui
