#include "orven/ui/sim_kit/simulator_controls.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "orven/sim/run_controller.h"
#include "orven/ui/end_program.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/named_control.h"
#include "orven/ui/sim_kit/results_window.h"
#include "orven/ui/window_keys.h"

namespace orven::ui {

SimulatorControls::SimulatorControls(QWidget& window, sim::RunController& controller,
                                     Platform& platform, SimResultsWindow& results,
                                     const std::vector<Option>& options, int experiment)
    : QObject(&window),
      window_(window),
      controller_(controller),
      platform_(platform),
      results_(results) {
    Frame1_ = namedControl<QFrame>(QStringLiteral("Frame1"), &window);
    Frame1_->setFrameShape(QFrame::Box);
    auto* column = new QVBoxLayout(Frame1_);
    auto* group = new QButtonGroup(this);
    int experiments = 0;
    for (const Option& option : options) experiments = std::max(experiments, option.experiment + 1);
    Option1_.assign(static_cast<std::size_t>(experiments), nullptr);
    for (const Option& option : options) {
        auto* button = namedControl<QRadioButton>(
            QStringLiteral("Option1_") + QString::number(option.experiment), option.caption,
            Frame1_);
        Option1_[static_cast<std::size_t>(option.experiment)] = button;
        tabOrder_.push_back(button);
        group->addButton(button, option.experiment);
        column->addWidget(button);
    }
    Option1_.at(static_cast<std::size_t>(experiment))->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &SimulatorControls::experimentChosen);
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) results_.exactValue().clear();
    });

    Label5_ =
        namedControl<QLabel>(QStringLiteral("Label5"), QStringLiteral("ΧΡΟΝΟΣ ΠΕΙΡ."), &window);
    Text5_ = namedControl<QLineEdit>(QStringLiteral("Text5"), controller_.runtimeText(), &window);
    Text5_->setMaximumWidth(Text5_->fontMetrics().horizontalAdvance(QStringLiteral("1E+14__")) +
                            12);
    // The run length in use, which only "Set time" changes.
    makeOutputField(*Text5_);
    Label6_ = namedControl<QLabel>(QStringLiteral("Label6"), QString(), &window);

    Command1_ =
        namedControl<QPushButton>(QStringLiteral("Command1"), QStringLiteral("Start"), &window);
    Command3_ =
        namedControl<QPushButton>(QStringLiteral("Command3"), QStringLiteral("Results"), &window);
    Command4_ =
        namedControl<QPushButton>(QStringLiteral("Command4"), QStringLiteral("Set time"), &window);
    Command2_ =
        namedControl<QPushButton>(QStringLiteral("Command2"), QStringLiteral("Exit"), &window);
    Command5_ = namedControl<QPushButton>(QStringLiteral("Command5"), QStringLiteral("Διαγράμματα"),
                                          &window);
    connect(Command1_, &QPushButton::clicked, this, &SimulatorControls::startClicked);
    connect(Command3_, &QPushButton::clicked, this, &SimulatorControls::showResultsWindow);
    connect(Command4_, &QPushButton::clicked, this, &SimulatorControls::setTime);
    connect(Command2_, &QPushButton::clicked, this, &SimulatorControls::endProgram);
    connect(Command5_, &QPushButton::clicked, this, &SimulatorControls::plotsClicked);
    window.installEventFilter(this);
}

void SimulatorControls::layOut(QLayout* populations, QWidget* picture) {
    auto* top = new QHBoxLayout;
    top->addLayout(populations);
    top->addWidget(picture, 1);
    top->addWidget(Frame1_, 0, Qt::AlignTop);

    auto* runLength = new QGridLayout;
    runLength->addWidget(Label5_, 0, 0);
    runLength->addWidget(Text5_, 0, 1);
    runLength->addWidget(Label6_, 1, 0, 1, 2);

    auto* buttons = new QGridLayout;
    buttons->addWidget(Command1_, 0, 0);
    buttons->addWidget(Command3_, 0, 1);
    buttons->addWidget(Command5_, 0, 2);
    buttons->addWidget(Command4_, 1, 0);
    buttons->addWidget(Command2_, 1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(runLength);
    bottom->addStretch(1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(&window_);
    layout->addLayout(top);
    layout->addLayout(bottom);

    // Tab goes from the population fields, as they stand, to the options and the buttons; the
    // first field has the focus when the window opens, so that Enter starts a run.
    std::vector<QWidget*> order;
    for (int index = 0; index < populations->count(); ++index) {
        QWidget* field = populations->itemAt(index)->widget();
        if (field != nullptr && (field->focusPolicy() & Qt::TabFocus)) order.push_back(field);
        // The exact value belongs to the populations of the last run.
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            connect(edit, &QLineEdit::textChanged, this, [this] { results_.exactValue().clear(); });
        }
    }
    order.insert(order.end(), tabOrder_.begin(), tabOrder_.end());
    order.insert(order.end(), {Command1_, Command3_, Command5_, Command4_, Command2_});
    for (std::size_t index = 1; index < order.size(); ++index)
        QWidget::setTabOrder(order[index - 1], order[index]);
    order.front()->setFocus();
    setWindowKeys(window_, Command1_);
}

void SimulatorControls::runStarted() {
    // The exact value of the run before is no longer computed for a window that moves on.
    results_.exactValue().cancel();
    Command1_->setEnabled(false);
    Frame1_->setEnabled(false);
}

void SimulatorControls::runEnded() {
    Command1_->setEnabled(true);
    Frame1_->setEnabled(true);
}

void SimulatorControls::showProgress(const QString& text) {
    Label6_->setText(text);
}

void SimulatorControls::showResults(const sim::ResultsContent& content) {
    results_.showContent(content);
    results_.showBeside(window_);
}

bool SimulatorControls::eventFilter(QObject* watched, QEvent* event) {
    // Closing the main window ends the program like "Exit", also in the middle of a run.
    if (watched == &window_ && event->type() == QEvent::Close) {
        controller_.requestStop();
        ui::endProgram();
    }
    return QObject::eventFilter(watched, event);
}

void SimulatorControls::setTime() {
    if (controller_.setTime(platform_) == sim::RunController::SetTimeOutcome::Changed)
        Text5_->setText(controller_.runtimeText());
}

void SimulatorControls::showResultsWindow() {
    results_.showBeside(window_);
}

void SimulatorControls::endProgram() {
    controller_.requestStop();
    ui::endProgram();
}

}  // namespace orven::ui
