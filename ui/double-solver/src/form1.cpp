#include "orven/ui/double_solver/form1.h"
#include "orven/ui/summary_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "network_pictures.h"
#include "orven/double_solver/offsets.h"
#include "orven/number_text.h"
#include "orven/platform.h"
#include "orven/ui/dialog_owner.h"
#include "orven/ui/end_program.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/named_control.h"
#include "orven/ui/output_panel.h"
#include "orven/ui/placement.h"
#include "orven/ui/plots/plots_window.h"
#include "orven/ui/window_keys.h"
#include "plots.h"
#include "reduced_network_panel.h"

namespace orven::double_solver {

namespace {

using ui::namedControl;

QString outputHeading() {
    // The first three X are Greek capital chi, the fourth is Latin.
    return QStringLiteral("   n(r)           Χ1'(n)          Χ2'(n)         Χ5'(n)         X3'(n)");
}

std::vector<qsizetype> outputHeadingStarts() {
    const QString heading = outputHeading();
    return {0, heading.indexOf(QStringLiteral("Χ1'(n)")), heading.indexOf(QStringLiteral("Χ2'(n)")),
            heading.indexOf(QStringLiteral("Χ5'(n)")), heading.indexOf(QStringLiteral("X3'(n)"))};
}

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Σταθμός"));

    outputs_ = new ui::OutputPanel(outputHeading(), outputHeadingStarts(), kClasses + 1, this);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inputColumn());
    layout->addLayout(pictureColumn());
    layout->addWidget(outputs_, 1);
    outputs_->showClasses(kClasses, outputHeading());
    plotsWindow_ = newPlotsWindow(platform_, this);
    ui::setWindowKeys(*this, Command2_);
    followRunsIn(*outputs_, *Text1_, Text2_);

    // Connected after the initial texts are in place: they are not edits.
    connect(Text1_, &QLineEdit::textChanged, this, [this] { solver_.setR(ui::numberIn(*Text1_)); });
    for (int k = 0; k < kStations; ++k) {
        connect(Text2_[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this,
                [this, k] { populationEdited(k); });
    }
    connect(Text6_, &QLineEdit::textChanged, this,
            [this] { offsetEdited(*Text6_, *Text2_[0], &DoubleSolver::setK1S1); });
    connect(Text7_, &QLineEdit::textChanged, this,
            [this] { offsetEdited(*Text7_, *Text2_[3], &DoubleSolver::setS4); });
}

// R, the populations N1..N5, the offsets and the six buttons, in a column on the left.
QLayout* Form1::inputColumn() {
    auto* inputs = new QGridLayout;
    auto addRow = [&](const QString& initialText, const QString& heading, QLineEdit*& field,
                      const QString& headingName, const QString& fieldName) {
        const int row = inputs->rowCount();
        inputs->addWidget(namedControl<QLabel>(headingName, heading, this), row, 0);
        field = namedControl<QLineEdit>(fieldName, initialText, this);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        inputs->addWidget(field, row, 1);
    };
    addRow(displayForm(solver_.R()), QStringLiteral("Αριθμός τάξων R"), Text1_,
           QStringLiteral("Label1"), QStringLiteral("Text1"));
    for (int k = 0; k < kStations; ++k) {
        addRow(displayForm(solver_.population(k)), QStringLiteral("N%1").arg(k + 1),
               Text2_[static_cast<std::size_t>(k)], QStringLiteral("Label2_%1").arg(k),
               QStringLiteral("Text2_%1").arg(k));
    }
    addRow(displayForm(solver_.K1S1()), QStringLiteral("K1 - S1"), Text6_, QStringLiteral("Label5"),
           QStringLiteral("Text6"));
    addRow(displayForm(solver_.S4()), QStringLiteral("S4"), Text7_, QStringLiteral("Label6"),
           QStringLiteral("Text7"));

    Command1_ =
        namedControl<QPushButton>(QStringLiteral("Command1"), QStringLiteral("variables"), this);
    Command2_ =
        namedControl<QPushButton>(QStringLiteral("Command2"), QStringLiteral("start"), this);
    Command4_ = namedControl<QPushButton>(QStringLiteral("Command4"),
                                          QStringLiteral("ΣΥΓΚΕΝΤΡΩΤΙΚΑ "), this);
    Command3_ = namedControl<QPushButton>(QStringLiteral("Command3"), QStringLiteral("EXIT"), this);
    Command5_ =
        namedControl<QPushButton>(QStringLiteral("Command5"), QStringLiteral("random μ"), this);
    Command6_ =
        namedControl<QPushButton>(QStringLiteral("Command6"), QStringLiteral("show μ"), this);
    Command7_ =
        namedControl<QPushButton>(QStringLiteral("Command7"), QStringLiteral("Διαγράμματα"), this);
    auto* column = new QVBoxLayout;
    column->addLayout(inputs);
    column->addStretch();
    for (QPushButton* b :
         {Command1_, Command2_, Command4_, Command3_, Command5_, Command6_, Command7_}) {
        column->addWidget(b);
    }

    connect(Command1_, &QPushButton::clicked, this, &Form1::openExperimentWindow);
    connect(Command2_, &QPushButton::clicked, this, &Form1::start);
    connect(Command4_, &QPushButton::clicked, this, [this] {
        ui::openSummaryWindow(summaryWindow_,
                              [this] { return new Form3(solver_.summary(), platform_, this); });
    });
    connect(Command3_, &QPushButton::clicked, this, &ui::endProgram);
    connect(Command5_, &QPushButton::clicked, this, &Form1::drawRandomRates);
    connect(Command6_, &QPushButton::clicked, this, &Form1::showRateWindow);
    connect(Command7_, &QPushButton::clicked, this, &Form1::openPlotsWindow);
    return column;
}

// The double network above the reduced network, with the populations of the reduced classes.
QLayout* Form1::pictureColumn() {
    for (int k = 0; k < kClasses; ++k) {
        QLineEdit*& field = Text5_[static_cast<std::size_t>(k)];
        field = namedControl<QLineEdit>(QStringLiteral("Text5_%1").arg(k), QString());
        ui::makeOutputField(*field);
    }
    auto* column = new QVBoxLayout;
    column->addWidget(namedControl<DoubleNetworkPicture>(QStringLiteral("Picture1"), this));
    column->addWidget(new ReducedNetworkPanel(Text5_, this));
    column->addStretch();
    return column;
}

void Form1::populationEdited(int k) {
    solver_.setPopulation(k, ui::numberIn(*Text2_[static_cast<std::size_t>(k)]));
    showReducedPopulations();
}

void Form1::offsetEdited(QLineEdit& offset, const QLineEdit& population,
                         void (DoubleSolver::*set)(double)) {
    // Putting the held text in place edits the field again, and that edit sets the offset.
    if (const auto held = clampedOffset(offset.text(), population.text())) {
        offset.setText(*held);
        return;
    }
    (solver_.*set)(ui::numberIn(offset));
}

void Form1::openExperimentWindow() {
    // R is kept from here on; one that no run accepts stays open to correction.
    if (solver_.hasValidR()) Text1_->setEnabled(false);
    if (!experimentWindow_) {
        experimentWindow_ = new Form2(this);
        connect(experimentWindow_, &Form2::experimentChosen, this, [this](int code) {
            if (code != solver_.experimentCode()) outputs_->exactValue().clear();
            solver_.chooseExperiment(code);
        });
    }
    ui::showInFront(*experimentWindow_);
}

void Form1::start() {
    const ui::DialogOwner owner(*this);
    const solver_kit::StartResult result = solver_.start(platform_, *this);
    if (result.end == solver_kit::StartEnd::Completed)
        outputs_->exactValue().compareSolver(solver_.exactRequest(), result.iteration->S);
    if (result.end != solver_kit::StartEnd::Refused) showRun(*plotsWindow_, solver_, result.end);
}

void Form1::openPlotsWindow() {
    ui::showInFront(*plotsWindow_);
}

void Form1::drawRandomRates() {
    const ui::DialogOwner owner(*this);
    const auto lists = solver_.drawRandomRates(platform_, *this);
    if (!lists) return;
    outputs_->exactValue().clear();
    showReducedPopulations();
    // The drawn rates wait in a hidden window until "show μ".
    reloadRateWindow(*lists);
    platform_.processEvents();
}

void Form1::showRateWindow() {
    if (!rateWindow_) rateWindow_ = new Form4(this);
    ui::showBeside(*rateWindow_, *this, outputs_);
    rateWindow_->showNormal();
    rateWindow_->raise();
    rateWindow_->activateWindow();
}

Form4& Form1::reloadRateWindow(const std::vector<QStringList>& lists) {
    auto* window = new Form4(this);
    if (rateWindow_) {
        ui::takePlaceOf(*window, *rateWindow_);
        delete rateWindow_.data();
    }
    rateWindow_ = window;
    rateWindow_->fill(lists);
    return *rateWindow_;
}

void Form1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    ui::endProgram();
}

void Form1::showReducedPopulations() {
    const auto N = solver_.shownReducedPopulations();
    for (std::size_t k = 0; k < Text5_.size(); ++k) {
        Text5_[k]->setText(N[k + 1] ? displayForm(*N[k + 1]) : QString());
    }
}

void Form1::setUpDone() {
    showReducedPopulations();
}

void Form1::runCompleted() {
    // The rate table window opens with the rates that the run used, drawn before the handler
    // returns.
    Form4& window = reloadRateWindow(solver_.rateTable());
    ui::showBeside(window, *this, outputs_);
    platform_.processEvents();
}

}  // namespace orven::double_solver
