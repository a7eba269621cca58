#include <Eigen/SparseCore>
#include <Eigen/SparseLU>
#include <cmath>
#include <string>

#include "orven/exact/exact_error.h"
#include "orven/exact/markov_chain.h"

namespace orven::exact {

namespace {

using SparseMatrix = Eigen::SparseMatrix<double>;

// The balance equations of states 1 .. n-1 with p(0) fixed at 1 (state 0 is the start state):
// the transposed generator without the row and column of state 0. Its right side is minus the
// flow out of state 0 into each state. For an irreducible chain the system is regular, and it
// stays as sparse as the chain, unlike a system with a row of ones for the normalisation.
struct ReducedSystem {
    Eigen::SparseMatrix<double> matrix;
    Eigen::VectorXd rightSide;
};

ReducedSystem reducedBalanceSystem(const MarkovChain& chain) {
    const auto n = static_cast<Eigen::Index>(chain.stateCount()) - 1;
    ReducedSystem system{SparseMatrix(n, n), Eigen::VectorXd::Zero(n)};
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(chain.first(chain.stateCount()) + chain.stateCount());
    for (std::size_t m = chain.first(0); m < chain.first(1); ++m) {
        system.rightSide[static_cast<Eigen::Index>(chain.target(m)) - 1] -= chain.rate(m);
    }
    for (std::size_t s = 1; s < chain.stateCount(); ++s) {
        const auto column = static_cast<Eigen::Index>(s) - 1;
        for (std::size_t m = chain.first(s); m < chain.first(s + 1); ++m) {
            const auto row = static_cast<Eigen::Index>(chain.target(m)) - 1;
            if (row >= 0) entries.emplace_back(row, column, chain.rate(m));
        }
        entries.emplace_back(column, column, -chain.outRate(s));
    }
    system.matrix.setFromTriplets(entries.begin(), entries.end());
    system.matrix.makeCompressed();
    return system;
}

double largestBalanceResidual(const MarkovChain& chain, const std::vector<double>& p) {
    std::vector<long double> net(chain.stateCount(), 0.0L);
    double largestFlow = 0;
    for (std::size_t s = 0; s < chain.stateCount(); ++s) {
        long double out = 0;
        for (std::size_t m = chain.first(s); m < chain.first(s + 1); ++m) {
            const long double flow = static_cast<long double>(p[s]) * chain.rate(m);
            net[chain.target(m)] += flow;
            out += flow;
        }
        net[s] -= out;
        largestFlow = std::max(largestFlow, static_cast<double>(out));
    }
    long double largest = 0;
    for (const long double v : net) largest = std::max(largest, std::fabs(v));
    return largestFlow > 0 ? static_cast<double>(largest) / largestFlow : 0.0;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

}  // namespace

StationaryDistribution solveStationary(const MarkovChain& chain) {
    const std::size_t count = chain.stateCount();
    StationaryDistribution result;
    if (count == 1) {
        result.probabilities = {1.0};
        return result;
    }

    const ReducedSystem system = reducedBalanceSystem(chain);
    Eigen::SparseLU<SparseMatrix, Eigen::COLAMDOrdering<int>> lu;
    lu.analyzePattern(system.matrix);
    lu.factorize(system.matrix);
    if (lu.info() != Eigen::Success) {
        throw ExactError("The balance equations could not be factorised: " + lu.lastErrorMessage());
    }
    Eigen::VectorXd rest = lu.solve(system.rightSide);
    const Eigen::VectorXd correction = lu.solve(system.rightSide - system.matrix * rest);
    rest += correction;
    Eigen::VectorXd p(static_cast<Eigen::Index>(count));
    p[0] = 1.0;
    p.tail(static_cast<Eigen::Index>(count) - 1) = rest;

    // Rounding leaves tiny negative values where a probability is close to 0; anything larger
    // means the solve went wrong.
    const double largest = p.cwiseAbs().maxCoeff();
    if (!std::isfinite(largest)) throw ExactError("The solve of the balance equations failed.");
    long double sum = 0;
    result.probabilities.resize(count);
    for (std::size_t s = 0; s < count; ++s) {
        double v = p[static_cast<Eigen::Index>(s)];
        if (v < 0) {
            if (v < -1e-9 * largest) {
                throw ExactError("The solve of the balance equations gave a negative probability.");
            }
            v = 0;
        }
        result.probabilities[s] = v;
        sum += v;
    }
    for (double& v : result.probabilities) v = static_cast<double>(v / sum);

    long double check = 0;
    for (const double v : result.probabilities) check += v;
    result.sumError = static_cast<double>(std::fabs(check - 1.0L));
    result.balanceResidual = largestBalanceResidual(chain, result.probabilities);
    if (!(result.sumError <= kMaxSumError)) {
        throw ExactError("The probabilities sum to 1 only within " + number(result.sumError) + ".");
    }
    if (!(result.balanceResidual <= kMaxBalanceResidual)) {
        throw ExactError("The balance equations hold only within " +
                         number(result.balanceResidual) + " (relative).");
    }
    return result;
}

}  // namespace orven::exact
