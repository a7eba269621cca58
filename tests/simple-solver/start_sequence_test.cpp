#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "orven/aggregation/iteration.h"
#include "orven/number_text.h"
#include "orven/simple_solver/simple_solver.h"
#include "scripted_platform.h"

using namespace orven;
using orven::testing::ScriptedPlatform;
using simple_solver::SimpleSolver;
using solver_kit::StartEnd;

namespace {

QString decoded(const QByteArray& bytes) {
    return orven::testing::decodeResults(bytes);
}

QStringList fileLines(const ScriptedPlatform& platform, const QString& answer) {
    QStringList lines = decoded(platform.resultsFile(answer)).split(QStringLiteral("\r\n"));
    lines.removeLast();  // after the last CR LF
    return lines;
}

// Records, in order, every step of a run that the window or the user would see.
class Recorder final : public solver_kit::SolverView {
  public:
    std::vector<std::string> steps;

    explicit Recorder(const SimpleSolver& solver) : solver_(solver) {}

    void inputRefused(const solver_kit::InputProblem& problem) override {
        steps.push_back("refused " + std::to_string(problem.field));
    }
    void runAccepted() override { steps.push_back("accepted"); }
    void setUpDone() override {
        steps.push_back("fields " + std::to_string(solver_.shownFields()));
    }
    void computingStarted() override { steps.push_back("busy"); }
    void computingEnded() override { steps.push_back("idle"); }
    void showOutput(const QString& text) override {
        steps.push_back("Text4 " + text.toStdString());
    }
    void showStates(const QStringList&) override { steps.push_back("states"); }
    void showRates(const std::vector<QStringList>&) override { steps.push_back("lists"); }

    void watch(ScriptedPlatform& platform) {
        platform.onMessage([this](const ScriptedPlatform::Message& m) {
            steps.push_back("message " + m.title.toStdString());
        });
        platform.onPrompt([this](const ScriptedPlatform::Prompt&) { steps.push_back("prompt"); });
    }

  private:
    const SimpleSolver& solver_;
};

}  // namespace

TEST(StartSequence, DefaultsRunExperimentZeroInTheWindowsOrder) {
    SimpleSolver solver;
    ScriptedPlatform platform;
    Recorder recorder(solver);
    recorder.watch(platform);
    const auto result = solver.start(platform, recorder);

    ASSERT_EQ(result.end, StartEnd::Completed);
    const double S = result.iteration->S;
    EXPECT_NEAR(S, 0.8336, 5e-5);
    const std::vector<std::string> expected{"accepted",
                                            "fields 3",
                                            "busy",
                                            "idle",
                                            "message Aποτέλεσμα",
                                            "Text4 " + aggregation::outputText(S).toStdString(),
                                            "prompt",
                                            "states",
                                            "lists"};
    EXPECT_EQ(recorder.steps, expected);

    const auto& message = platform.messages().front();
    EXPECT_EQ(message.text,
              QStringLiteral("Η έξοδος του σταθμού συνχρονισμού είναι,\r\n") + messageForm(S));
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    const auto& prompt = platform.prompts().front();
    EXPECT_EQ(prompt.text, QStringLiteral("Δώσε αρχείο για αποθήκευση πληροφοριών"));
    EXPECT_EQ(prompt.title, QStringLiteral("ΕΞΑΓΩΓΗ ΑΠΟΤΕΛΕΣΜΑΤΩΝ"));
    EXPECT_EQ(prompt.defaultAnswer, QStringLiteral("ORVEN SIMPLE "));

    EXPECT_EQ(result.output, displayForm(truncateTo(S, 1000)));
    EXPECT_EQ(result.lists.states,
              QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")}));
    ASSERT_EQ(result.lists.rates.size(), 3u);
    for (const auto& rates : result.lists.rates) {
        ASSERT_EQ(rates.size(), 6);
        EXPECT_EQ(rates.back(), QStringLiteral("---------"));
        for (int n = 0; n < 5; ++n) EXPECT_FALSE(rates[n].isEmpty());
    }
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(result.recorded);
    EXPECT_EQ(solver.shownFields(), 3);
    EXPECT_EQ(fileLines(platform, QStringLiteral("ORVEN SIMPLE ")).size(), 28);

    const auto& summary = solver.summary();
    ASSERT_EQ(summary.runs(), 1);
    const std::vector<double> row{1, 3, 5, 5, 5, 1, 1, 1, truncateTo(S, 10000)};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(summary.cell(1, c), row[static_cast<std::size_t>(c)]);
}

TEST(StartSequence, TheExperimentDecidesRatesFileNumberAndSummaryNumber) {
    struct Case {
        int code;
        QString name;
        QString fileNumber;
        double summaryNumber, mu2, mu3;
        QString secondRateRow;
    };
    const Case cases[] = {
        {0, QStringLiteral("1ο πείραμα"), QStringLiteral("1"), 1, 1, 1,
         QStringLiteral("\" 1   1   1   1   1   0  \"")},
        {1, QStringLiteral("2ο πείραμα"), QStringLiteral("2"), 3, 0.5, 0.25,
         QStringLiteral("\" .5   .5   .5   .5   .5   0  \"")},
        {2, QStringLiteral("3ο πείραμα"), QStringLiteral("3"), 2, 0.909, 0.833,
         QStringLiteral("\" .9091   .9091   .9091   .9091   .9091   0  \"")},
    };
    for (const auto& c : cases) {
        SimpleSolver solver;
        ScriptedPlatform platform;
        solver.chooseExperiment(c.code);
        EXPECT_EQ(simple_solver::experimentName(c.code), c.name);
        ASSERT_EQ(solver.start(platform).end, StartEnd::Completed);
        const QStringList lines = fileLines(platform, QStringLiteral("ORVEN SIMPLE "));
        EXPECT_EQ(lines[3], QStringLiteral("\"ΠΕΙΡΑΜΑ \",") + c.fileNumber);
        EXPECT_EQ(lines[10], c.secondRateRow);
        EXPECT_EQ(solver.summary().cell(1, 0), c.summaryNumber);
        EXPECT_EQ(solver.summary().cell(1, 5), 1.0);
        EXPECT_EQ(solver.summary().cell(1, 6), c.mu2);
        EXPECT_EQ(solver.summary().cell(1, 7), c.mu3);
    }
}

TEST(StartSequence, InputOutOfRangeIsRefusedWithItsMessageAndNothingElse) {
    struct Case {
        double R;
        std::vector<double> populations;
        QString message;
        int field;
    };
    const QString classes = QStringLiteral("Ο αριθμός τάξεων R πρέπει να είναι 2, 3 ή 4.");
    auto population = [](const char* field) {
        return QStringLiteral("Ο πληθυσμός ") + QString::fromLatin1(field) +
               QStringLiteral(" πρέπει να είναι ακέραιος από 1 έως 32767.");
    };
    const std::vector<double> fives{5, 5, 5, 5, 5};
    auto with = [&](int k, double value) {
        std::vector<double> p = fives;
        p[static_cast<std::size_t>(k)] = value;
        return p;
    };
    const int R = solver_kit::InputProblem::kClassCount;
    const Case cases[] = {
        {1, fives, classes, R},
        {5, fives, classes, R},
        {2.5, fives, classes, R},
        {0, fives, classes, R},
        {3, with(1, 0), population("N2"), 1},
        {3, with(0, -4), population("N1"), 0},
        {3, with(2, 2.5), population("N3"), 2},
        {3, with(2, 32768), population("N3"), 2},
        {4, with(3, 0), population("N4"), 3},
        // Fields beyond R are not in use.
        {2, with(2, 0), QString(), 0},
    };
    for (const auto& c : cases) {
        SimpleSolver solver;
        ScriptedPlatform platform;
        Recorder recorder(solver);
        solver.setR(c.R);
        for (int k = 0; k < 5; ++k)
            solver.setPopulation(k, c.populations[static_cast<std::size_t>(k)]);
        const auto result = solver.start(platform, recorder);
        if (c.message.isEmpty()) {
            EXPECT_EQ(result.end, StartEnd::Completed);
            continue;
        }
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(result.end, StartEnd::Refused);
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_EQ(platform.messages().front().text, c.message);
        EXPECT_EQ(platform.messages().front().title, QStringLiteral("Σφάλμα"));
        EXPECT_EQ(platform.messages().front().icon, MessageIcon::Warning);
        EXPECT_TRUE(platform.prompts().empty());
        EXPECT_EQ(recorder.steps, std::vector<std::string>{"refused " + std::to_string(c.field)});
        EXPECT_TRUE(platform.resultsFile(QStringLiteral("ORVEN SIMPLE ")).isEmpty());
        EXPECT_EQ(solver.summary().runs(), 0);
    }
}

TEST(StartSequence, AFileThatCannotBeWrittenIsReportedAndTheRunStillCounts) {
    SimpleSolver solver;
    ScriptedPlatform platform;
    Recorder recorder(solver);
    recorder.watch(platform);
    platform.answer(QStringLiteral("no such folder/run"));
    const auto result = solver.start(platform, recorder);
    EXPECT_EQ(result.end, StartEnd::Completed);
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.recorded);
    EXPECT_EQ(result.lists.rates.size(), 3u);
    EXPECT_EQ(recorder.steps.back(), "message Σφάλμα");
    EXPECT_EQ(recorder.steps[recorder.steps.size() - 2], "lists");
}

TEST(StartSequence, ACancelledPromptWritesTheBlockUnderTheDefaultName) {
    SimpleSolver solver;
    ScriptedPlatform platform;
    platform.cancelNextPrompt();
    EXPECT_TRUE(solver.start(platform).saved);
    EXPECT_EQ(fileLines(platform, QStringLiteral("ORVEN SIMPLE ")).size(), 28);
    EXPECT_TRUE(platform.resultsFile(QString()).isEmpty());  // no hidden ".txt"
}

TEST(StartSequence, ValuesThatStopBeingFiniteEndTheRunWithAWarningAndWriteNothing) {
    SimpleSolver solver;
    ScriptedPlatform platform;
    // No input drives the iteration there any more; a generator that hands out a NaN for
    // x(1, 0) still does.
    platform.scriptUniforms({std::numeric_limits<float>::quiet_NaN()});
    Recorder recorder(solver);
    recorder.watch(platform);
    const auto result = solver.start(platform, recorder);
    EXPECT_EQ(result.end, StartEnd::Failed);
    EXPECT_EQ(result.iteration->end, aggregation::IterationEnd::NotFinite);
    const std::vector<std::string> expected{"accepted", "fields 3",       "busy",
                                            "idle",     "message Σφάλμα", "Text4 "};
    EXPECT_EQ(recorder.steps, expected);
    EXPECT_EQ(platform.messages().front().text,
              QStringLiteral("Η επανάληψη απέτυχε: οι τιμές έπαψαν να είναι πεπερασμένες."));
    EXPECT_TRUE(platform.prompts().empty());
    EXPECT_EQ(solver.summary().runs(), 0);
}

TEST(StartSequence, AFirstOutputFarBelowADoubleStillEndsInAResult) {
    SimpleSolver solver;
    for (int k = 0; k < 3; ++k) solver.setPopulation(k, 400);
    ScriptedPlatform platform;
    // Partner rates far below the class rates: every class subsystem sits at its own full
    // queue, and the output of the first iteration is too small for a double. That once
    // ended the run as if the values had stopped being finite.
    for (int draw = 0; draw < 3 * 400; ++draw) platform.scriptUniforms({0.01f});
    Recorder recorder(solver);
    recorder.watch(platform);
    const auto result = solver.start(platform, recorder);
    ASSERT_EQ(result.end, StartEnd::Completed);
    EXPECT_EQ(result.iteration->end, aggregation::IterationEnd::Converged);
    EXPECT_GT(result.iteration->S, 0);
    EXPECT_LE(result.iteration->S, 1);
    EXPECT_EQ(recorder.steps.front(), "accepted");
    EXPECT_EQ(platform.messages().front().title, QStringLiteral("Aποτέλεσμα"));
    EXPECT_EQ(fileLines(platform, QStringLiteral("ORVEN SIMPLE ")).size(), 28);
    EXPECT_EQ(solver.summary().runs(), 1);
}

TEST(SetUp, AnEditOfAPopulationRedoesSetUpOnly) {
    SimpleSolver solver;
    ScriptedPlatform platform;
    solver.chooseExperiment(1);
    EXPECT_EQ(solver.setPopulation(0, 7), 3);
    const auto& state = solver.state();
    EXPECT_EQ(state.N[1], 7);
    EXPECT_EQ(state.Nmax, 7);
    EXPECT_EQ(state.iter, 0);
    EXPECT_EQ(state.omega, 1);
    EXPECT_EQ(state.mu(2, 0), 0.5);  // the code chosen before applies at once
    EXPECT_EQ(state.mu(3, 4), 0.25);
    EXPECT_EQ(state.mu(3, 5), 0);
    EXPECT_EQ(state.mu(3, 6), 0);  // beyond the class's population
    EXPECT_TRUE(solver.setUpHasRun());

    // A smaller population afterwards: nothing of the larger one remains.
    solver.setPopulation(0, 4);
    EXPECT_EQ(state.Nmax, 5);
    EXPECT_EQ(state.mu(1, 3), 1);
    EXPECT_EQ(state.mu(1, 4), 0);
    EXPECT_EQ(state.mu(1, 5), 0);
}

TEST(SetUp, FieldsInUseFollowRWhateverTheTextsHold) {
    struct Case {
        double R;
        int fields;
    };
    const Case cases[] = {{3, 3}, {2, 2}, {4.5, 4}, {7, 5}, {-2, 0}, {0, 0}, {1e300, 5}};
    for (const auto& c : cases) {
        SimpleSolver solver;
        solver.setR(c.R);
        EXPECT_EQ(solver.setPopulation(0, 0), c.fields) << c.R;
    }
}
