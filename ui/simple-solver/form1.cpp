#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "form2.h"
#include "form3.h"
#include "orven/number_text.h"
#include "orven/platform.h"
#include "orven/ui/named_control.h"

namespace orven::simple_solver::ui {

namespace {

using orven::ui::namedControl;

// The classes whose list boxes the window shows for an R: 2, 3 or 4; any other R keeps the
// lists as they are until "start" refuses it.
bool hasClassLists(int R) {
    return R >= 2 && R <= 4;
}

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Σταθμός"));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(inputColumn());
    layout->addLayout(outputColumn(), 1);

    // Connected after the initial texts are in place: they are not edits.
    connect(text1_, &QLineEdit::textChanged, this,
            [this](const QString& text) { solver_.setR(numberFromText(text)); });
    for (int k = 0; k < kPopulationFields; ++k) {
        connect(text2_[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this,
                [this, k](const QString& text) { populationEdited(k, text); });
    }
}

Form1::~Form1() {
    setBusy(false);
}

// R, the population fields, the experiment name and the buttons, in a column on the left.
QLayout* Form1::inputColumn() {
    auto* inputs = new QGridLayout;
    inputs->addWidget(
        namedControl<QLabel>(QStringLiteral("Label1"), QStringLiteral("Αριθμός τάξων R"), this), 0,
        0);
    text1_ = namedControl<QLineEdit>(QStringLiteral("Text1"), displayForm(solver_.R()), this);
    inputs->addWidget(text1_, 0, 1);
    for (int k = 0; k < kPopulationFields; ++k) {
        const auto at = static_cast<std::size_t>(k);
        label2_[at] = namedControl<QLabel>(QStringLiteral("Label2_%1").arg(k),
                                           QStringLiteral("N%1").arg(k + 1), this);
        text2_[at] = namedControl<QLineEdit>(QStringLiteral("Text2_%1").arg(k),
                                             displayForm(solver_.population(k)), this);
        label2_[at]->hide();
        text2_[at]->hide();
        inputs->addWidget(label2_[at], k + 1, 0);
        inputs->addWidget(text2_[at], k + 1, 1);
    }
    text3_ = namedControl<QLineEdit>(QStringLiteral("Text3"), QString(), this);
    text3_->setReadOnly(true);
    auto* variables =
        namedControl<QPushButton>(QStringLiteral("Command1"), QStringLiteral("variables"), this);
    auto* start =
        namedControl<QPushButton>(QStringLiteral("Command2"), QStringLiteral("start"), this);
    auto* summary = namedControl<QPushButton>(QStringLiteral("Command4"),
                                              QStringLiteral("ΣΥΓΚΕΝΤΡΩΤΙΚΑ "), this);
    auto* exit =
        namedControl<QPushButton>(QStringLiteral("Command3"), QStringLiteral("EXIT"), this);
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addLayout(inputs);
    leftColumn->addWidget(text3_);
    for (QPushButton* b : {variables, start, summary, exit}) leftColumn->addWidget(b);
    leftColumn->addStretch();

    connect(variables, &QPushButton::clicked, this, &Form1::openExperimentWindow);
    connect(start, &QPushButton::clicked, this, &Form1::start);
    connect(summary, &QPushButton::clicked, this, &Form1::openSummaryWindow);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    return leftColumn;
}

// The heading over the list boxes, the lists side by side and the output, on the right.
QLayout* Form1::outputColumn() {
    // The heading is drawn in a fixed-width font so that each list stands under its heading.
    label4_ = namedControl<QLabel>(QStringLiteral("Label4"), outputHeading(3), this);
    label4_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics headingMetrics(label4_->font());
    const auto spans = outputHeadingSpans();
    auto* listsRow = new QHBoxLayout;
    listsRow->setSpacing(0);
    for (int k = 0; k < kOutputLists; ++k) {
        const auto at = static_cast<std::size_t>(k);
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("List1_%1").arg(k));
        list->setFixedWidth(headingMetrics.horizontalAdvance(QString(spans[at], QLatin1Char(' '))));
        list1_[at] = list;
        listsRow->addWidget(list);
    }
    listsRow->addStretch();
    showClassLists(3);
    text4_ = namedControl<QLineEdit>(QStringLiteral("Text4"), QString(), this);
    text4_->setReadOnly(true);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(
        namedControl<QLabel>(QStringLiteral("Label3"), QStringLiteral("έξοδος average"), this));
    outputRow->addWidget(text4_);
    outputRow->addStretch();
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(label4_);
    rightColumn->addLayout(listsRow, 1);
    rightColumn->addLayout(outputRow);
    return rightColumn;
}

void Form1::populationEdited(int k, const QString& text) {
    solver_.setPopulation(k, numberFromText(text));
    showSetUp();
}

void Form1::openExperimentWindow() {
    // R can no longer be edited from here on, until the program ends.
    text1_->setEnabled(false);
    if (!experimentWindow_) {
        experimentWindow_ = new Form2(this);
        connect(experimentWindow_, &Form2::experimentChosen, this, &Form1::experimentChosen);
    }
    experimentWindow_->show();
    experimentWindow_->raise();
    experimentWindow_->activateWindow();
}

void Form1::experimentChosen(int code) {
    text3_->setText(experimentName(code));
    solver_.chooseExperiment(code);
}

void Form1::start() {
    struct View final : solver_kit::SolverView {
        Form1& form;
        explicit View(Form1& f) : form(f) {}
        void runAccepted() override { form.clearOutputLists(); }
        void setUpDone() override { form.showSetUp(); }
        void computingStarted() override { form.setBusy(true); }
        void computingEnded() override { form.setBusy(false); }
        void showOutput(const QString& text) override { form.text4_->setText(text); }
        void showStates(const QStringList& states) override { form.list1_[0]->addItems(states); }
        void showRates(const std::vector<QStringList>& rates) override {
            for (std::size_t i = 0; i < rates.size() && i + 1 < form.list1_.size(); ++i) {
                form.list1_[i + 1]->addItems(rates[i]);
            }
        }
    } view(*this);
    solver_.start(platform_, view);
}

void Form1::openSummaryWindow() {
    if (!summaryWindow_) {
        summaryWindow_ = new Form3(solver_.summary(), platform_, this);
        connect(summaryWindow_, &Form3::unloadRequested, this, &Form1::unloadSummaryWindow);
        connect(summaryWindow_, &Form3::endRequested, this, &QWidget::close);
    }
    summaryWindow_->show();
    summaryWindow_->raise();
    summaryWindow_->activateWindow();
}

void Form1::unloadSummaryWindow() {
    Form3* window = summaryWindow_;
    summaryWindow_ = nullptr;
    if (window != nullptr) window->deleteLater();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (summaryWindow_) summaryWindow_->close();
    if (experimentWindow_) experimentWindow_->close();
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}

void Form1::showSetUp() {
    for (int k = 0; k < solver_.shownFields() && k < kPopulationFields; ++k) {
        label2_[static_cast<std::size_t>(k)]->show();
        text2_[static_cast<std::size_t>(k)]->show();
    }
    showClassLists(solver_.state().R);
}

void Form1::showClassLists(int classes) {
    if (!hasClassLists(classes)) return;
    label4_->setText(outputHeading(classes));
    for (int k = 1; k < kOutputLists; ++k) {
        list1_[static_cast<std::size_t>(k)]->setVisible(k <= classes);
    }
}

void Form1::clearOutputLists() {
    for (QListWidget* list : list1_) list->clear();
}

void Form1::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace orven::simple_solver::ui
