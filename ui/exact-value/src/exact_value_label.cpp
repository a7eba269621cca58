#include "orven/ui/exact_value_label.h"

#include <QFutureWatcher>
#include <QSignalBlocker>
#include <QtConcurrent/QtConcurrentRun>

namespace orven::ui {

namespace {

// What a worker brings back: the solution, or the reason there is none.
struct Outcome {
    std::optional<exact::Reference> reference;
    QString reason;
    bool cancelled = false;
};

}  // namespace

ExactValueLabel::ExactValueLabel(QWidget* parent) : QLabel(parent), solve_(exact::solveModel) {
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for two lines from the start: a window does not grow when the answer comes, and a
    // refusal in a narrow window takes two.
    setMinimumHeight(2 * fontMetrics().lineSpacing() + 2 * margin());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

ExactValueLabel::~ExactValueLabel() {
    // Nobody is told of a stop that comes with the end of the window.
    const QSignalBlocker blocker(this);
    cancel();
}

void ExactValueLabel::compareSolver(const exact::Request& request, double S) {
    start(request, [S](const exact::Reference& reference) {
        return exact::solverComparisonText(S, reference);
    });
}

void ExactValueLabel::compareSimulator(const exact::Request& request, std::vector<double> outputs,
                                       std::vector<std::optional<double>> standardErrors) {
    start(request, [outputs = std::move(outputs),
                    errors = std::move(standardErrors)](const exact::Reference& reference) {
        return exact::simulatorComparisonText(outputs, errors, reference);
    });
}

void ExactValueLabel::cancel() {
    if (watcher_ == nullptr) return;
    stop_->store(true);
    // The worker ends on its own; nothing it brings back reaches this label.
    watcher_->disconnect(this);
    watcher_->deleteLater();
    watcher_ = nullptr;
    setText(QString());
    emit cancelled();
}

void ExactValueLabel::clear() {
    cancel();
    reference_.reset();
    refusal_.clear();
    setText(QString());
}

void ExactValueLabel::start(const exact::Request& request, Describe describe) {
    clear();
    if (const QString* reason = std::get_if<QString>(&request)) {
        show(exact::unavailableText(*reason), std::nullopt, *reason);
        return;
    }
    setText(exact::computingText());
    stop_ = std::make_shared<std::atomic<bool>>(false);
    auto* watcher = new QFutureWatcher<Outcome>(this);
    watcher_ = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, describe = std::move(describe)] {
                watcher_ = nullptr;
                watcher->deleteLater();
                const Outcome outcome = watcher->result();
                if (outcome.reference) {
                    show(describe(*outcome.reference), outcome.reference);
                } else if (!outcome.cancelled) {
                    show(exact::unavailableText(outcome.reason), std::nullopt, outcome.reason);
                }
            });
    watcher->setFuture(
        QtConcurrent::run([solve = solve_, model = std::get<exact::Model>(request), stop = stop_] {
            Outcome outcome;
            try {
                outcome.reference = solve(model, stop.get());
            } catch (const exact::Cancelled&) {
                outcome.cancelled = true;
            } catch (const exact::ExactError& error) {
                outcome.reason = exact::refusalReason(error);
            } catch (const std::exception&) {
                // Memory or the like ran out in the solve: no value, and the window goes on.
                outcome.reason = exact::refusalReason(exact::ExactError({}));
            }
            return outcome;
        }));
}

void ExactValueLabel::show(const QString& text, std::optional<exact::Reference> reference,
                           const QString& refusal) {
    reference_ = std::move(reference);
    refusal_ = refusal;
    setText(text);
    emit finished();
}

}  // namespace orven::ui
