#include "orven/plots/exact_values.h"

#include <algorithm>
#include <new>

#include "orven/exact/comparison.h"
#include "orven/exact/exact_error.h"
#include "orven/exact/model.h"
#include "orven/exact/simple_network.h"

namespace orven::plots {

Rates ratesOf(const aggregation::Table& mu, const std::vector<int>& N) {
    Rates rates;
    for (std::size_t i = 1; i <= N.size(); ++i) {
        std::vector<double> row;
        for (int n = 0; n < N[i - 1]; ++n) row.push_back(mu(static_cast<int>(i), n));
        rates.push_back(std::move(row));
    }
    return rates;
}

namespace {

// The exact probabilities of a queue over `points` lengths: 0 where it never gets.
std::vector<double> fitted(const std::vector<double>& exact, std::size_t points) {
    std::vector<double> values(points, 0.0);
    std::copy_n(exact.begin(), std::min(points, exact.size()), values.begin());
    return values;
}

template <typename Solve>
ExactValues solvedOrRefused(Solve solve) {
    try {
        return solve();
    } catch (const exact::ExactError& error) {
        return {{}, exact::refusalReason(error)};
    } catch (const std::bad_alloc&) {
        return {{}, QStringLiteral("δεν αρκεί η μνήμη για την ακριβή λύση.")};
    }
}

}  // namespace

ExactValues exactSimpleNetwork(const std::vector<int>& N, const Rates& rates,
                               const std::vector<std::size_t>& points) {
    return solvedOrRefused([&] {
        const auto solution = exact::solveSimpleNetwork(N, rates);
        ExactValues values;
        for (std::size_t i = 0; i < N.size() && i < points.size(); ++i) {
            values.series.push_back(fitted(solution.marginals[i], points[i]));
        }
        return values;
    });
}

ExactValues exactValuesOf(const exact::Reference& reference, const std::vector<int>& queues,
                          const std::vector<std::size_t>& points) {
    ExactValues values;
    for (std::size_t s = 0; s < queues.size() && s < points.size(); ++s) {
        const auto k = static_cast<std::size_t>(queues[s]);
        const std::vector<double>* exact = nullptr;
        if (queues[s] == kQueues2And5 && !reference.sumOfQueues2And5.empty()) {
            exact = &reference.sumOfQueues2And5;
        } else if (k >= 1 && k <= reference.marginals.size()) {
            exact = &reference.marginals[k - 1];
        }
        values.series.push_back(exact != nullptr ? fitted(*exact, points[s])
                                                 : std::vector<double>{});
    }
    return values;
}

}  // namespace orven::plots
