#include "orven/double_solver/equivalent.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orven::double_solver {

void equivalent(aggregation::SolverState& state, int N1, int N4, double K1S1, double S4) {
    const int merged = state.N[1];
    std::vector<double> mueq(static_cast<std::size_t>(state.Nmax) + 1, 0.0);
    for (int n = 1; n < merged; ++n) {
        const int lo = std::max(0, n - N4);
        const int hi = std::min(n, N1);
        double sum = 0;
        for (int k = lo; k <= hi; ++k) {
            const double distance = std::abs((K1S1 - k) - (S4 - (n - k)));
            sum += std::pow(0.5, distance) * state.mu(1, k);
        }
        mueq[static_cast<std::size_t>(n)] = sum;
    }
    for (int n = 1; n <= state.Nmax; ++n) state.mu(1, n) = mueq[static_cast<std::size_t>(n)];
}

}  // namespace orven::double_solver
