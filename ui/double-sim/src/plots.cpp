#include "plots.h"

#include <array>

#include "orven/double_sim/simulator.h"
#include "orven/plots/exact_values.h"
#include "orven/plots/sim_plots.h"
#include "orven/ui/plots/plots_window.h"

namespace orven::double_sim {

namespace {

// The rows of the estimates in the window's order, each with the diagram's name for it.
struct Shown {
    int row;
    const char* name;
};
constexpr std::array<Shown, 7> kShown{{{1, "ουρά n1"},
                                       {2, "ουρά n2"},
                                       {3, "ουρά n3"},
                                       {5, "ουρά n4"},
                                       {4, "ουρά n5"},
                                       {6, "ουρά n6"},
                                       {kSumRow, "ουρές n2 και n4 μαζί"}}};

}  // namespace

ui::PlotsWindow* newPlotsWindow(Platform& platform, QWidget* parent,
                                const ui::ExactValueLabel& exactValue) {
    auto* window = new ui::PlotsWindow(ui::simulatorPlotsSetup(), platform, parent);
    std::vector<int> queues;
    for (const Shown& shown : kShown)
        queues.push_back(shown.row == kSumRow ? plots::kQueues2And5 : shown.row);
    window->followExactValue(exactValue, std::move(queues));
    return window;
}

void showRun(ui::PlotsWindow& window, const DoubleSimulator& simulator) {
    const Estimates& estimates = simulator.estimates();
    plots::PlotContent content;
    for (const Shown& shown : kShown) {
        content.distributions.push_back(plots::estimatedDistribution(
            estimates, estimates.intervals, shown.row, QString::fromUtf8(shown.name)));
    }
    window.showContent(std::move(content));
}

}  // namespace orven::double_sim
