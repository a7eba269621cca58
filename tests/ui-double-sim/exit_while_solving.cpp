// A window program that is ended, as "Exit" ends it, while a worker still solves an exact value
// that would take half a minute. It says "ending" on standard output just before.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <thread>

#include "orven/ui/end_program.h"
#include "orven/ui/exact_value_label.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orven::ui::ExactValueLabel label;
    label.setSolve([](const orven::exact::Model&, const std::atomic<bool>*) {
        // A solve that does not look at its stop flag in time.
        std::this_thread::sleep_for(std::chrono::seconds(30));
        return orven::exact::Reference{};
    });
    label.compareSimulator(orven::exact::Model{orven::exact::Network::Simple, {1, 1}, {{1}, {1}}},
                           {0.5}, {std::nullopt});
    label.QWidget::show();
    QTimer::singleShot(50, [] {
        std::fputs("ending\n", stdout);
        std::fflush(stdout);
        orven::ui::endProgram();
    });
    orven::ui::runUntilEnd();
}
