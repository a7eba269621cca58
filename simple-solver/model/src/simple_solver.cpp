#include "orven/simple/simple_solver.h"

#include <algorithm>

#include "orven/input_rules.h"
#include "orven/number_text.h"
#include "orven/platform.h"
#include "orven/results_file.h"
#include "orven/simple/results.h"

namespace orven::simple {

namespace {

// R values for which the window, the results file and the preset rates are complete.
bool isSupportedR(double R) {
    return R == 2 || R == 3 || R == 4;
}

QString classCountMessage() {
    return QStringLiteral("Ο αριθμός τάξεων R πρέπει να είναι 2, 3 ή 4.");
}

QString nonFiniteRateMessage(RateIndex at) {
    return QStringLiteral("Ο ρυθμός εξόδου Χ") + QString::number(at.i) + u'(' +
           QString::number(at.n) +
           QStringLiteral(") δεν είναι πεπερασμένος αριθμός· τα αποτελέσματα δεν γράφτηκαν.");
}

template <typename Hook, typename... Args>
void call(const Hook& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

}  // namespace

QString experimentName(int code) {
    switch (code) {
        case 0:
            return QStringLiteral("1ο πείραμα");
        case 1:
            return QStringLiteral("2ο πείραμα");
        case 2:
            return QStringLiteral("3ο πείραμα");
        default:
            return QString();
    }
}

SimpleSolver::SimpleSolver() : rText_(QStringLiteral("3")) {
    populationTexts_.fill(QStringLiteral("5"));
}

void SimpleSolver::editR(const QString& text) {
    rText_ = text;
    R_ = numberFromText(text);
}

int SimpleSolver::editPopulation(int k, const QString& text) {
    if (k >= 0 && k < kPopulationFields) populationTexts_[static_cast<std::size_t>(k)] = text;
    return setUp();
}

void SimpleSolver::chooseExperiment(int code) {
    if (code >= 0 && code <= 2) experiment_ = code;
}

int SimpleSolver::setUp() {
    const int fields = initiate(state_, rText_, populationTexts_, experimentCode());
    R_ = numberFromText(rText_);
    setUpHasRun_ = true;
    shownFields_ = std::max(shownFields_, fields);
    return fields;
}

std::optional<QString> SimpleSolver::inputProblem() const {
    const double R = numberFromText(rText_);
    if (!isSupportedR(R)) return classCountMessage();
    for (int k = 0; k < static_cast<int>(R); ++k) {
        if (!isValidPopulation(numberFromText(populationTexts_[static_cast<std::size_t>(k)]))) {
            return populationRangeMessage(QStringLiteral("N") + QString::number(k + 1));
        }
    }
    return std::nullopt;
}

StartResult SimpleSolver::start(Platform& platform, const StartHooks& hooks) {
    StartResult result;
    if (const auto problem = inputProblem()) {
        platform.showMessage(*problem, MessageIcon::Warning, errorTitle());
        result.shownFields = shownFields_;
        return result;
    }
    call(hooks.accepted);
    const int fields = setUp();
    result.shownFields = shownFields_;
    call(hooks.setUpDone, fields);

    call(hooks.computing, true);
    const aggregation::IterationOutcome outcome = aggregation::iterate(state_, platform);
    result.iteration = outcome;
    Xout_ = aggregation::hasResult(outcome) ? findXout(state_) : aggregation::Table();
    call(hooks.computing, false);

    result.end = StartEnd::Failed;
    aggregation::reportIterationEnd(platform, outcome);
    if (!aggregation::hasResult(outcome)) return result;
    if (const auto at = firstNonFinite(Xout_)) {
        Xout_ = aggregation::Table();
        platform.showMessage(nonFiniteRateMessage(*at), MessageIcon::Warning, errorTitle());
        return result;
    }

    const double S = outcome.S;
    aggregation::showResultMessage(platform, S);
    result.text4 = aggregation::outputText(S);
    call(hooks.output, result.text4);

    const QString answer = askResultsFileName(platform, defaultFileName());
    result.block = findXallBlock(state_, Xout_, experimentCode(), platform.currentDateTime());
    result.lists = outputLists(state_, Xout_);
    call(hooks.lists, result.lists);
    result.saved = saveResultsBlock(platform, answer, result.block);

    result.recorded = summary_.record(experimentCode(), state_, S);
    result.end = StartEnd::Completed;
    return result;
}

}  // namespace orven::simple
