#include "least_squares.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orven::aggregation {

namespace {

// Singular values below this share of the largest are taken for 0 (a class whose rate moves
// nothing gets no step).
constexpr double kNegligible = 1e-13;
constexpr int kSweeps = 60;

}  // namespace

std::vector<double> leastSquares(SmallMatrix J, const std::vector<double>& F) {
    const std::size_t n = F.size();
    SmallMatrix V(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) V[i][i] = 1;
    for (int sweep = 0; sweep < kSweeps; ++sweep) {
        bool rotated = false;
        for (std::size_t p = 0; p < n; ++p) {
            for (std::size_t q = p + 1; q < n; ++q) {
                double alpha = 0, beta = 0, gamma = 0;
                for (std::size_t i = 0; i < n; ++i) {
                    alpha += J[i][p] * J[i][p];
                    beta += J[i][q] * J[i][q];
                    gamma += J[i][p] * J[i][q];
                }
                if (std::fabs(gamma) <=
                    std::numeric_limits<double>::epsilon() * std::sqrt(alpha * beta)) {
                    continue;
                }
                rotated = true;
                const double zeta = (beta - alpha) / (2 * gamma);
                const double t =
                    std::copysign(1.0, zeta) / (std::fabs(zeta) + std::hypot(1.0, zeta));
                const double c = 1 / std::hypot(1.0, t);
                const double s = c * t;
                for (SmallMatrix* M : {&J, &V}) {
                    for (std::size_t i = 0; i < n; ++i) {
                        const double mp = (*M)[i][p];
                        const double mq = (*M)[i][q];
                        (*M)[i][p] = c * mp - s * mq;
                        (*M)[i][q] = s * mp + c * mq;
                    }
                }
            }
        }
        if (!rotated) break;
    }
    // Now J V = U diag(sigma): the columns of J are the singular directions times sigma.
    std::vector<double> sigma(n, 0.0);
    double largest = 0;
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t i = 0; i < n; ++i) sigma[j] = std::hypot(sigma[j], J[i][j]);
        largest = std::max(largest, sigma[j]);
    }
    std::vector<double> d(n, 0.0);
    for (std::size_t j = 0; j < n; ++j) {
        if (!(sigma[j] > kNegligible * largest)) continue;
        double along = 0;  // (U^T (-F))_j / sigma_j
        for (std::size_t i = 0; i < n; ++i) along -= J[i][j] / sigma[j] * F[i];
        along /= sigma[j];
        for (std::size_t i = 0; i < n; ++i) d[i] += V[i][j] * along;
    }
    return d;
}

}  // namespace orven::aggregation
