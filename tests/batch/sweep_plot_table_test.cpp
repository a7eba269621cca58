// What orven-batch sweep --plot draws of a sweep's rows: the axis, the curves and the gaps.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "sweep_plot_table.h"

namespace {

using orven::batch::sweepPlotTable;
using orven::batch::SweepRow;
using Json = nlohmann::ordered_json;

// A row as the sweep writes it: its inputs (populations up to `columns`, empty beyond its own),
// then its outputs.
SweepRow row(const std::vector<int>& populations, std::size_t columns,
             const std::string& experiment, int seed, const SweepRow& outputs) {
    SweepRow made{{"case", 1}};
    for (std::size_t k = 0; k < columns; ++k)
        made.emplace_back("N" + std::to_string(k + 1),
                          k < populations.size() ? Json(populations[k]) : Json());
    made.emplace_back("experiment", experiment);
    made.emplace_back("seed", seed);
    made.insert(made.end(), outputs.begin(), outputs.end());
    return made;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(SweepPlotTable, EqualPopulationsShareTheAxisAndTheOtherInputsMakeTheCurves) {
    // '1..3x2;1..3x3' over experiments 0 and 1; R = 3 with N = 2 in experiment 1 gave no S.
    std::vector<SweepRow> rows;
    for (const std::size_t R : {2u, 3u}) {
        for (int n = 1; n <= 3; ++n) {
            for (const char* experiment : {"0", "1"}) {
                const bool failed = R == 3 && n == 2 && std::string(experiment) == "1";
                rows.push_back(row(std::vector<int>(R, n), 3, experiment, 1,
                                   {{"S", failed ? Json() : Json(n / 10.0)},
                                    {"exact", 0.5 + n},
                                    {"deviation_percent", 1.0}}));
            }
        }
    }
    const auto table = sweepPlotTable("simple-solver", rows);
    EXPECT_EQ(table.xTitle, QStringLiteral("N1 = N2 = N3"));
    EXPECT_EQ(table.yTitle, QStringLiteral("S"));
    EXPECT_EQ(table.x, (std::vector<double>{1, 2, 3}));
    ASSERT_EQ(table.curves.size(), 4u);
    EXPECT_EQ(table.curves[0].name, text("R = 2, πείραμα = 0"));
    EXPECT_EQ(table.curves[3].name, text("R = 3, πείραμα = 1"));
    EXPECT_EQ(table.curves[0].y, (std::vector<double>{0.1, 0.2, 0.3}));
    // The case without a result is a gap in its curve, and only there.
    EXPECT_TRUE(std::isnan(table.curves[3].y[1]));
    EXPECT_EQ(table.curves[3].y[2], 0.3);
    ASSERT_TRUE(table.curves[3].exact.has_value());
    EXPECT_EQ((*table.curves[3].exact)[1], 2.5);
    // A solver has no half-widths, and nothing is shared by every case but the seed.
    EXPECT_FALSE(table.curves[0].halfWidths.has_value());
    EXPECT_FALSE(table.title.contains(QStringLiteral("=")));
}

TEST(SweepPlotTable, OneCurveIsCalledByItsOutputAndTheSharedInputsGoIntoTheTitle) {
    std::vector<SweepRow> rows;
    // Out of order, as alternatives can give them: the axis is sorted.
    for (const int n : {3, 1, 2}) rows.push_back(row({n, 5, 5}, 3, "0", 1, {{"S", n / 10.0}}));
    const auto table = sweepPlotTable("simple-solver", rows);
    EXPECT_EQ(table.xTitle, QStringLiteral("N1"));
    EXPECT_EQ(table.x, (std::vector<double>{1, 2, 3}));
    ASSERT_EQ(table.curves.size(), 1u);
    EXPECT_TRUE(table.curves[0].name.isEmpty());
    EXPECT_EQ(table.curves[0].y, (std::vector<double>{0.1, 0.2, 0.3}));
    EXPECT_FALSE(table.curves[0].exact.has_value());
    EXPECT_TRUE(table.title.endsWith(text(" · N2 = 5, N3 = 5, πείραμα = 0")))
        << table.title.toStdString();
}

TEST(SweepPlotTable, TheDoubleSimulatorPlotsX1WithItsHalfWidthsOneCurvePerSeed) {
    std::vector<SweepRow> rows;
    for (const int n : {4, 5}) {
        for (const int seed : {1, 2}) {
            rows.push_back(row({5, n, 5, 5}, 4, "random", seed,
                               {{"runtime", 100000.0},
                                {"X", 0.0},
                                {"X1", n + seed / 10.0},
                                {"hw_X1", seed / 100.0},
                                {"X2", 9.0},
                                {"hw_X2", 9.0}}));
        }
    }
    const auto table = sweepPlotTable("double-sim", rows);
    EXPECT_EQ(table.xTitle, QStringLiteral("N2"));
    EXPECT_EQ(table.yTitle, QStringLiteral("X1"));
    ASSERT_EQ(table.curves.size(), 2u);
    EXPECT_EQ(table.curves[1].name, text("σπόρος = 2"));
    EXPECT_EQ(table.curves[1].y, (std::vector<double>{4.2, 5.2}));
    ASSERT_TRUE(table.curves[1].halfWidths.has_value());
    EXPECT_EQ(*table.curves[1].halfWidths, (std::vector<double>{0.02, 0.02}));
    EXPECT_TRUE(table.title.contains(text("πείραμα = random")));
}

TEST(SweepPlotTable, ASweepWithNothingToPlotAgainstIsRefused) {
    const std::vector<SweepRow> one{row({5, 5, 5}, 3, "0", 1, {{"S", 0.8}})};
    EXPECT_THROW(sweepPlotTable("simple-solver", one), std::invalid_argument);
    // The first input that varies is the experiment, and "random" is no number.
    const std::vector<SweepRow> experiments{row({5, 5, 5, 5, 5}, 5, "0", 1, {{"S", 0.8}}),
                                            row({5, 5, 5, 5, 5}, 5, "random", 1, {{"S", 0.7}})};
    try {
        sweepPlotTable("double-solver", experiments);
        FAIL() << "a plot against the experiment 'random'";
    } catch (const std::invalid_argument& refusal) {
        EXPECT_NE(std::string(refusal.what()).find("experiment"), std::string::npos);
    }
}

}  // namespace
