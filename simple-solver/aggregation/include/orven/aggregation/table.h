#pragma once

#include <span>
#include <vector>

namespace orven::aggregation {

// A rectangular table of doubles indexed from 0 in both dimensions (row 0 and column 0 exist
// even where they are not used). Entries that nothing has written read as 0.
class Table {
  public:
    Table() = default;
    Table(int rows, int columns);

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    double& operator()(int row, int column) { return values_[index(row, column)]; }
    double operator()(int row, int column) const { return values_[index(row, column)]; }

    std::span<double> row(int r);
    std::span<const double> row(int r) const;

    // Changes the shape, keeping the value at every index that still exists; new entries read 0.
    void resize(int rows, int columns);
    // Changes the shape and sets every entry to 0.
    void reset(int rows, int columns);

  private:
    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<double> values_;
};

}  // namespace orven::aggregation
