#include "plots.h"

#include "orven/plots/exact_values.h"
#include "orven/plots/sim_plots.h"
#include "orven/simple_sim/simulator.h"
#include "orven/ui/plots/plots_window.h"

namespace orven::simple_sim {

ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent) {
    return new ui::PlotsWindow({QStringLiteral("Form3"), QStringLiteral("Ουρά:"),
                                QStringLiteral("Εκτίμηση"), QStringLiteral("Ακριβής τιμή"), false},
                               platform, parent);
}

void showRun(ui::PlotsWindow& window, const SimpleSimulator& simulator) {
    plots::PlotContent content;
    for (int k = 1; k <= kSources; ++k) {
        content.distributions.push_back(plots::estimatedDistribution(
            simulator.estimates(), k, QStringLiteral("ουρά n%1").arg(k)));
    }
    // The populations of a completed run are whole numbers: Start refuses any other.
    const RunSetup& setup = simulator.setup();
    std::vector<int> N;
    for (int k = 1; k <= kSources; ++k) N.push_back(static_cast<int>(setup.N[k]));
    const std::vector<std::size_t> points(kSources, static_cast<std::size_t>(setup.Nmax) + 1);
    window.showContent(std::move(content), [N, rates = plots::ratesOf(setup.mu, N), points] {
        return plots::exactSimpleNetwork(N, rates, points);
    });
}

}  // namespace orven::simple_sim
