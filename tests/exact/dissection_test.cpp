#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "nested_dissection.h"

using namespace orven::exact;

namespace {

Graph fromEdges(int vertices, const std::vector<std::pair<int, int>>& edges) {
    std::vector<std::vector<int>> lists(static_cast<std::size_t>(vertices));
    for (const auto& [u, v] : edges) {
        lists[static_cast<std::size_t>(u)].push_back(v);
        lists[static_cast<std::size_t>(v)].push_back(u);
    }
    Graph graph;
    graph.first.push_back(0);
    for (auto& list : lists) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        graph.neighbours.insert(graph.neighbours.end(), list.begin(), list.end());
        graph.first.push_back(graph.neighbours.size());
    }
    return graph;
}

// A triangular lattice of side x side vertices, as the states of three queues lie, with
// `extra` random long edges.
Graph lattice(int side, int extra) {
    std::vector<std::pair<int, int>> edges;
    const auto at = [side](int x, int y) { return x * side + y; };
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            if (x + 1 < side) edges.emplace_back(at(x, y), at(x + 1, y));
            if (y + 1 < side) edges.emplace_back(at(x, y), at(x, y + 1));
            if (x + 1 < side && y + 1 < side) edges.emplace_back(at(x, y), at(x + 1, y + 1));
        }
    }
    std::mt19937 random(5);
    std::uniform_int_distribution<int> vertex(0, side * side - 1);
    for (int k = 0; k < extra; ++k) edges.emplace_back(vertex(random), vertex(random));
    return fromEdges(side * side, edges);
}

// What the elimination relies on: every vertex has one position; the nodes cover the order
// in consecutive runs, children before parents, each subtree a run that ends with its node;
// and no edge leaves a subtree except to an ancestor of its node, so that a front holds
// every variable its own ones are coupled to.
void expectSound(const Graph& graph, const Dissection& d) {
    const int n = graph.vertexCount();
    std::vector<int> sorted = d.order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> identity(static_cast<std::size_t>(n));
    std::iota(identity.begin(), identity.end(), 0);
    ASSERT_EQ(sorted, identity);

    std::vector<int> nodeAt(static_cast<std::size_t>(n), -1);
    int next = 0;
    for (std::size_t t = 0; t < d.nodes.size(); ++t) {
        const Dissection::Node& node = d.nodes[t];
        ASSERT_EQ(node.begin, next);
        ASSERT_LT(node.begin, node.end);
        ASSERT_LE(node.subtreeBegin, node.begin);
        next = node.end;
        for (int k = node.begin; k < node.end; ++k) nodeAt[static_cast<std::size_t>(k)] = int(t);
        if (node.parent >= 0) {
            ASSERT_GT(node.parent, static_cast<int>(t));
            const Dissection::Node& parent = d.nodes[static_cast<std::size_t>(node.parent)];
            ASSERT_LE(parent.subtreeBegin, node.subtreeBegin);
        } else {
            ASSERT_EQ(t + 1, d.nodes.size()) << "only the root has no parent";
        }
    }
    ASSERT_EQ(next, n);

    const auto isAncestorOrSelf = [&](int ancestor, int node) {
        for (; node >= 0; node = d.nodes[static_cast<std::size_t>(node)].parent)
            if (node == ancestor) return true;
        return false;
    };
    for (int u = 0; u < n; ++u) {
        for (std::size_t e = graph.first[static_cast<std::size_t>(u)];
             e < graph.first[static_cast<std::size_t>(u) + 1]; ++e) {
            const int v = graph.neighbours[e];
            const int pu = d.position[static_cast<std::size_t>(u)];
            const int pv = d.position[static_cast<std::size_t>(v)];
            if (pu > pv) continue;
            EXPECT_TRUE(isAncestorOrSelf(nodeAt[static_cast<std::size_t>(pv)],
                                         nodeAt[static_cast<std::size_t>(pu)]))
                << "edge " << u << "-" << v;
        }
    }
}

}  // namespace

TEST(Dissection, CutsLatticesIntoSmallFrontsThatHoldEveryCoupling) {
    for (const int extra : {0, 12}) {
        SCOPED_TRACE(extra);
        const Graph graph = lattice(60, extra);
        const Dissection d = dissect(graph, 16);
        expectSound(graph, d);
        // A plain lattice is cut across: its root layer is about one side long, nowhere near
        // the whole.
        if (extra == 0) {
            const Dissection::Node& root = d.nodes.back();
            EXPECT_LE(root.end - root.begin, 2 * 60);
            EXPECT_GT(d.nodes.size(), 60u);
        }
    }
}

TEST(Dissection, TakesPathsStarsAndSmallGraphsWhole) {
    // A path, a star (no three layers to cut), two vertices.
    std::vector<std::pair<int, int>> path, star;
    for (int v = 0; v + 1 < 200; ++v) path.emplace_back(v, v + 1);
    for (int v = 1; v < 100; ++v) star.emplace_back(0, v);
    for (const auto& [vertices, edges] :
         {std::pair{200, path}, std::pair{100, star}, std::pair{2, std::vector{std::pair{0, 1}}}}) {
        const Graph graph = fromEdges(vertices, edges);
        expectSound(graph, dissect(graph, 8));
    }
}
