#pragma once

namespace orven::aggregation {

// Int(value * scale) / scale, as the outputs are truncated for display, except that a product
// within rounding error of a whole number counts as that number: a rate of exactly 3 computed
// as 2.9999999999999996 shows as 3, not 2.999.
double truncateOutput(double value, double scale);

}  // namespace orven::aggregation
