#include "dissection_lu.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace orven::exact {

namespace {

using Index = Eigen::Index;

// Columns of a front eliminated together, so that most of the work is one matrix product.
constexpr Index kPanel = 48;
constexpr double kRescaleAbove = 1e200;

// Eliminates the first `own` variables of a dense front in place: afterwards its first `own`
// rows and columns hold L and U, and the rest holds the Schur complement. Every column of a
// transposed generator sums to 0, and so does every column of each Schur complement, so a
// pivot is minus the sum of the entries below it: a sum of non-negative terms, free of the
// cancellation that subtracting updates from the diagonal would suffer. The off-diagonal
// entries only ever grow by non-negative amounts. So even probabilities hundreds of orders of
// magnitude below the largest come out with nearly full relative precision. The pivot of the
// last variable of an irreducible chain is 0: it is left for the solve. False when any other
// pivot is 0 (a set of states that cannot be left) or not finite.
bool eliminate(Eigen::MatrixXd& front, Index own, bool lastOfAll) {
    const Index size = front.rows();
    for (Index j0 = 0; j0 < own; j0 += kPanel) {
        const Index width = std::min(kPanel, own - j0);
        for (Index j = j0; j < j0 + width; ++j) {
            const Index below = size - j - 1;
            const double pivot = -front.col(j).tail(below).sum();
            front(j, j) = pivot;
            if (below == 0 && lastOfAll) break;
            if (!(pivot < 0.0) || !std::isfinite(pivot)) return false;
            front.col(j).tail(below) /= pivot;
            const Index inPanel = j0 + width - j - 1;
            if (inPanel > 0) {
                front.block(j + 1, j + 1, below, inPanel).noalias() -=
                    front.col(j).tail(below) * front.row(j).segment(j + 1, inPanel);
            }
        }
        const Index rest = size - j0 - width;
        if (rest == 0) continue;
        front.block(j0, j0 + width, width, rest) =
            front.block(j0, j0, width, width)
                .triangularView<Eigen::UnitLower>()
                .solve(front.block(j0, j0 + width, width, rest));
        front.block(j0 + width, j0 + width, rest, rest).noalias() -=
            front.block(j0 + width, j0, rest, width) * front.block(j0, j0 + width, width, rest);
    }
    return true;
}

}  // namespace

Graph DissectionLU::patternGraph(const Matrix& matrix) {
    const auto n = static_cast<std::size_t>(matrix.cols());
    std::vector<std::size_t> degree(n + 1, 0);
    for (Index j = 0; j < matrix.outerSize(); ++j) {
        for (Matrix::InnerIterator it(matrix, j); it; ++it) {
            if (it.row() == j) continue;
            ++degree[static_cast<std::size_t>(it.row())];
            ++degree[static_cast<std::size_t>(j)];
        }
    }
    Graph graph;
    graph.first.assign(n + 1, 0);
    for (std::size_t v = 0; v < n; ++v) graph.first[v + 1] = graph.first[v] + degree[v];
    graph.neighbours.resize(graph.first[n]);
    std::vector<std::size_t> fill(graph.first.begin(), graph.first.end() - 1);
    for (Index j = 0; j < matrix.outerSize(); ++j) {
        for (Matrix::InnerIterator it(matrix, j); it; ++it) {
            if (it.row() == j) continue;
            const auto i = static_cast<std::size_t>(it.row());
            graph.neighbours[fill[i]++] = static_cast<int>(j);
            graph.neighbours[fill[static_cast<std::size_t>(j)]++] = static_cast<int>(i);
        }
    }
    // Without repeats: a pair of states with moves both ways is one edge.
    std::size_t kept = 0;
    std::size_t begin = 0;
    for (std::size_t v = 0; v < n; ++v) {
        const std::size_t end = graph.first[v + 1];
        std::sort(graph.neighbours.begin() + static_cast<std::ptrdiff_t>(begin),
                  graph.neighbours.begin() + static_cast<std::ptrdiff_t>(end));
        const std::size_t start = kept;
        for (std::size_t e = begin; e < end; ++e) {
            if (kept == start || graph.neighbours[kept - 1] != graph.neighbours[e])
                graph.neighbours[kept++] = graph.neighbours[e];
        }
        begin = end;
        graph.first[v + 1] = kept;
    }
    graph.neighbours.resize(kept);
    return graph;
}

bool DissectionLU::factorize(const Matrix& matrix, const Dissection& dissection) {
    const auto n = static_cast<std::size_t>(matrix.cols());
    const Eigen::SparseMatrix<double, Eigen::RowMajor> rows = matrix;
    const std::vector<int>& position = dissection.position;
    const std::size_t nodeCount = dissection.nodes.size();
    std::vector<std::vector<std::size_t>> children(nodeCount);
    for (std::size_t t = 0; t < nodeCount; ++t) {
        const int parent = dissection.nodes[t].parent;
        if (parent >= 0) children[static_cast<std::size_t>(parent)].push_back(t);
    }

    fronts_.assign(nodeCount, Front{});
    // Where each variable stands in the front being built, and which node last claimed it.
    std::vector<int> local(n, -1);
    std::vector<int> claimed(n, -1);
    // The Schur complements that children leave for their parents, children first, so that
    // a node finds its children's on top.
    std::vector<Eigen::MatrixXd> pending;
    for (std::size_t t = 0; t < nodeCount; ++t) {
        const Dissection::Node& node = dissection.nodes[t];
        Front& front = fronts_[t];
        front.own = node.end - node.begin;
        front.indices.assign(dissection.order.begin() + node.begin,
                             dissection.order.begin() + node.end);
        const int tag = static_cast<int>(t);
        for (const int v : front.indices) claimed[static_cast<std::size_t>(v)] = tag;
        // The boundary: what the own variables touch and the children's boundaries hold,
        // eliminated after this node.
        const auto claim = [&](Index v) {
            const auto u = static_cast<std::size_t>(v);
            if (claimed[u] != tag && position[u] >= node.end) {
                claimed[u] = tag;
                front.indices.push_back(static_cast<int>(v));
            }
        };
        for (int k = 0; k < front.own; ++k) {
            const int v = front.indices[static_cast<std::size_t>(k)];
            for (Matrix::InnerIterator it(matrix, v); it; ++it) claim(it.row());
            for (decltype(rows)::InnerIterator it(rows, v); it; ++it) claim(it.col());
        }
        for (const std::size_t c : children[t]) {
            const Front& child = fronts_[c];
            for (std::size_t k = static_cast<std::size_t>(child.own); k < child.indices.size(); ++k)
                claim(child.indices[k]);
        }
        const auto size = static_cast<Index>(front.indices.size());
        const Index own = front.own;
        for (Index k = 0; k < size; ++k)
            local[static_cast<std::size_t>(front.indices[static_cast<std::size_t>(k)])] =
                static_cast<int>(k);

        // Assembly: each entry of the matrix joins the front of the first of its row and column
        // to be eliminated; then the children's complements, added where their variables stand.
        Eigen::MatrixXd dense = Eigen::MatrixXd::Zero(size, size);
        for (Index k = 0; k < own; ++k) {
            const int v = front.indices[static_cast<std::size_t>(k)];
            for (Matrix::InnerIterator it(matrix, v); it; ++it) {
                if (position[static_cast<std::size_t>(it.row())] >= node.begin)
                    dense(local[static_cast<std::size_t>(it.row())], k) += it.value();
            }
            for (decltype(rows)::InnerIterator it(rows, v); it; ++it) {
                if (position[static_cast<std::size_t>(it.col())] >= node.end)
                    dense(k, local[static_cast<std::size_t>(it.col())]) += it.value();
            }
        }
        for (std::size_t c = children[t].size(); c-- > 0;) {
            const Front& child = fronts_[children[t][c]];
            const Eigen::MatrixXd& complement = pending.back();
            std::vector<Index> where(static_cast<std::size_t>(complement.rows()));
            for (std::size_t k = 0; k < where.size(); ++k)
                where[k] = local[static_cast<std::size_t>(
                    child.indices[static_cast<std::size_t>(child.own) + k])];
            for (Index j = 0; j < complement.cols(); ++j) {
                const Index to = where[static_cast<std::size_t>(j)];
                for (Index i = 0; i < complement.rows(); ++i)
                    dense(where[static_cast<std::size_t>(i)], to) += complement(i, j);
            }
            pending.pop_back();
        }

        if (!eliminate(dense, own, t + 1 == nodeCount)) return false;
        front.upper = dense.topRows(own);
        front.lower = dense.bottomLeftCorner(size - own, own);
        pending.emplace_back(dense.bottomRightCorner(size - own, size - own));
        front.indices.shrink_to_fit();
    }
    return true;
}

Eigen::VectorXd DissectionLU::nullVector() const {
    // U x = 0 with the last variable 1: back substitution alone (L plays no part).
    const Index n = std::accumulate(fronts_.begin(), fronts_.end(), Index{0},
                                    [](Index sum, const Front& f) { return sum + f.own; });
    Eigen::VectorXd x = Eigen::VectorXd::Zero(n);
    Eigen::VectorXd own, boundary;
    for (auto it = fronts_.rbegin(); it != fronts_.rend(); ++it) {
        const Front& front = *it;
        const Index m = static_cast<Index>(front.indices.size()) - front.own;
        own.setZero(front.own);
        if (it == fronts_.rbegin()) {
            // The last pivot is 0: the last variable is free and taken as 1.
            own[front.own - 1] = 1.0;
            own.head(front.own - 1) = -front.upper.col(front.own - 1).head(front.own - 1);
            front.upper.topLeftCorner(front.own - 1, front.own - 1)
                .triangularView<Eigen::Upper>()
                .solveInPlace(own.head(front.own - 1));
        } else {
            boundary.resize(m);
            for (Index k = 0; k < m; ++k)
                boundary[k] = x[front.indices[static_cast<std::size_t>(front.own + k)]];
            own.noalias() -= front.upper.rightCols(m) * boundary;
            front.upper.leftCols(front.own).triangularView<Eigen::Upper>().solveInPlace(own);
        }
        for (Index k = 0; k < front.own; ++k)
            x[front.indices[static_cast<std::size_t>(k)]] = own[k];
        // The system is homogeneous, so any multiple of x solves it: where the values grow
        // towards the end of the double range (probabilities far above the last state's),
        // scale everything found so far down.
        if (const double largest = own.cwiseAbs().maxCoeff(); largest > kRescaleAbove) x /= largest;
    }
    return x;
}

}  // namespace orven::exact
