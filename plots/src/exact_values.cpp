#include "orven/plots/exact_values.h"

#include <algorithm>
#include <new>

#include "orven/exact/double_network.h"
#include "orven/exact/exact_error.h"
#include "orven/exact/simple_network.h"

namespace orven::plots {

namespace {

template <typename Table>
Rates ratesFrom(const Table& mu, const std::vector<int>& N) {
    Rates rates;
    for (std::size_t i = 1; i <= N.size(); ++i) {
        std::vector<double> row;
        for (int n = 0; n < N[i - 1]; ++n) row.push_back(mu(static_cast<int>(i), n));
        rates.push_back(std::move(row));
    }
    return rates;
}

// The exact probabilities of a queue over `points` lengths: 0 where it never gets.
std::vector<double> fitted(const std::vector<double>& exact, std::size_t points) {
    std::vector<double> values(points, 0.0);
    std::copy_n(exact.begin(), std::min(points, exact.size()), values.begin());
    return values;
}

// Why the exact solution gave nothing, as the window says it.
QString refusal(const exact::ExactError& error) {
    if (error.what() == exact::tooManyStatesMessage()) {
        return QStringLiteral("το μοντέλο έχει περισσότερες από %1 καταστάσεις")
            .arg(exact::kMaxStates);
    }
    return QStringLiteral("η ακριβής λύση δεν βρέθηκε (%1)").arg(QString::fromUtf8(error.what()));
}

template <typename Solve>
ExactValues solvedOrRefused(Solve solve) {
    try {
        return solve();
    } catch (const exact::ExactError& error) {
        return {{}, refusal(error)};
    } catch (const std::bad_alloc&) {
        return {{}, QStringLiteral("δεν αρκεί η μνήμη για την ακριβή λύση")};
    }
}

}  // namespace

Rates ratesOf(const aggregation::Table& mu, const std::vector<int>& N) {
    return ratesFrom(mu, N);
}

Rates ratesOf(const sim::RateTable& mu, const std::vector<int>& N) {
    return ratesFrom(mu, N);
}

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

ExactValues exactDoubleNetwork(const std::vector<int>& N, const Rates& rates,
                               const std::vector<int>& queues, std::size_t points) {
    return solvedOrRefused([&] {
        const auto solution = exact::solveDoubleNetwork(N, rates);
        ExactValues values;
        for (const int queue : queues) {
            values.series.push_back(fitted(
                queue == kQueues2And5 ? solution.sumOfQueues2And5
                                      : solution.marginals[static_cast<std::size_t>(queue - 1)],
                points));
        }
        return values;
    });
}

}  // namespace orven::plots
