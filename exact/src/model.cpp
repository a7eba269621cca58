#include "orven/exact/model.h"

#include "orven/exact/double_network.h"
#include "orven/exact/simple_network.h"

namespace orven::exact {

Reference solveModel(const Model& model, const std::atomic<bool>* cancel) {
    Reference reference;
    if (model.network == Network::Simple) {
        SimpleNetworkSolution solution = solveSimpleNetwork(model.populations, model.rates, cancel);
        reference.stateCount = solution.stateCount;
        reference.throughputs = {solution.throughput};
        reference.marginals = std::move(solution.marginals);
        return reference;
    }
    DoubleNetworkSolution solution = solveDoubleNetwork(model.populations, model.rates, cancel);
    reference.stateCount = solution.stateCount;
    reference.throughputs = {solution.throughputs[0], solution.throughputs[1]};
    reference.marginals = std::move(solution.marginals);
    reference.sumOfQueues2And5 = std::move(solution.sumOfQueues2And5);
    return reference;
}

}  // namespace orven::exact
