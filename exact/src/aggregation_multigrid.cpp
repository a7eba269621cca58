#include "aggregation_multigrid.h"

#include <cassert>
#include <unordered_map>

namespace orven::exact {

namespace {

// Levels stop coarsening at this many states, which a dense solve takes in a moment.
constexpr Eigen::Index kCoarsest = 400;
// Queue lengths fit in 15 bits: halving them this often leaves every state in one block.
constexpr int kMostLevels = 16;

State shifted(State state, int shift) {
    for (std::int16_t& n : state) n = static_cast<std::int16_t>(n >> shift);
    return state;
}

}  // namespace

AggregationMultigrid& AggregationMultigrid::compute(const SparseMatrix& matrix) {
    assert(chain_ != nullptr && static_cast<std::size_t>(matrix.rows()) == chain_->stateCount());
    const Eigen::Index last = matrix.rows() - 1;
    levels_.clear();
    Level fine;
    fine.matrix = matrix;
    fine.matrix.prune([last](Eigen::Index row, Eigen::Index, double) { return row != last; });
    fine.matrix.coeffRef(last, last) = 1.0;
    fine.matrix.makeCompressed();
    levels_.push_back(std::move(fine));

    // The node that each state belongs to on the level being coarsened.
    const std::size_t n = chain_->stateCount();
    std::vector<int> node(n);
    for (std::size_t s = 0; s < n; ++s) node[s] = static_cast<int>(s);
    for (int shift = 1; levels_.back().matrix.rows() > kCoarsest && shift < kMostLevels; ++shift) {
        Level& level = levels_.back();
        std::unordered_map<State, int, StateHash> blocks;
        level.block.assign(static_cast<std::size_t>(level.matrix.rows()), -1);
        for (std::size_t s = 0; s < n; ++s) {
            const auto found = blocks.try_emplace(shifted(chain_->state(s), shift),
                                                  static_cast<int>(blocks.size()));
            level.block[static_cast<std::size_t>(node[s])] = found.first->second;
            node[s] = found.first->second;
        }
        // A block's equation sums its states' equations, its unknown stands for all of theirs.
        std::vector<Eigen::Triplet<double, int>> entries;
        entries.reserve(static_cast<std::size_t>(level.matrix.nonZeros()));
        for (Eigen::Index i = 0; i < level.matrix.outerSize(); ++i) {
            for (RowMatrix::InnerIterator it(level.matrix, i); it; ++it)
                entries.emplace_back(level.block[static_cast<std::size_t>(i)],
                                     level.block[static_cast<std::size_t>(it.col())], it.value());
        }
        const auto size = static_cast<Eigen::Index>(blocks.size());
        Level coarse;
        coarse.matrix.resize(size, size);
        coarse.matrix.setFromTriplets(entries.begin(), entries.end());
        coarse.matrix.makeCompressed();
        levels_.push_back(std::move(coarse));
    }

    info_ = Eigen::Success;
    for (Level& level : levels_) {
        const Eigen::Index rows = level.matrix.rows();
        level.diagonal.assign(static_cast<std::size_t>(rows), -1);
        const int* outer = level.matrix.outerIndexPtr();
        const int* inner = level.matrix.innerIndexPtr();
        for (Eigen::Index i = 0; i < rows; ++i) {
            for (int k = outer[i]; k < outer[i + 1]; ++k)
                if (inner[k] == i) level.diagonal[static_cast<std::size_t>(i)] = k;
            // Every state can be left, so every equation has its own unknown.
            if (level.diagonal[static_cast<std::size_t>(i)] < 0 ||
                level.matrix.valuePtr()[level.diagonal[static_cast<std::size_t>(i)]] == 0.0)
                info_ = Eigen::NumericalIssue;
        }
        level.x.resize(rows);
        level.b.resize(rows);
        level.r.resize(rows);
    }
    coarsest_.compute(Eigen::MatrixXd(levels_.back().matrix));
    return *this;
}

void AggregationMultigrid::sweep(const Level& level, bool forward) const {
    const Eigen::Index rows = level.matrix.rows();
    const int* outer = level.matrix.outerIndexPtr();
    const int* inner = level.matrix.innerIndexPtr();
    const double* value = level.matrix.valuePtr();
    const auto relax = [&](Eigen::Index i) {
        double rest = level.b[i];
        for (int k = outer[i]; k < outer[i + 1]; ++k) rest -= value[k] * level.x[inner[k]];
        level.x[i] += rest / value[level.diagonal[static_cast<std::size_t>(i)]];
    };
    if (forward) {
        for (Eigen::Index i = 0; i < rows; ++i) relax(i);
    } else {
        for (Eigen::Index i = rows; i-- > 0;) relax(i);
    }
}

void AggregationMultigrid::cycle(std::size_t l) const {
    const Level& level = levels_[l];
    if (l + 1 == levels_.size()) {
        level.x = coarsest_.solve(level.b);
        return;
    }
    level.x.setZero();
    sweep(level, true);
    level.r.noalias() = level.b - level.matrix * level.x;
    const Level& coarse = levels_[l + 1];
    coarse.b.setZero();
    for (Eigen::Index i = 0; i < level.r.size(); ++i)
        coarse.b[level.block[static_cast<std::size_t>(i)]] += level.r[i];
    cycle(l + 1);
    for (Eigen::Index i = 0; i < level.x.size(); ++i)
        level.x[i] += coarse.x[level.block[static_cast<std::size_t>(i)]];
    sweep(level, false);
}

Eigen::VectorXd AggregationMultigrid::solve(const Eigen::VectorXd& b) const {
    levels_.front().b = b;
    cycle(0);
    return levels_.front().x;
}

}  // namespace orven::exact
