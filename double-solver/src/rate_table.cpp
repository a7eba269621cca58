#include "orven/double_solver/rate_table.h"

#include <QLocale>

#include "orven/number_text.h"

namespace orven::double_solver {

std::vector<QStringList> rateTableLists(const aggregation::Table& mu,
                                        const std::array<int, kClasses + 1>& lengths, int Nmax,
                                        const QLocale& locale) {
    std::vector<QStringList> lists(kClasses + 1);
    for (int n = 0; n <= Nmax; ++n) lists[0].append(displayForm(n, locale));
    for (int i = 1; i <= kClasses; ++i) {
        for (int n = 0; n <= lengths[static_cast<std::size_t>(i)]; ++n) {
            const bool inTable = i < mu.rows() && n < mu.columns();
            lists[static_cast<std::size_t>(i)].append(displayForm(inTable ? mu(i, n) : 0, locale));
        }
    }
    return lists;
}

std::vector<QStringList> rateTableLists(const aggregation::Table& mu,
                                        const std::array<int, kClasses + 1>& lengths, int Nmax) {
    return rateTableLists(mu, lengths, Nmax, QLocale::system());
}

}  // namespace orven::double_solver
