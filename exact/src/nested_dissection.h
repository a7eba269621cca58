#pragma once

#include <cstddef>
#include <vector>

namespace orven::exact {

// An undirected graph in compressed form: the neighbours of vertex v are
// neighbours[first[v]] .. neighbours[first[v + 1] - 1], without v itself and without repeats.
struct Graph {
    std::vector<std::size_t> first;
    std::vector<int> neighbours;

    int vertexCount() const { return static_cast<int>(first.size()) - 1; }
};

// An elimination order that keeps the factors of a lattice-like graph small: the graph is cut
// in two by a layer of vertices, each half is cut again, and so on; every layer is eliminated
// after the pieces it separates. The nodes of the dissection tree come children first, the
// root (the first layer) last.
struct Dissection {
    struct Node {
        // The vertices the node eliminates: order[begin] .. order[end - 1].
        int begin = 0;
        int end = 0;
        // The first position of the node's subtree: its vertices are order[subtreeBegin] ..
        // order[end - 1], and nothing outside the subtree is eliminated between them.
        int subtreeBegin = 0;
        int parent = -1;
    };
    std::vector<int> order;     // the vertex eliminated at each position
    std::vector<int> position;  // inverse of order
    std::vector<Node> nodes;    // children before parents; the root is last
};

// Dissects a connected graph; pieces of at most `leafSize` vertices are not cut further.
Dissection dissect(const Graph& graph, int leafSize = 64);

}  // namespace orven::exact
