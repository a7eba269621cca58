#include "orven/aggregation/table.h"

#include <algorithm>

namespace orven::aggregation {

Table::Table(int rows, int columns) {
    reset(rows, columns);
}

std::span<double> Table::row(int r) {
    return {values_.data() + index(r, 0), static_cast<std::size_t>(columns_)};
}

std::span<const double> Table::row(int r) const {
    return {values_.data() + index(r, 0), static_cast<std::size_t>(columns_)};
}

void Table::resize(int rows, int columns) {
    Table resized(rows, columns);
    const int keptRows = std::min(rows, rows_);
    const int keptColumns = std::min(columns, columns_);
    for (int r = 0; r < keptRows; ++r) {
        for (int c = 0; c < keptColumns; ++c) resized(r, c) = (*this)(r, c);
    }
    *this = std::move(resized);
}

void Table::reset(int rows, int columns) {
    rows_ = std::max(rows, 0);
    columns_ = std::max(columns, 0);
    values_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_), 0.0);
}

}  // namespace orven::aggregation
