#include <Eigen/IterativeLinearSolvers>
#include <Eigen/SparseCore>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "aggregation_multigrid.h"
#include "dissection_lu.h"
#include "nested_dissection.h"
#include "orven/exact/exact_error.h"
#include "orven/exact/markov_chain.h"

namespace orven::exact {

namespace {

using SparseMatrix = Eigen::SparseMatrix<double>;

// The balance equations of states 0 .. n-2 and, as the last row, the normalisation
// sum(p) = 1. One balance equation is implied by the others, so for an irreducible chain the
// system is regular, and its solution is the distribution itself: no state's probability has
// to be guessed large enough to serve as a reference.
struct LinearSystem {
    SparseMatrix matrix;
    Eigen::VectorXd rightSide;
};

LinearSystem normalisedBalanceSystem(const MarkovChain& chain) {
    const auto n = static_cast<Eigen::Index>(chain.stateCount());
    LinearSystem system{SparseMatrix(n, n), Eigen::VectorXd::Zero(n)};
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(chain.first(chain.stateCount()) + 2 * chain.stateCount());
    for (std::size_t s = 0; s < chain.stateCount(); ++s) {
        const auto column = static_cast<Eigen::Index>(s);
        for (std::size_t m = chain.first(s); m < chain.first(s + 1); ++m) {
            const auto row = static_cast<Eigen::Index>(chain.target(m));
            if (row < n - 1) entries.emplace_back(row, column, chain.rate(m));
        }
        if (column < n - 1) entries.emplace_back(column, column, -chain.outRate(s));
        entries.emplace_back(n - 1, column, 1.0);
    }
    system.rightSide[n - 1] = 1.0;
    system.matrix.setFromTriplets(entries.begin(), entries.end());
    system.matrix.makeCompressed();
    return system;
}

// The normalised system's right side has norm 1; its residual is driven below this target by
// at most this many rounds of refinement.
constexpr double kResidualTarget = 1e-12;
constexpr int kRefinementRounds = 6;

std::string shortNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

// The transposed generator: column s holds the rates out of state s and, on the diagonal,
// minus their sum; its null vector is the distribution up to a factor.
SparseMatrix transposedGenerator(const MarkovChain& chain) {
    const auto n = static_cast<Eigen::Index>(chain.stateCount());
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(chain.first(chain.stateCount()) + chain.stateCount());
    for (std::size_t s = 0; s < chain.stateCount(); ++s) {
        const auto column = static_cast<Eigen::Index>(s);
        for (std::size_t m = chain.first(s); m < chain.first(s + 1); ++m)
            entries.emplace_back(static_cast<Eigen::Index>(chain.target(m)), column, chain.rate(m));
        entries.emplace_back(column, column, -chain.outRate(s));
    }
    SparseMatrix matrix(n, n);
    matrix.setFromTriplets(entries.begin(), entries.end());
    return matrix;
}

Eigen::VectorXd solveDirectly(const MarkovChain& chain) {
    const SparseMatrix matrix = transposedGenerator(chain);
    DissectionLU lu;
    if (!lu.factorize(matrix, dissect(DissectionLU::patternGraph(matrix)))) {
        throw ExactError("The balance equations could not be factorised.");
    }
    return lu.nullVector();
}

Eigen::VectorXd solveIteratively(const MarkovChain& chain) {
    const LinearSystem system = normalisedBalanceSystem(chain);
    Eigen::BiCGSTAB<SparseMatrix, AggregationMultigrid> solver;
    solver.preconditioner().setChain(chain);
    solver.setTolerance(1e-14);
    solver.setMaxIterations(2000);
    solver.compute(system.matrix);
    const auto check = [&solver] {
        if (solver.info() != Eigen::Success) {
            throw ExactError(
                "The iterative solve of the balance equations did not converge (error " +
                shortNumber(solver.error()) + " after " + std::to_string(solver.iterations()) +
                " iterations).");
        }
    };
    check();
    Eigen::VectorXd p = solver.solve(system.rightSide);
    check();
    // The solver's recurrence drifts from the true residual, which can stay above the target
    // (more so where probabilities span many orders of magnitude): refine against it, each
    // correction solved only as far as it takes the residual well below the target.
    for (int round = 0; round < kRefinementRounds; ++round) {
        const Eigen::VectorXd residual = system.rightSide - system.matrix * p;
        const double norm = residual.norm();
        if (norm <= kResidualTarget) break;
        solver.setTolerance(std::max(1e-14, kResidualTarget / norm / 100.0));
        p += solver.solve(residual);
        check();
    }
    return p;
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

}  // namespace

StationaryDistribution solveStationary(const MarkovChain& chain, const SolveSettings& settings) {
    const std::size_t count = chain.stateCount();
    StationaryDistribution result;
    if (count == 1) {
        result.probabilities = {1.0};
        return result;
    }

    SolveMethod method = settings.method;
    if (method == SolveMethod::Automatic) {
        method = count <= settings.directSolveLimit ? SolveMethod::Direct : SolveMethod::Iterative;
    }
    const Eigen::VectorXd p =
        method == SolveMethod::Direct ? solveDirectly(chain) : solveIteratively(chain);

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
        throw ExactError("The probabilities sum to 1 only within " + shortNumber(result.sumError) +
                         ".");
    }
    if (!(result.balanceResidual <= kMaxBalanceResidual)) {
        throw ExactError("The balance equations hold only within " +
                         shortNumber(result.balanceResidual) + " (relative).");
    }
    return result;
}

}  // namespace orven::exact
