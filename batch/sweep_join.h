#pragma once

#include <string>
#include <vector>

namespace orven::batch {

// The slices of one sweep as `sweep --shard` wrote them, put back together.
struct JoinedSweep {
    // What keeps the parts from making the whole sweep: a part that is not a slice of it, cut
    // off or short of rows, a slice given twice or missing. Each names its part or its slice.
    std::vector<std::string> problems;
    // Without problems, the whole sweep as `sweep` without --shard prints it, byte for byte.
    std::string text;
};

// Reads the parts (CSV or JSON, in any order) and joins them in the order of their slices.
JoinedSweep joinSweepParts(const std::vector<std::string>& paths);

}  // namespace orven::batch
