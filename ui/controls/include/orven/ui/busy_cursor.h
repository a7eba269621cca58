#pragma once

namespace orven::ui {

// The busy cursor over every window of the program for as long as it lives: while a solver
// computes, and never beyond, however the computation ends.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace orven::ui
