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
    // The same outputs as logarithms, which the iteration works with: in the first iterations
    // of large populations S is far below the smallest double while its size still steers the
    // correction. S, THbar and TH above are their exponentials (0 where these underflow).
    std::vector<double> logS;
    std::vector<double> logTHbar;
    double logTH(int i, int k) const { return logTh_[thIndex(i, k)]; }
    double& logTH(int i, int k) { return logTh_[thIndex(i, k)]; }
    // Extends S, THbar, err and TH and their logarithms to iteration `k`, keeping the earlier
    // iterations.
    void extendIterations(int k);

    // Scaled forms kept beside the probabilities, so that nothing that is representable
    // underflows or cancels:
    // logP(i, n) = ln P(i, n), -infinity where P(i, n) is 0 (indices as P).
    Table logP;
    // Pwait(i) = 1 - P(i, 0): class-i jobs wait; Qwait(i) = 1 - Q(i, 0): partner sets wait.
    // Both are summed from their own terms rather than subtracted from 1, and kept as
    // logarithms too, because either may be far below the smallest double.
    std::vector<double> Pwait;
    std::vector<double> Qwait;
    std::vector<double> logPwait;
    std::vector<double> logQwait;
    // ln(P(i, 0) / P0(i)) = ln(1 + sum of the partner-side terms), for the output rates.
    std::vector<double> logPartnerSide;
    // ln Q(i, 0) and ln of the mean number of waiting class-i jobs (the sum of n P(i, n)):
    // how the class subsystem moves when x(i, 0) moves.
    std::vector<double> logQ0;
    std::vector<double> logMeanWaiting;

    // The two parts of TH(i) in the last iteration, as logarithms: the synchronizations that
    // class i sets off, (1 - Q(i, 0)) mu(i, 0), and those that its partners set off,
    // (1 - P(i, 0)) x(i, 0). S is the sum of the first over the classes.
    std::vector<double> logSetOffByClass;
    std::vector<double> logSetOffByPartners;

    // The balancing step found after the last iteration (see balance_step.h): ln of the factor
    // for each x(i, 0), whether the next correction takes it, and the relative change of S
    // that the whole step foresees.
    std::vector<double> balanceStep;
    bool takeBalanceStep = false;
    double foreseenChange = 0;
    // Whether the method's correction creeps (see creep_step.h): how many slow iterations in a
    // row, whether the run is carried by the partner-balance step, and that step's imbalance
    // in the last iteration.
    int creepingIterations = 0;
    bool creeping = false;
    double creepImbalance = 0;

  private:
    std::size_t thIndex(int i, int k) const {
        return static_cast<std::size_t>(k) * static_cast<std::size_t>(R + 1) +
               static_cast<std::size_t>(i);
    }
    std::vector<double> th_;
    std::vector<double> logTh_;
};

}  // namespace orven::aggregation
