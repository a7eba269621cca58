// orven-batch join: the slices of a sweep that `sweep --shard` wrote, checked and put together.
#include <cstdio>
#include <memory>

#include "commands.h"
#include "sweep_join.h"

namespace orven::batch {

void addJoinCommand(CLI::App& app, int& exitCode) {
    auto paths = std::make_shared<std::vector<std::string>>();
    CLI::App* join = app.add_subcommand(
        "join", "the slices of one sweep (sweep --shard K/M), checked and put together");
    join->add_option("parts", *paths, "the parts as sweep --shard wrote them, CSV or JSON")
        ->required();
    join->callback([paths, &exitCode] {
        const JoinedSweep joined = joinSweepParts(*paths);
        // All or nothing: a sweep printed without a missing slice would look whole.
        for (const std::string& problem : joined.problems)
            std::fprintf(stderr, "orven-batch join: %s\n", problem.c_str());
        if (!joined.problems.empty()) {
            exitCode = 2;
            return;
        }
        std::fwrite(joined.text.data(), 1, joined.text.size(), stdout);
        exitCode = std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
    });
}

}  // namespace orven::batch
