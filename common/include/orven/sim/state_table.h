#pragma once

#include <cassert>
#include <cstddef>
#include <span>
#include <vector>

#include "orven/fixed4.h"

namespace orven::sim {

// A table with one row per source or queue (rows 1..rows; row 0 exists and is never used) and
// one column per queue length 0..nmax, both sized when a run is set up. Entries that nobody
// wrote read as zero. A default table is empty: no run has built one yet.
template <typename Value>
class StateTable {
  public:
    StateTable() = default;
    StateTable(int rows, int nmax)
        : rows_(rows),
          columns_(nmax + 1),
          values_(static_cast<std::size_t>((rows + 1) * (nmax + 1))) {}

    bool empty() const { return columns_ == 0; }
    int rows() const { return rows_; }
    int nmax() const { return columns_ - 1; }

    Value& operator()(int row, int length) { return values_[index(row, length)]; }
    const Value& operator()(int row, int length) const { return values_[index(row, length)]; }

    // Every entry, row after row: entry (row, length) lies at row * (nmax + 1) + length.
    Value* data() { return values_.data(); }
    const Value* data() const { return values_.data(); }

    // The entries of one row for the queue lengths 0..nmax.
    std::span<const Value> row(int row) const {
        return std::span<const Value>(values_).subspan(index(row, 0),
                                                       static_cast<std::size_t>(columns_));
    }

    friend bool operator==(const StateTable&, const StateTable&) = default;

  private:
    std::size_t index(int row, int length) const {
        assert(row >= 0 && row <= rows_ && length >= 0 && length < columns_);
        return static_cast<std::size_t>(row * columns_ + length);
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<Value> values_;
};

// `mu`(i, j): the rate of source i while j of its jobs wait.
using RateTable = StateTable<double>;

// `T`(k, j): the simulated time during which queue k held j jobs. A network may keep rows
// beyond its queues for a quantity of its own state that it credits in the same step (the
// double network's jobs in queues 2 and 5 together), so that its distribution costs one row
// rather than a table of every pair of lengths; fixed-point sums are exact, so the figures are
// the same either way.
using TimeTable = StateTable<Fixed4>;

}  // namespace orven::sim
