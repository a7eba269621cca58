#include "solver_json.h"

#include <span>

namespace orven::batch {

namespace {

nlohmann::ordered_json row(std::span<const double> values, int last) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (int k = 0; k <= last && k < static_cast<int>(values.size()); ++k) {
        out.push_back(values[static_cast<std::size_t>(k)]);
    }
    return out;
}

}  // namespace

const char* iterationEndName(aggregation::IterationEnd end) {
    switch (end) {
        case aggregation::IterationEnd::Converged:
            return "converged";
        case aggregation::IterationEnd::CutOff:
            return "cut-off";
        case aggregation::IterationEnd::LimitReached:
            return "limit";
        case aggregation::IterationEnd::NotConverged:
            return "not-converged";
        case aggregation::IterationEnd::NotFinite:
            return "not-finite";
    }
    return "";
}

nlohmann::ordered_json solverRunJson(const aggregation::SolverState& s,
                                     const aggregation::Table& Xout,
                                     const solver_kit::StartResult& result, int experimentCode) {
    const auto& outcome = *result.iteration;
    nlohmann::ordered_json out{{"R", s.R},
                               {"experiment", experimentCode},
                               {"S", outcome.S},
                               {"iterations", outcome.iterations},
                               {"error", outcome.error},
                               {"end", iterationEndName(outcome.end)}};
    nlohmann::ordered_json classes = nlohmann::ordered_json::array();
    for (int i = 1; i <= s.R; ++i) {
        classes.push_back({{"class", i},
                           {"N", s.N[i]},
                           {"Na", s.Na[i]},
                           {"mu", row(s.mu.row(i), s.N[i])},
                           {"x", row(s.x.row(i), s.Na[i])},
                           {"P", row(s.P.row(i), s.N[i])},
                           {"Q", row(s.Q.row(i), s.Na[i])},
                           {"P0", s.P0[i]},
                           {"Xout", row(Xout.row(i), s.N[i])}});
    }
    out["classes"] = classes;
    return out;
}

}  // namespace orven::batch
