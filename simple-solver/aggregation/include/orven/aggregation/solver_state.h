#pragma once

#include <vector>

#include "orven/aggregation/table.h"

namespace orven::aggregation {

// Everything the aggregation method reads and writes, for any number of classes. Class indices
// run from 1 to R; index 0 of every class dimension exists and is not used.
struct SolverState {
    int R = 0;
    std::vector<int> N;      // N(0..R): population of class i
    int Nmax = 0;            // largest N(i)
    std::vector<int> Na;     // Na(0..R): capacity of the partner side of class i
    Table mu;                // mu(0..R, 0..Nmax): rate of class i with n of its jobs waiting
    Table x;                 // x(0..R, 0..NaMax): partner side of class i advancing from m to m+1
    Table P;                 // P(0..R, 0..Nmax): aggregate station holds n class-i jobs
    Table Q;                 // Q(0..R, 0..NaMax): partner side of class i at m
    std::vector<double> P0;  // P0(0..R): the balanced state of the class-i subsystem
    int iter = 0;            // iterations done
    int omega = 1;           // damping counter: grows each time the error grows

    // Per iteration k = 0..iter; entry 0 is the starting point that iteration 1 compares with.
    std::vector<double> S;      // output of the synchronization station
    std::vector<double> THbar;  // mean of TH over the classes
    std::vector<double> err;    // convergence measure
    // TH(i, k): the output as the class-i subsystem alone sees it in iteration k.
    double TH(int i, int k) const { return th_[thIndex(i, k)]; }
    double& TH(int i, int k) { return th_[thIndex(i, k)]; }
    // Extends S, THbar, err and TH to iteration `k`, keeping the earlier iterations.
    void extendIterations(int k);

    // Scaled forms kept beside the probabilities, so that nothing that is representable
    // underflows or cancels:
    // logP(i, n) = ln P(i, n), -infinity where P(i, n) is 0 (indices as P).
    Table logP;
    // Pwait(i) = 1 - P(i, 0): class-i jobs wait; Qwait(i) = 1 - Q(i, 0): partner sets wait.
    // Both are summed from their own terms rather than subtracted from 1.
    std::vector<double> Pwait;
    std::vector<double> Qwait;
    // ln(P(i, 0) / P0(i)) = ln(1 + sum of the partner-side terms), for the output rates.
    std::vector<double> logPartnerSide;

  private:
    std::size_t thIndex(int i, int k) const {
        return static_cast<std::size_t>(k) * static_cast<std::size_t>(R + 1) +
               static_cast<std::size_t>(i);
    }
    std::vector<double> th_;
};

}  // namespace orven::aggregation
