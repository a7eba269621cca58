#include "orven/sim/shares.h"

namespace orven::sim {

Fixed4 share(double part, double clock) {
    return clock > 0.0 ? Fixed4::fromDouble(part / clock) : Fixed4();
}

Shares shares(const TimeTable& T, double clock) {
    Shares result{TimeTable(T.rows(), T.nmax()),
                  std::vector<Fixed4>(static_cast<std::size_t>(T.rows() + 1))};
    for (int k = 1; k <= T.rows(); ++k) {
        for (int j = 0; j <= T.nmax(); ++j) {
            result.P(k, j) = share(T(k, j).toDouble(), clock);
            result.psum[static_cast<std::size_t>(k)] += result.P(k, j);
        }
    }
    return result;
}

}  // namespace orven::sim
