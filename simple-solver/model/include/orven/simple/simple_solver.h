#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "orven/aggregation/iteration.h"
#include "orven/aggregation/solver_state.h"
#include "orven/results_block.h"
#include "orven/simple/output_rates.h"
#include "orven/simple/setup.h"
#include "orven/simple/summary.h"

namespace orven {
class Platform;
}

namespace orven::simple {

// The name of an experiment as the main window's field Text3 shows it: "1ο πείραμα" for code 0,
// "2ο πείραμα" for 1, "3ο πείραμα" for 2.
QString experimentName(int code);

// Steps of "start" at which the window updates itself, so that what it shows changes at the
// same moments as the messages and the prompt come. Every hook is optional.
struct StartHooks {
    // The input passed its check and the run goes ahead: empty the list boxes List1(0..3).
    std::function<void()> accepted;
    // Set-up has run: show the first `fields` population fields and their headings.
    std::function<void(int fields)> setUpDone;
    // The iteration starts (true) and ends (false): a busy cursor while it runs. The end
    // comes before any message.
    std::function<void(bool busy)> computing;
    // After the result message, before the file-name prompt: the text of Text4.
    std::function<void(const QString& text4)> output;
    // Before the results file is written: the items of the list boxes.
    std::function<void(const OutputLists& lists)> lists;
};

// How a "start" ended.
enum class StartEnd {
    Refused,    // an input was out of range: its warning was shown, nothing else happened
    Failed,     // the values stopped being finite: the failure warning was shown, nothing
                // written or recorded (the list boxes were emptied)
    Completed,  // the result was shown, the file written (or its error shown), lists filled
};

struct StartResult {
    StartEnd end = StartEnd::Refused;
    // Completed only: the text of Text4 and the items of the list boxes.
    QString text4;
    OutputLists lists;
    // Completed only: the block appended to the results file (or meant for it).
    ResultsBlock block;
    // Completed and the results block reached its file.
    bool saved = false;
    // A row was added to the summary (false from the sixteenth run on, and unless Completed).
    bool recorded = false;
    // How many population fields are shown after the run (unchanged when Refused).
    int shownFields = 0;
    // The end of the iteration, when it ran.
    std::optional<aggregation::IterationOutcome> iteration;
};

// The program orven-simple without its windows: the inputs the main window edits, the solver
// state, the experiment code and the run summary, with the handlers that change them.
//
// The main window mirrors its fields into this object: Text1 and Text2(0..4) start as "3" and
// "5" here too, so the window must not report its initial texts as edits. Its handlers map
// one to one:
//   Text1 edited            -> editR(text)
//   Text2(k) edited         -> editPopulation(k, text); show the first `fields` fields
//   option k of Form2       -> chooseExperiment(k); Text3 := experimentName(k)
//   "start"                 -> start(platform, hooks); the hooks update the window in order
//   summary window loaded   -> summaryLists(), under RunSummary::headings()
// Messages, the prompt, the clock, random numbers and the file all go through the Platform.
class SimpleSolver {
  public:
    SimpleSolver();

    // Text1 edited: R := number of the text (no set-up, no message).
    void editR(const QString& text);
    // Text2(k) edited, k = 0..4: N(k+1) := number of the text, then set-up runs (only set-up,
    // never a message, whatever the fields hold). Returns how many population fields are in
    // use, for the window to show N1..NR.
    int editPopulation(int k, const QString& text);
    // An option of the experiment window clicked: code 0, 1 or 2. Takes effect at the next
    // set-up.
    void chooseExperiment(int code);

    // Set-up alone (`initiate` with the current experiment). Returns how many population
    // fields are in use.
    int setUp();

    // "start": checks R (2, 3 or 4) and the populations in use (whole, 1..32767) and refuses
    // with a warning titled "Σφάλμα" naming the first bad field; then, in this order: set-up,
    // the iteration, the cut-off message when it applies, the result message, Text4, the
    // file-name prompt (default "ORVEN SIMPLE "), the list boxes, the append to the results
    // file (its error message when it fails), the summary row. See StartHooks for when the
    // window updates itself.
    StartResult start(Platform& platform, const StartHooks& hooks = {});

    // The state the windows show.
    const QString& rText() const { return rText_; }
    const QString& populationText(int k) const { return populationTexts_[k]; }
    double R() const { return R_; }  // as last read from Text1 (0 before any edit or set-up)
    std::optional<int> experiment() const { return experiment_; }
    int experimentCode() const { return experiment_.value_or(0); }  // not set counts as 0
    bool setUpHasRun() const { return setUpHasRun_; }
    int shownFields() const { return shownFields_; }  // population fields shown so far

    const aggregation::SolverState& state() const { return state_; }
    // Xout of the last completed run.
    const aggregation::Table& Xout() const { return Xout_; }
    const RunSummary& summary() const { return summary_; }
    // The summary window's ten lists as they are when it loads, and their headings.
    std::array<QStringList, RunSummary::kWindowLists> summaryLists() const {
        return summary_.windowLists();
    }

  private:
    // The warning for the first input out of range, or nothing.
    std::optional<QString> inputProblem() const;

    QString rText_;
    std::array<QString, kPopulationFields> populationTexts_;
    double R_ = 0;
    std::optional<int> experiment_;
    bool setUpHasRun_ = false;
    int shownFields_ = 0;
    aggregation::SolverState state_;
    aggregation::Table Xout_;
    RunSummary summary_;
};

}  // namespace orven::simple
