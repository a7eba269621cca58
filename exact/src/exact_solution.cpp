#include "orven/exact/exact_solution.h"

namespace orven::exact {

double ExactSolution::P(int queue, int n) const {
    if (queue < 1 || static_cast<std::size_t>(queue) > marginals.size() || n < 0) return 0;
    const auto& row = marginals[static_cast<std::size_t>(queue) - 1];
    return static_cast<std::size_t>(n) < row.size() ? row[static_cast<std::size_t>(n)] : 0;
}

}  // namespace orven::exact
