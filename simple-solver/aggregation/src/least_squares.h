#pragma once

#include <vector>

namespace orven::aggregation {

// A square matrix of a few rows, row by row.
using SmallMatrix = std::vector<std::vector<double>>;

// The least-squares solution of J d = -F of smallest size, through the singular values of J
// (one-sided Jacobi rotations: the matrix has one row and column per class). J is solved as
// it stands rather than through its normal equations: a class balancing flows far below the
// others' gives a lever that is small but sound, which squaring would lose. Directions whose
// singular value is negligible beside the largest get no share of d.
std::vector<double> leastSquares(SmallMatrix J, const std::vector<double>& F);

}  // namespace orven::aggregation
