#include "orven/ui/simple_solver/form1.h"
#include "orven/ui/placement.h"
#include "orven/ui/summary_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "orven/number_text.h"
#include "orven/ui/dialog_owner.h"
#include "orven/ui/end_program.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/named_control.h"
#include "orven/ui/output_panel.h"
#include "orven/ui/plots/plots_window.h"
#include "orven/ui/window_keys.h"
#include "output_heading.h"
#include "plots.h"

namespace orven::simple_solver {

namespace {

using ui::namedControl;

// The classes whose lists the window shows for an R: 2, 3 or 4; any other R keeps the lists
// as they are until "start" refuses it.
bool hasClassLists(int R) {
    return R >= 2 && R <= 4;
}

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Σταθμός"));

    outputs_ = new ui::OutputPanel(outputHeading(3), outputHeadingStarts(), kOutputLists, this);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inputColumn());
    layout->addWidget(outputs_, 1);
    outputs_->showClasses(3, outputHeading(3));
    plotsWindow_ = newPlotsWindow(platform_, this, outputs_->exactValue());
    ui::setWindowKeys(*this, Command2_);
    followRunsIn(*outputs_, *Text1_, Text2_);

    // Connected after the initial texts are in place: they are not edits.
    connect(Text1_, &QLineEdit::textChanged, this, [this] { solver_.setR(ui::numberIn(*Text1_)); });
    for (int k = 0; k < kPopulationFields; ++k) {
        connect(Text2_[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this,
                [this, k] { populationEdited(k); });
    }
}

// R, the population fields, the experiment name and the buttons, in a column on the left.
QLayout* Form1::inputColumn() {
    auto* inputs = new QGridLayout;
    inputs->addWidget(
        namedControl<QLabel>(QStringLiteral("Label1"), QStringLiteral("Αριθμός τάξων R"), this), 0,
        0);
    Text1_ = namedControl<QLineEdit>(QStringLiteral("Text1"), displayForm(solver_.R()), this);
    inputs->addWidget(Text1_, 0, 1);
    for (int k = 0; k < kPopulationFields; ++k) {
        const auto at = static_cast<std::size_t>(k);
        Label2_[at] = namedControl<QLabel>(QStringLiteral("Label2_%1").arg(k),
                                           QStringLiteral("N%1").arg(k + 1), this);
        Text2_[at] = namedControl<QLineEdit>(QStringLiteral("Text2_%1").arg(k),
                                             displayForm(solver_.population(k)), this);
        Label2_[at]->hide();
        Text2_[at]->hide();
        inputs->addWidget(Label2_[at], k + 1, 0);
        inputs->addWidget(Text2_[at], k + 1, 1);
    }
    Text3_ = namedControl<QLineEdit>(QStringLiteral("Text3"), QString(), this);
    ui::makeOutputField(*Text3_);
    Command1_ =
        namedControl<QPushButton>(QStringLiteral("Command1"), QStringLiteral("variables"), this);
    Command2_ =
        namedControl<QPushButton>(QStringLiteral("Command2"), QStringLiteral("start"), this);
    Command4_ = namedControl<QPushButton>(QStringLiteral("Command4"),
                                          QStringLiteral("ΣΥΓΚΕΝΤΡΩΤΙΚΑ "), this);
    Command5_ =
        namedControl<QPushButton>(QStringLiteral("Command5"), QStringLiteral("Διαγράμματα"), this);
    Command3_ = namedControl<QPushButton>(QStringLiteral("Command3"), QStringLiteral("EXIT"), this);
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addLayout(inputs);
    leftColumn->addWidget(Text3_);
    for (QPushButton* b : {Command1_, Command2_, Command4_, Command5_, Command3_})
        leftColumn->addWidget(b);
    leftColumn->addStretch();

    connect(Command1_, &QPushButton::clicked, this, &Form1::openExperimentWindow);
    connect(Command2_, &QPushButton::clicked, this, &Form1::start);
    connect(Command4_, &QPushButton::clicked, this, [this] {
        ui::openSummaryWindow(summaryWindow_,
                              [this] { return new Form3(solver_.summary(), platform_, this); });
    });
    connect(Command5_, &QPushButton::clicked, this, &Form1::openPlotsWindow);
    connect(Command3_, &QPushButton::clicked, this, &ui::endProgram);
    return leftColumn;
}

void Form1::populationEdited(int k) {
    solver_.setPopulation(k, ui::numberIn(*Text2_[static_cast<std::size_t>(k)]));
    showSetUp();
}

void Form1::openExperimentWindow() {
    // R is kept for the experiments from here on; one that no run accepts stays open to
    // correction.
    if (solver_.hasValidR()) Text1_->setEnabled(false);
    if (!experimentWindow_) {
        experimentWindow_ = new Form2(this);
        connect(experimentWindow_, &Form2::experimentChosen, this, &Form1::experimentChosen);
    }
    ui::showInFront(*experimentWindow_);
}

void Form1::experimentChosen(int code) {
    if (code != solver_.experimentCode()) outputs_->exactValue().clear();
    Text3_->setText(experimentName(code));
    solver_.chooseExperiment(code);
}

void Form1::start() {
    const ui::DialogOwner owner(*this);
    const solver_kit::StartResult result = solver_.start(platform_, *this);
    if (result.end == solver_kit::StartEnd::Completed)
        outputs_->exactValue().compareSolver(solver_.exactModel(), result.iteration->S);
    if (result.end != solver_kit::StartEnd::Refused) showRun(*plotsWindow_, solver_, result.end);
}

void Form1::openPlotsWindow() {
    ui::showInFront(*plotsWindow_);
}

void Form1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    ui::endProgram();
}

void Form1::showSetUp() {
    for (int k = 0; k < solver_.shownFields() && k < kPopulationFields; ++k) {
        Label2_[static_cast<std::size_t>(k)]->show();
        Text2_[static_cast<std::size_t>(k)]->show();
    }
    const int classes = solver_.state().R;
    if (hasClassLists(classes)) outputs_->showClasses(classes, outputHeading(classes));
}

void Form1::setUpDone() {
    showSetUp();
}

}  // namespace orven::simple_solver
