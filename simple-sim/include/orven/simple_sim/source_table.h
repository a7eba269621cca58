#pragma once

#include <cassert>
#include <cstddef>
#include <span>
#include <vector>

#include "orven/fixed4.h"

namespace orven::simple_sim {

// The three sources (and their queues) of the simple network, numbered 1..3.
inline constexpr int kSources = 3;

// A table with one row per source (rows 1..3; row 0 exists and is never used) and one column
// per queue length 0..nmax. Entries that nobody wrote read as zero. A default table is empty:
// no run has built one yet.
template <typename Value>
class SourceTable {
  public:
    SourceTable() = default;
    explicit SourceTable(int nmax)
        : columns_(nmax + 1), values_(static_cast<std::size_t>((kSources + 1) * (nmax + 1))) {}

    bool empty() const { return columns_ == 0; }
    int nmax() const { return columns_ - 1; }

    Value& operator()(int source, int length) { return values_[index(source, length)]; }
    const Value& operator()(int source, int length) const { return values_[index(source, length)]; }

    // The entries of one source for the queue lengths 0..nmax.
    std::span<const Value> row(int source) const {
        return std::span<const Value>(values_).subspan(index(source, 0),
                                                       static_cast<std::size_t>(columns_));
    }

    friend bool operator==(const SourceTable&, const SourceTable&) = default;

  private:
    std::size_t index(int source, int length) const {
        assert(source >= 0 && source <= kSources && length >= 0 && length < columns_);
        return static_cast<std::size_t>(source * columns_ + length);
    }

    int columns_ = 0;
    std::vector<Value> values_;
};

// `mu`(i, j): the rate of source i while queue i holds j jobs.
using RateTable = SourceTable<double>;
// `T`(i, j): the simulated time during which queue i held j jobs; `P`(i, j) its share.
using TimeTable = SourceTable<Fixed4>;

}  // namespace orven::simple_sim
