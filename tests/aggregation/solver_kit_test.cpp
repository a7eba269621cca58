#include <gtest/gtest.h>

#include <QLocale>
#include <string>
#include <vector>

#include "class_model.h"
#include "orven/solver_kit/rate_choice.h"
#include "orven/solver_kit/results_tables.h"
#include "orven/solver_kit/solver.h"
#include "scripted_platform.h"

using namespace orven;
using orven::testing::ScriptedPlatform;
using solver_kit::RateChoice;
using solver_kit::RunSummary;

namespace {

// A network laid out as the double network's reduced network: four classes, the states listed
// from 0 with List1(0) filled before the prompt, and the rates of class 1 folded in place at
// every set-up (here simply doubled above the empty queue).
class FoldingNetwork final : public solver_kit::SolverNetwork {
  public:
    RateChoice rates;
    std::vector<int> populations{10, 5, 5, 5};

    std::optional<solver_kit::InputProblem> inputProblem() const override { return {}; }
    void setUpRun(aggregation::SolverState& state) override {
        state = orven::testing::classModel(populations);
        state.mu = rates.workingRates(state.N, state.Nmax);
        for (int n = 1; n <= state.Nmax; ++n) state.mu(1, n) *= 2;
    }
    QString defaultFileName() const override { return QStringLiteral("ORVEN DOUBLE"); }
    ResultsBlock resultsBlock(const aggregation::SolverState& state, const aggregation::Table& Xout,
                              const QDateTime&) const override {
        ResultsBlock block;
        solver_kit::appendResultTables(block, state, Xout,
                                       QStringLiteral("ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟ"));
        return block;
    }
    RunSummary::Row summaryRow(const aggregation::SolverState&, double S) const override {
        RunSummary::Row row(11);
        row[0] = solver_kit::summaryExperimentNumber(rates.codeOrZero());
        row[10] = solver_kit::summaryOutput(S);
        return row;
    }
    int firstListedState() const override { return 0; }
    bool statesBeforePrompt() const override { return true; }
};

// Notes every step of a run that a window or a user would see, in order.
class Recorder final : public solver_kit::SolverView {
  public:
    std::vector<std::string> steps;

    explicit Recorder(ScriptedPlatform& platform) {
        platform.onMessage([this](const ScriptedPlatform::Message& m) {
            steps.push_back("message " + m.title.toStdString());
        });
        platform.onPrompt([this](const ScriptedPlatform::Prompt&) { steps.push_back("prompt"); });
    }
    void runAccepted() override { steps.push_back("accepted"); }
    void setUpDone() override { steps.push_back("set up"); }
    void computingStarted() override { steps.push_back("busy"); }
    void computingEnded() override { steps.push_back("idle"); }
    void showOutput(const QString&) override { steps.push_back("output"); }
    void showStates(const QStringList& states) override {
        steps.push_back("states " + std::to_string(states.size()));
    }
    void showRates(const std::vector<QStringList>&) override { steps.push_back("rates"); }
    void runCompleted() override { steps.push_back("completed"); }
};

std::vector<QString> doubleHeadings() {
    std::vector<QString> headings(12, QStringLiteral("h"));
    return headings;
}

}  // namespace

TEST(SolverRun, TheDoubleLayoutListsStatesFromZeroBeforeThePrompt) {
    FoldingNetwork network;
    solver_kit::Solver solver(doubleHeadings());
    ScriptedPlatform platform;
    Recorder recorder(platform);
    const auto result = solver.start(network, platform, recorder);

    ASSERT_EQ(result.end, solver_kit::StartEnd::Completed);
    const std::vector<std::string> expected{
        "accepted", "set up",    "busy",   "idle",  "message Aποτέλεσμα",
        "output",   "states 11", "prompt", "rates", "completed"};
    EXPECT_EQ(recorder.steps, expected);
    EXPECT_EQ(platform.prompts().front().defaultAnswer, QStringLiteral("ORVEN DOUBLE"));
    // Every class's list starts with the empty item of state 0, in line with List1(0)'s 0.
    EXPECT_EQ(result.lists.states.front(), QStringLiteral("0"));
    for (const QStringList& rates : result.lists.rates) {
        ASSERT_EQ(rates.size(), 12);
        EXPECT_TRUE(rates.front().isEmpty());
        EXPECT_EQ(rates.back(), QStringLiteral("---------"));
    }
    // 30 lines less the 6 of the double network's own header.
    const QStringList lines =
        orven::testing::decodeResults(platform.resultsFile(QStringLiteral("ORVEN DOUBLE")))
            .split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.size() - 1, 24);
    EXPECT_EQ(lines[22], QStringLiteral("\"ΜΕΣΗ ΕΞΟΔΟΣ ΓΙΑ ΣΤΑΘΜΟ\""));
}

TEST(SolverRun, EveryRunFoldsTheChosenRatesAfreshNotTheLastRunsFold) {
    FoldingNetwork network;
    aggregation::Table drawn(5, 11);
    for (int n = 0; n < 10; ++n) drawn(1, n) = 0.5;
    for (int i = 2; i <= 4; ++i) {
        for (int n = 0; n < 5; ++n) drawn(i, n) = 0.75;
    }
    network.rates.chooseDrawn(drawn);
    solver_kit::Solver solver(doubleHeadings());
    ScriptedPlatform platform;
    solver_kit::SolverView quiet;

    solver.start(network, platform, quiet);
    const aggregation::Table firstRun = solver.state().mu;
    const auto second = solver.start(network, platform, quiet);
    ASSERT_EQ(second.end, solver_kit::StartEnd::Completed);
    for (int n = 0; n <= 10; ++n) EXPECT_EQ(solver.state().mu(1, n), firstRun(1, n)) << n;
    EXPECT_EQ(solver.state().mu(1, 3), 1.0);
    EXPECT_EQ(solver.state().mu(1, 10), 0.0);
    EXPECT_EQ(solver.summary().cell(2, 0), 4.0);
    EXPECT_EQ(network.rates.drawn()(1, 3), 0.5);  // the choice itself is never written

    // A preset drops the drawn rates.
    network.rates.choosePreset(1);
    EXPECT_FALSE(network.rates.isDrawn());
    EXPECT_EQ(network.rates.rate(2, 4, 5), 0.5);
    EXPECT_EQ(network.rates.rate(2, 5, 5), 0.0);
}

TEST(SolverRun, AFailedIterationClearsTheOutputAndWritesNothing) {
    FoldingNetwork network;
    network.populations = {5, 0, 5, 5};  // a class without jobs cannot be solved
    solver_kit::Solver solver(doubleHeadings());
    ScriptedPlatform platform;
    Recorder recorder(platform);
    const auto result = solver.start(network, platform, recorder);
    EXPECT_EQ(result.end, solver_kit::StartEnd::Failed);
    EXPECT_EQ(recorder.steps.back(), "output");
    EXPECT_TRUE(platform.prompts().empty());
    EXPECT_EQ(solver.summary().runs(), 0);
}

TEST(RunSummary, EmptyCellsStayEmptyInTheirLists) {
    RunSummary summary(doubleHeadings());
    RunSummary::Row row(11);
    row[0] = 4;
    row[10] = 0.1248;
    summary.record(row);
    summary.record({1});  // a short row leaves the rest empty
    const auto lists = summary.windowLists(QLocale(QLocale::C));
    ASSERT_EQ(lists.size(), 12u);
    EXPECT_EQ(lists[1],
              QStringList({QStringLiteral("4"), QString(), QStringLiteral("1"), QString()}));
    EXPECT_EQ(lists[7], QStringList({QString(), QString(), QString(), QString()}));
    EXPECT_EQ(lists[11][0], QStringLiteral("0.1248"));
    EXPECT_FALSE(summary.cell(2, 10).has_value());
}
