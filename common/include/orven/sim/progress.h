#pragma once

#include <QString>

namespace orven::sim {

// Tenths of the run length reached, as the per-cent figure of the progress label (0..100). A
// run length shortened during the run, or shorter than one step, shows 100, never more.
int progressPercent(double clock, double runtime);

// The progress label's text: " 40 %".
QString progressText(int percent);

}  // namespace orven::sim
