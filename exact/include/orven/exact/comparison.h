#pragma once

#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "orven/exact/exact_error.h"
#include "orven/exact/model.h"

namespace orven::exact {

// What a program's run asks of the exact solution: the model it ran, or the reason, in Greek,
// why the exact solution cannot stand for it.
using Request = std::variant<Model, QString>;

// How far an approximation stands from the truth, in per cent of the truth: -3.5 where it is
// 3.5 % below.
double deviationPercent(double estimate, double exact);
// How many standard errors an estimate stands from the truth.
double zScore(double estimate, double exact, double standardError);

// The line that stands beside a result, in the display form of the numbers:
// "Ακριβής τιμή: υπολογίζεται…" while the exact value is being computed;
QString computingText();
// "Ακριβής τιμή: 0.8638 (απόκλιση −3.5 %)" beside a solver's S;
QString solverComparisonText(double S, const Reference& reference);
// "Ακριβής τιμή: 0.8638 (z = −0.4)" beside a simulator's output X, or with two outputs
// "Ακριβής τιμή: 0.8638 (z1 = −0.4, z2 = 0.3)"; the z of an output without a standard error is
// left out.
QString simulatorComparisonText(const std::vector<double>& outputs,
                                const std::vector<std::optional<double>>& standardErrors,
                                const Reference& reference);
// "Ακριβής τιμή: δεν υπολογίζεται· " and why, where there is no exact value.
QString unavailableText(const QString& reason);
// Why the exact solution refused a model, in a few Greek words (two lines of a narrow window
// hold the whole line).
QString refusalReason(const ExactError& error);

}  // namespace orven::exact
