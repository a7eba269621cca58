#pragma once

#include <QLabel>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "orven/exact/comparison.h"
#include "orven/exact/model.h"

namespace orven::ui {

// The exact value of the network a run stands for, beside the run's own figure: "Ακριβής τιμή:
// υπολογίζεται…" while a worker thread solves the chain, then the value with the deviation of a
// solver's S or the z-score of a simulator's output, or why there is none. A new computation,
// or cancel(), stops the one still going; its answer is never shown.
class ExactValueLabel final : public QLabel {
    Q_OBJECT

  public:
    // How the chain is solved: exact::solveModel, unless a test stands in for it.
    using Solve = std::function<exact::Reference(const exact::Model&, const std::atomic<bool>*)>;

    explicit ExactValueLabel(QWidget* parent = nullptr);
    ~ExactValueLabel() override;

    // Beside a solver's output S.
    void compareSolver(const exact::Request& request, double S);
    // Beside a simulator's outputs (X, or X1 and X2) with their standard errors, where known.
    void compareSimulator(const exact::Request& request, std::vector<double> outputs,
                          std::vector<std::optional<double>> standardErrors);
    // Stops a computation still going; its text goes, while a value already shown stays.
    void cancel();
    // Stops a computation and empties the label.
    void clear();

    bool computing() const { return watcher_ != nullptr; }
    // The exact solution behind the value shown, while one is shown: the marginals and
    // throughputs of the network that the last run stands for.
    const std::optional<exact::Reference>& reference() const { return reference_; }
    // Why there is no exact value, while a refusal is shown.
    const QString& refusal() const { return refusal_; }

    void setSolve(Solve solve) { solve_ = std::move(solve); }

  signals:
    // A computation has ended and its text is shown (a value or a refusal).
    void finished();
    // A computation was stopped before it ended: it brings nothing.
    void cancelled();

  private:
    using Describe = std::function<QString(const exact::Reference&)>;
    void start(const exact::Request& request, Describe describe);
    void show(const QString& text, std::optional<exact::Reference> reference,
              const QString& refusal = {});

    Solve solve_;
    // The computation going on: the flag that stops it, and what hands its outcome over.
    std::shared_ptr<std::atomic<bool>> stop_;
    QObject* watcher_ = nullptr;
    std::optional<exact::Reference> reference_;
    QString refusal_;
};

}  // namespace orven::ui
