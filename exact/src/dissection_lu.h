#pragma once

#include <Eigen/Core>
#include <Eigen/SparseCore>
#include <vector>

#include "nested_dissection.h"

namespace orven::exact {

// The LU factors of the transposed generator of an irreducible Markov chain (column s holds
// the rates out of state s and, on the diagonal, minus their sum), in the order of a nested
// dissection of its pattern. Each node of the dissection tree gathers its rows and columns and
// what its children left over into one dense front, eliminates its own variables and hands
// the rest (a Schur complement) to its parent, so the work runs at the speed of dense
// arithmetic; on two-dimensional lattices the fronts stay small. No pivoting is needed: every
// pivot is minus a sum of non-negative terms (see eliminate()).
class DissectionLU {
  public:
    using Matrix = Eigen::SparseMatrix<double>;

    // The graph of a matrix's pattern (both triangles, no diagonal): what dissect() needs.
    static Graph patternGraph(const Matrix& matrix);

    // False when a pivot other than the last is 0 (a set of states that cannot be left) or
    // a value is not finite.
    bool factorize(const Matrix& transposedGenerator, const Dissection& dissection);
    // The solution of matrix * x = 0 whose last variable (in the dissection's order) is 1.
    Eigen::VectorXd nullVector() const;

  private:
    struct Front {
        std::vector<int> indices;  // its own variables first, then the boundary
        int own = 0;               // how many of the indices are its own
        Eigen::MatrixXd upper;     // own rows of the front after elimination: L11 \ U11 | U12
        Eigen::MatrixXd lower;     // boundary rows of the own columns: L21
    };
    std::vector<Front> fronts_;
};

}  // namespace orven::exact
