#include "orven/ui/simple_sim/form1.h"
#include "orven/ui/placement.h"

#include <QGridLayout>
#include <QLineEdit>

#include "model_picture.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/plots/plots_window.h"
#include "orven/ui/sim_kit/population_fields.h"
#include "orven/ui/sim_kit/results_window.h"
#include "orven/ui/sim_kit/simulator_controls.h"
#include "plots.h"

namespace orven::simple_sim {

namespace {

ui::ResultsLayout resultsLayout() {
    // The blanks between the headings stand as the window has always had them: 13, 11, 14, 11
    // and 12.
    return {
        QStringLiteral("Ν1             Ν2           Ν3              Ν4           Ν5            Ν6"),
        {1, 2, 3, 5, 4, 6},
        3,
        2};
}

std::vector<ui::SimulatorControls::Option> experimentOptions() {
    return {{QStringLiteral("1o Πείραμα"), 0},
            {QStringLiteral("2o Πείραμα"), 1},
            {QStringLiteral("3o Πείραμα"), 2},
            {QStringLiteral("Tυχαίες"), sim::kRandomExperiment}};
}

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      form2_(new ui::SimResultsWindow(resultsLayout(), this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("MONTE CARLO SIMULATION"));
    controls_ = new ui::SimulatorControls(*this, simulator_.controller(), platform_, *form2_,
                                          experimentOptions(), simulator_.experiment());

    // Populations: a column at the top left, each caption to the left of its field.
    const ui::PopulationFields populations = ui::populationFields(
        *this, {populationHeading(1), populationHeading(2), populationHeading(3)});
    Text1_ = populations.fields[0];
    Text2_ = populations.fields[1];
    Text3_ = populations.fields[2];
    controls_->layOut(populations.layout, new ModelPicture(this));

    plotsWindow_ = newPlotsWindow(platform_, this, form2_->exactValue());
    connect(controls_, &ui::SimulatorControls::startClicked, this, &Form1::start);
    connect(controls_, &ui::SimulatorControls::plotsClicked, this, &Form1::openPlotsWindow);
    connect(controls_, &ui::SimulatorControls::experimentChosen, this,
            [this](int experiment) { simulator_.setExperiment(experiment); });
}

Form1::~Form1() = default;

QWidget& Form1::resultsWindow() {
    return *form2_;
}

void Form1::start() {
    if (simulator_.start({Text1_->text(), Text2_->text(), Text3_->text()}, platform_, *controls_) !=
        sim::StartOutcome::Completed)
        return;
    form2_->exactValue().compareSimulator(simulator_.exactModel(), simulator_.outputs(),
                                          simulator_.outputStandardErrors());
    showRun(*plotsWindow_, simulator_);
}

void Form1::openPlotsWindow() {
    ui::showInFront(*plotsWindow_);
}

}  // namespace orven::simple_sim
