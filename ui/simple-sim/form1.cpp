#include "form1.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "form2.h"
#include "model_picture.h"
#include "orven/ui/named_control.h"

namespace orven::simple_sim {

namespace {

QLineEdit* makeBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = ui::namedControl<QLineEdit>(name, text, parent);
    box->setMaximumWidth(80);
    return box;
}

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), form2_(new Form2(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("MONTE CARLO SIMULATION"));

    // Populations: a column at the top left, each caption to the left of its box.
    auto* populations = new QGridLayout;
    for (int i = 1; i <= kSources; ++i) {
        const QString index = QString::number(i);
        populations->addWidget(
            ui::namedControl<QLabel>(QStringLiteral("Label") + index, populationHeading(i), this),
            i - 1, 0);
        QLineEdit* box = makeBox(QStringLiteral("Text") + index, QStringLiteral("5"), this);
        populationBoxes_[static_cast<std::size_t>(i - 1)] = box;
        populations->addWidget(box, i - 1, 1);
    }

    // The experiments, in a frame without caption at the top right.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    auto* options = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("1o Πείραμα"), QStringLiteral("2o Πείραμα"),
                                QStringLiteral("3o Πείραμα"), QStringLiteral("Tυχαίες")};
    for (int index = 0; index < 4; ++index) {
        auto* option = new QRadioButton(captions[index], frame);
        option->setObjectName(QStringLiteral("Option1_") + QString::number(index));
        group->addButton(option, index);
        options->addWidget(option);
    }
    group->button(simulator_.experiment())->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int index) { simulator_.setExperiment(index); });

    auto* top = new QHBoxLayout;
    top->addLayout(populations);
    top->addWidget(new ModelPicture(this), 1);
    top->addWidget(frame, 0, Qt::AlignTop);

    // Run length and progress at the bottom left.
    Text5_ = makeBox(QStringLiteral("Text5"), simulator_.runtimeText(), this);
    Label6_ = ui::namedControl<QLabel>(QStringLiteral("Label6"), QString(), this);
    auto* runLength = new QGridLayout;
    runLength->addWidget(
        ui::namedControl<QLabel>(QStringLiteral("Label5"), QStringLiteral("ΧΡΟΝΟΣ ΠΕΙΡ."), this), 0,
        0);
    runLength->addWidget(Text5_, 0, 1);
    runLength->addWidget(Label6_, 1, 0, 1, 2);

    // The buttons in a two-by-two block at the bottom right.
    Command1_ =
        ui::namedControl<QPushButton>(QStringLiteral("Command1"), QStringLiteral("Start"), this);
    auto* results =
        ui::namedControl<QPushButton>(QStringLiteral("Command3"), QStringLiteral("Results"), this);
    auto* setTimeButton =
        ui::namedControl<QPushButton>(QStringLiteral("Command4"), QStringLiteral("Set time"), this);
    auto* exit =
        ui::namedControl<QPushButton>(QStringLiteral("Command2"), QStringLiteral("Exit"), this);
    auto* buttons = new QGridLayout;
    buttons->addWidget(Command1_, 0, 0);
    buttons->addWidget(results, 0, 1);
    buttons->addWidget(setTimeButton, 1, 0);
    buttons->addWidget(exit, 1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(runLength);
    bottom->addStretch(1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(Command1_, &QPushButton::clicked, this, &Form1::start);
    connect(results, &QPushButton::clicked, this, &Form1::showResultsWindow);
    connect(setTimeButton, &QPushButton::clicked, this, &Form1::setTime);
    connect(exit, &QPushButton::clicked, this, &Form1::endProgram);
    connect(form2_, &Form2::exitRequested, this, &Form1::endProgram);
}

Form1::~Form1() = default;

void Form1::start() {
    std::array<QString, kSources> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = populationBoxes_[i]->text();
    Command1_->setEnabled(false);
    simulator_.start(texts, platform_, *this);
    Command1_->setEnabled(true);
}

void Form1::showResultsWindow() {
    form2_->showBeside(*this);
}

void Form1::setTime() {
    if (simulator_.setTime(platform_) == SimpleSimulator::SetTimeOutcome::Changed)
        Text5_->setText(simulator_.runtimeText());
}

void Form1::endProgram() {
    if (ending_) return;
    ending_ = true;
    simulator_.requestStop();
    form2_->close();
    close();
    emit programEnded();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program like "Exit", also in the middle of a run.
    event->accept();
    endProgram();
}

void Form1::showProgress(const QString& text) {
    Label6_->setText(text);
}

void Form1::showResults(const ResultsContent& content) {
    form2_->showContent(content);
    form2_->showBeside(*this);
}

}  // namespace orven::simple_sim
