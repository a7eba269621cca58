#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCore>
#include <vector>

#include "orven/exact/markov_chain.h"

namespace orven::exact {

// An approximate inverse of the balance equations with the last one replaced by p(n-1) = 1,
// for an iterative solve of chains whose states spread over three dimensions. The states are
// gathered into blocks of neighbouring queue lengths (halved in every queue, level after
// level) until a few hundred remain, which are solved densely; each block's equation is the
// sum of its states' equations. One V-cycle: a Gauss-Seidel sweep, the correction from the
// coarser level, a sweep back. The error that one sweep leaves is smooth over the queue
// lengths, which is what the blocks see; each level costs a sweep of its own, and their sizes
// fall by a factor of 4 to 8, so a cycle costs little more than a few products with the
// matrix, and its set-up less than one.
class AggregationMultigrid {
  public:
    using SparseMatrix = Eigen::SparseMatrix<double>;

    // The chain whose states give the queue lengths; set before compute().
    void setChain(const MarkovChain& chain) { chain_ = &chain; }

    // What Eigen's iterative solvers call. `matrix` is the normalised system (its last row the
    // normalisation), which the preconditioner replaces by the pinned last state.
    template <typename Matrix>
    AggregationMultigrid& analyzePattern(const Matrix&) {
        return *this;
    }
    AggregationMultigrid& factorize(const SparseMatrix& matrix) { return compute(matrix); }
    AggregationMultigrid& compute(const SparseMatrix& matrix);
    Eigen::ComputationInfo info() const { return info_; }
    Eigen::VectorXd solve(const Eigen::VectorXd& b) const;

  private:
    using RowMatrix = Eigen::SparseMatrix<double, Eigen::RowMajor, int>;
    struct Level {
        RowMatrix matrix;
        std::vector<int> diagonal;  // where a(i, i) stands among the matrix's values
        std::vector<int> block;     // the block of the next level that each state joins
        // The cycle's work vectors, kept from one solve to the next.
        mutable Eigen::VectorXd x, b, r;
    };
    void cycle(std::size_t level) const;
    void sweep(const Level& level, bool forward) const;

    const MarkovChain* chain_ = nullptr;
    std::vector<Level> levels_;
    Eigen::PartialPivLU<Eigen::MatrixXd> coarsest_;
    Eigen::ComputationInfo info_ = Eigen::Success;
};

}  // namespace orven::exact
