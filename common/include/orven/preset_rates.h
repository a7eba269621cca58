#pragma once

namespace orven {

// The classes (or sources) that the preset experiments give rates to, numbered 1..4.
inline constexpr int kPresetClasses = 4;

// The rate of class or source `index` (1..4) in preset experiment `code`, the same for every
// queue length below the full queue: code 0 gives 1 to all; code 1 halves from one to the next
// (1, 1/2, 1/4, 1/8); code 2 gives 1, 1/1.1, 1/1.2, 1/1.3. Every program numbers its codes so.
// 0 for any other code or index.
double presetRate(int code, int index);

}  // namespace orven
