#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "orven/aggregation/table.h"
#include "orven/double_solver/setup.h"

class QLocale;

namespace orven::double_solver {

// The lists of the rate table window, in display form: List1(0) the states 0..Nmax, and
// List1(i) the rates mu(i, 0..lengths[i]) of class i, so each column ends with the rate at its
// full queue.
std::vector<QStringList> rateTableLists(const aggregation::Table& mu,
                                        const std::array<int, kClasses + 1>& lengths, int Nmax,
                                        const QLocale& locale);
std::vector<QStringList> rateTableLists(const aggregation::Table& mu,
                                        const std::array<int, kClasses + 1>& lengths, int Nmax);

}  // namespace orven::double_solver
