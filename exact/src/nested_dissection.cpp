#include "nested_dissection.h"

#include <algorithm>

namespace orven::exact {

namespace {

class Dissector {
  public:
    Dissector(const Graph& graph, int leafSize)
        : graph_(graph),
          leafSize_(leafSize),
          piece_(static_cast<std::size_t>(graph.vertexCount()), -1),
          level_(static_cast<std::size_t>(graph.vertexCount()), -1) {}

    Dissection run() {
        std::vector<int> all(static_cast<std::size_t>(graph_.vertexCount()));
        for (int v = 0; v < graph_.vertexCount(); ++v) all[static_cast<std::size_t>(v)] = v;
        result_.order.reserve(all.size());
        cut(all);
        result_.position.assign(all.size(), 0);
        for (std::size_t k = 0; k < result_.order.size(); ++k)
            result_.position[static_cast<std::size_t>(result_.order[k])] = static_cast<int>(k);
        return std::move(result_);
    }

  private:
    // Eliminates `vertices` (one piece of the graph, not necessarily connected): the pieces
    // first, then the layer that separates them. Returns the node that eliminates last.
    int cut(std::vector<int>& vertices) {
        const int subtreeBegin = static_cast<int>(result_.order.size());
        if (static_cast<int>(vertices.size()) <= leafSize_) return leaf(vertices, subtreeBegin);

        const int id = ++pieces_;
        for (const int v : vertices) piece_[static_cast<std::size_t>(v)] = id;
        // A root far from everything: the end of a breadth-first search from an end of
        // another, so that the layers run across the piece's longest extent.
        int root = vertices.front();
        for (int round = 0; round < 2; ++round) {
            levels(root, id);
            const int farthest = reached_.back();
            clearLevels();
            if (farthest == root) break;
            root = farthest;
        }
        levels(root, id);

        // The layer where half of the reached vertices lie below, kept only where it touches
        // the layer above: the rest cannot join the two sides.
        const int deepest = level_[static_cast<std::size_t>(reached_.back())];
        std::vector<int> perLevel(static_cast<std::size_t>(deepest) + 1, 0);
        for (const int v : reached_)
            ++perLevel[static_cast<std::size_t>(level_[static_cast<std::size_t>(v)])];
        int middle = 0;
        for (int sum = 0; middle < deepest; ++middle) {
            sum += perLevel[static_cast<std::size_t>(middle)];
            if (2 * sum >= static_cast<int>(reached_.size())) break;
        }
        middle = std::clamp(middle, 1, std::max(1, deepest - 1));

        std::vector<int> below, above, layer, unreached;
        for (const int v : reached_) {
            const int l = level_[static_cast<std::size_t>(v)];
            if (l < middle) {
                below.push_back(v);
            } else if (l > middle) {
                above.push_back(v);
            } else if (touchesLevel(v, id, middle + 1)) {
                layer.push_back(v);
            } else {
                below.push_back(v);
            }
        }
        if (reached_.size() < vertices.size()) {
            for (const int v : vertices)
                if (level_[static_cast<std::size_t>(v)] < 0) unreached.push_back(v);
        }
        clearLevels();
        for (const int v : vertices) piece_[static_cast<std::size_t>(v)] = -1;

        if (layer.empty() || below.empty() || above.empty()) {
            // Nothing to cut (a piece too thin to have three layers): take it whole, after any
            // other component of it. Copied first: the cut below reuses reached_.
            std::vector<int> whole = reached_;
            std::vector<int> children;
            if (!unreached.empty()) children.push_back(cut(unreached));
            return node(whole, subtreeBegin, children);
        }
        std::vector<int> children;
        if (!unreached.empty()) children.push_back(cut(unreached));
        children.push_back(cut(below));
        children.push_back(cut(above));
        return node(layer, subtreeBegin, children);
    }

    int leaf(const std::vector<int>& vertices, int subtreeBegin) {
        return node(vertices, subtreeBegin, {});
    }

    int node(const std::vector<int>& vertices, int subtreeBegin, const std::vector<int>& children) {
        Dissection::Node n;
        n.subtreeBegin = subtreeBegin;
        n.begin = static_cast<int>(result_.order.size());
        result_.order.insert(result_.order.end(), vertices.begin(), vertices.end());
        n.end = static_cast<int>(result_.order.size());
        const int id = static_cast<int>(result_.nodes.size());
        result_.nodes.push_back(n);
        for (const int child : children) result_.nodes[static_cast<std::size_t>(child)].parent = id;
        return id;
    }

    // Breadth-first levels from `root` within piece `id`, into reached_ and level_.
    void levels(int root, int id) {
        reached_.clear();
        reached_.push_back(root);
        level_[static_cast<std::size_t>(root)] = 0;
        for (std::size_t k = 0; k < reached_.size(); ++k) {
            const int u = reached_[k];
            const int next = level_[static_cast<std::size_t>(u)] + 1;
            for (std::size_t e = graph_.first[static_cast<std::size_t>(u)];
                 e < graph_.first[static_cast<std::size_t>(u) + 1]; ++e) {
                const int w = graph_.neighbours[e];
                if (piece_[static_cast<std::size_t>(w)] == id &&
                    level_[static_cast<std::size_t>(w)] < 0) {
                    level_[static_cast<std::size_t>(w)] = next;
                    reached_.push_back(w);
                }
            }
        }
    }

    void clearLevels() {
        for (const int v : reached_) level_[static_cast<std::size_t>(v)] = -1;
    }

    bool touchesLevel(int v, int id, int level) const {
        for (std::size_t e = graph_.first[static_cast<std::size_t>(v)];
             e < graph_.first[static_cast<std::size_t>(v) + 1]; ++e) {
            const int w = graph_.neighbours[e];
            if (piece_[static_cast<std::size_t>(w)] == id &&
                level_[static_cast<std::size_t>(w)] == level)
                return true;
        }
        return false;
    }

    const Graph& graph_;
    int leafSize_;
    int pieces_ = 0;
    std::vector<int> piece_;
    std::vector<int> level_;
    std::vector<int> reached_;
    Dissection result_;
};

}  // namespace

Dissection dissect(const Graph& graph, int leafSize) {
    return Dissector(graph, leafSize).run();
}

}  // namespace orven::exact
