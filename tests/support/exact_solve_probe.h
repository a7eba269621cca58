#pragma once

// Stands in for the exact solution under a window's exact value: it counts the solves and
// halves every probability of the solution, so that a figure drawn from any other solve of the
// same model stands out. Header only, for the window tests that link the exact value label.
#include <atomic>
#include <vector>

#include "orven/exact/model.h"
#include "orven/ui/exact_value_label.h"

namespace orven::testing {

class ExactSolveProbe {
  public:
    ui::ExactValueLabel::Solve solve() {
        return [this](const exact::Model& model, const std::atomic<bool>* stop) {
            ++solves_;
            exact::Reference reference = exact::solveModel(model, stop);
            for (auto& marginal : reference.marginals) halve(marginal);
            halve(reference.sumOfQueues2And5);
            return reference;
        };
    }
    int solves() const { return solves_.load(); }

  private:
    static void halve(std::vector<double>& values) {
        for (double& value : values) value /= 2;
    }

    std::atomic<int> solves_{0};
};

}  // namespace orven::testing
