#pragma once

#include <QString>
#include <array>

namespace orven::simple_solver::ui {

// The main window's list boxes: List1(0) for the states, List1(1..4) for classes 1 to 4.
inline constexpr int kOutputLists = 5;

// The heading over the list boxes (Label4) for a number of classes: the full heading for 3 and
// 4 classes; for 2 classes it ends after the heading of class 2.
QString outputHeading(int classes);

// How many characters of the full heading stand over each list box, so that the lists can be
// placed under their headings when the heading is drawn in a fixed-width font.
std::array<int, kOutputLists> outputHeadingSpans();

}  // namespace orven::simple_solver::ui
