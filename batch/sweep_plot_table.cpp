#include "sweep_plot_table.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>

namespace orven::batch {

namespace {

using Json = nlohmann::ordered_json;

// An input of the cases as the plot takes it.
struct Input {
    std::string column;  // in the rows; empty for the number of populations
    QString label;       // on the plot
    bool axis = true;    // may stand on the horizontal axis
    bool titled = true;  // a value that every row shares goes into the title
};

// The main output of a subcommand's rows.
struct Output {
    std::string column;
    std::string halfWidth;  // empty where the rows have none (the solvers)
    QString title;
    QString axisTitle;
};

Output outputOf(const std::string& subcommand) {
    if (subcommand == "simple-sim") {
        return {"X", "hw_X", QStringLiteral("Μέση έξοδος X του σταθμού συγχρονισμού (προσομοίωση)"),
                QStringLiteral("X")};
    }
    if (subcommand == "double-sim") {
        return {"X1", "hw_X1",
                QStringLiteral("Μέση έξοδος X1 του σταθμού συγχρονισμού 1 (προσομοίωση)"),
                QStringLiteral("X1")};
    }
    return {"S", "", QStringLiteral("Μέση έξοδος S του σταθμού συγχρονισμού (συνάθροιση)"),
            QStringLiteral("S")};
}

bool isPopulation(const std::string& column) {
    return column.size() > 1 && column[0] == 'N' &&
           std::all_of(column.begin() + 1, column.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The inputs in the order of the columns; the simple solver's number of classes first, named
// in a curve before the rest but never on the axis, since its populations are.
std::vector<Input> inputsOf(const std::string& subcommand, const SweepRow& row) {
    std::vector<Input> inputs;
    if (subcommand == "simple-solver") inputs.push_back({"", QStringLiteral("R"), false, false});
    for (const auto& [column, value] : row) {
        if (isPopulation(column)) {
            inputs.push_back({column, QString::fromStdString(column), true, true});
        } else if (column == "experiment") {
            inputs.push_back({column, QStringLiteral("πείραμα"), true, true});
        } else if (column == "seed") {
            // A seed reproduces a figure; it says nothing of the model.
            inputs.push_back({column, QStringLiteral("σπόρος"), true, false});
        }
    }
    return inputs;
}

const Json* cell(const SweepRow& row, const std::string& column) {
    for (const auto& [name, value] : row) {
        if (name == column) return &value;
    }
    return nullptr;
}

double numberOr(const SweepRow& row, const std::string& column, double otherwise) {
    const Json* value = column.empty() ? nullptr : cell(row, column);
    return value != nullptr && value->is_number() ? value->get<double>() : otherwise;
}

bool hasNumber(const std::vector<SweepRow>& rows, const std::string& column) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    return std::any_of(rows.begin(), rows.end(), [&](const SweepRow& row) {
        return !std::isnan(numberOr(row, column, none));
    });
}

// An input's value in a row as text; nothing where the row has none.
std::optional<QString> valueOf(const SweepRow& row, const Input& input) {
    if (input.column.empty()) {
        const auto count = std::count_if(row.begin(), row.end(), [](const auto& entry) {
            return isPopulation(entry.first) && !entry.second.is_null();
        });
        return QString::number(count);
    }
    const Json* value = cell(row, input.column);
    if (value == nullptr || value->is_null()) return std::nullopt;
    return QString::fromStdString(value->is_string() ? value->get<std::string>() : value->dump());
}

QString named(const Input& input, const QString& value) {
    return input.label + QStringLiteral(" = ") + value;
}

}  // namespace

plots::SweepTable sweepPlotTable(const std::string& subcommand, const std::vector<SweepRow>& rows) {
    if (rows.empty()) throw std::invalid_argument("--plot: the sweep has no case to plot");
    const Output output = outputOf(subcommand);
    const std::vector<Input> inputs = inputsOf(subcommand, rows.front());

    // values[c][r]: input c in row r.
    std::vector<std::vector<std::optional<QString>>> values(inputs.size());
    std::vector<bool> varying(inputs.size());
    for (std::size_t c = 0; c < inputs.size(); ++c) {
        for (const SweepRow& row : rows) values[c].push_back(valueOf(row, inputs[c]));
        varying[c] = std::any_of(values[c].begin(), values[c].end(),
                                 [&](const auto& value) { return value != values[c].front(); });
    }
    std::size_t x = 0;
    while (x < inputs.size() && !(varying[x] && inputs[x].axis)) ++x;
    if (x == inputs.size())
        throw std::invalid_argument("--plot: no input varies, so there is nothing to plot against");
    std::vector<double> xs;
    for (const auto& value : values[x]) {
        bool ok = value.has_value();
        xs.push_back(ok ? value->toDouble(&ok) : 0.0);
        if (!ok)
            throw std::invalid_argument("--plot: the first input that varies, " + inputs[x].column +
                                        ", is not a number in every case");
    }

    // An input that equals the first in every row where it has a value goes with it on the
    // axis (the populations of "1..10x3"); the other inputs that vary tell the curves apart,
    // and those that every row shares go into the title.
    plots::SweepTable table;
    table.xTitle = inputs[x].label;
    table.yTitle = output.axisTitle;
    QStringList shared;
    std::vector<std::size_t> keys;
    for (std::size_t c = 0; c < inputs.size(); ++c) {
        if (c == x) continue;
        if (!varying[c]) {
            if (inputs[c].titled && values[c].front())
                shared << named(inputs[c], *values[c].front());
            continue;
        }
        bool follows = true;
        for (std::size_t r = 0; r < rows.size() && follows; ++r)
            follows = !values[c][r] || values[c][r] == values[x][r];
        if (follows) {
            table.xTitle += QStringLiteral(" = ") + inputs[c].label;
        } else {
            keys.push_back(c);
        }
    }
    table.title = output.title;
    if (!shared.isEmpty()) table.title += QStringLiteral(" · ") + shared.join(QStringLiteral(", "));

    table.x = xs;
    std::sort(table.x.begin(), table.x.end());
    table.x.erase(std::unique(table.x.begin(), table.x.end()), table.x.end());
    const double none = std::numeric_limits<double>::quiet_NaN();
    const bool halfWidths = !output.halfWidth.empty() && hasNumber(rows, output.halfWidth);
    const bool exact = hasNumber(rows, "exact");
    std::map<QStringList, std::size_t> curveOf;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QStringList key;
        QStringList name;
        for (const std::size_t c : keys) {
            key << values[c][r].value_or(QStringLiteral("\x1e"));
            if (values[c][r]) name << named(inputs[c], *values[c][r]);
        }
        const auto [found, isNew] = curveOf.try_emplace(key, table.curves.size());
        if (isNew) {
            const auto points = table.x.size();
            table.curves.push_back(
                {name.join(QStringLiteral(", ")), std::vector<double>(points, none), {}, {}});
            if (halfWidths) table.curves.back().halfWidths.emplace(points, none);
            if (exact) table.curves.back().exact.emplace(points, none);
        }
        plots::SweepCurve& curve = table.curves[found->second];
        const auto at = static_cast<std::size_t>(
            std::lower_bound(table.x.begin(), table.x.end(), xs[r]) - table.x.begin());
        // A case repeated in the inputs keeps its first row.
        if (!std::isnan(curve.y[at])) continue;
        curve.y[at] = numberOr(rows[r], output.column, none);
        if (curve.halfWidths) (*curve.halfWidths)[at] = numberOr(rows[r], output.halfWidth, none);
        if (curve.exact) (*curve.exact)[at] = numberOr(rows[r], "exact", none);
    }
    return table;
}

}  // namespace orven::batch
