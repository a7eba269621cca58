#include "plots.h"

#include "orven/plots/sim_plots.h"
#include "orven/simple_sim/simulator.h"
#include "orven/ui/plots/plots_window.h"

namespace orven::simple_sim {

ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent,
                                const ui::ExactValueLabel& exactValue) {
    auto* window = new ui::PlotsWindow(ui::simulatorPlotsSetup(), platform, parent);
    window->followExactValue(exactValue, {1, 2, 3});
    return window;
}

void showRun(ui::PlotsWindow& window, const SimpleSimulator& simulator) {
    const Estimates& estimates = simulator.estimates();
    plots::PlotContent content;
    for (int k = 1; k <= kSources; ++k) {
        content.distributions.push_back(plots::estimatedDistribution(
            estimates, estimates.intervals, k, QStringLiteral("ουρά n%1").arg(k)));
    }
    window.showContent(std::move(content));
}

}  // namespace orven::simple_sim
