#pragma once

#include <QString>
#include <vector>

namespace orven::simple_solver {

// The main window's lists: List1(0) for the states, List1(1..4) for classes 1 to 4.
inline constexpr int kOutputLists = 5;

// The heading over the lists (Label4) for a number of classes: the full heading for 3 and 4
// classes; for 2 classes it ends after the heading of class 2.
QString outputHeading(int classes);

// Where the heading of each list starts in the full heading.
std::vector<qsizetype> outputHeadingStarts();

}  // namespace orven::simple_solver
