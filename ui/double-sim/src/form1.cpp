#include "orven/ui/double_sim/form1.h"
#include "orven/ui/placement.h"

#include <QGridLayout>
#include <QLineEdit>

#include "network_picture.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/plots/plots_window.h"
#include "orven/ui/sim_kit/population_fields.h"
#include "orven/ui/sim_kit/results_window.h"
#include "orven/ui/sim_kit/simulator_controls.h"
#include "plots.h"

namespace orven::double_sim {

namespace {

ui::ResultsLayout resultsLayout() {
    // The headings follow the diagram's numbering, with 13, 11, 12, 11 and 12 blanks between
    // them, so the list of queue 5 stands under Ν4 and that of queue 4 under Ν5. The line
    // parts the queues of station 1 from those of station 2.
    return {
        QStringLiteral("Ν1             Ν2           Ν3            Ν4           Ν5            Ν6"),
        {1, 2, 3, 5, 4, 6},
        3,
        2};
}

// From top to bottom the options stand in the order 0, 2, 1, 3 of their indices, so that the
// captions count up while the codes keep the rates they name.
std::vector<ui::SimulatorControls::Option> experimentOptions() {
    return {{QStringLiteral("1o Πείραμα"), 0},
            {QStringLiteral("2o Πείραμα"), 2},
            {QStringLiteral("3o Πείραμα"), 1},
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

    QStringList headings;
    for (int field = 1; field <= kFields; ++field) headings.append(populationHeading(field));
    const ui::PopulationFields populations = ui::populationFields(*this, headings);
    Text1_ = populations.fields[0];
    Text2_ = populations.fields[1];
    Text3_ = populations.fields[2];
    Text4_ = populations.fields[3];
    controls_->layOut(populations.layout, new NetworkPicture(this));

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
    if (simulator_.start({Text1_->text(), Text2_->text(), Text3_->text(), Text4_->text()},
                         platform_, *controls_) != sim::StartOutcome::Completed)
        return;
    form2_->exactValue().compareSimulator(simulator_.exactModel(), simulator_.outputs(),
                                          simulator_.outputStandardErrors());
    showRun(*plotsWindow_, simulator_);
}

void Form1::openPlotsWindow() {
    ui::showInFront(*plotsWindow_);
}

}  // namespace orven::double_sim
