#include "orven/ui/plots/plots_window.h"

#include <QComboBox>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "orven/platform.h"
#include "orven/plots/exact_values.h"
#include "orven/ui/dialog_owner.h"
#include "orven/ui/exact_value_label.h"
#include "orven/ui/named_control.h"
#include "orven/ui/plots/chart_panel.h"
#include "orven/ui/plots/convergence_chart.h"
#include "orven/ui/plots/distribution_chart.h"
#include "orven/ui/window_keys.h"

namespace orven::ui {

namespace {

// What the status line says of a content before any exact value is known.
QString contentStatus(const plots::PlotContent& content) {
    if (!content.distributions.empty()) return {};
    if (content.convergence) {
        return QStringLiteral(
            "Η τελευταία εκτέλεση δεν έδωσε αποτέλεσμα· φαίνεται η σύγκλισή της.");
    }
    return QStringLiteral("Δεν έχει γίνει ακόμη εκτέλεση.");
}

QString computingStatus() {
    return QStringLiteral("Υπολογίζονται οι ακριβείς τιμές…");
}

}  // namespace

PlotsWindowSetup simulatorPlotsSetup() {
    return {QStringLiteral("Form3"), QStringLiteral("Ουρά:"), QStringLiteral("Εκτίμηση"),
            QStringLiteral("Ακριβής τιμή"), false};
}

PlotsWindow::PlotsWindow(const PlotsWindowSetup& setup, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform) {
    setObjectName(setup.objectName);
    setWindowTitle(QStringLiteral("Διαγράμματα"));

    Label1_ = namedControl<QLabel>(QStringLiteral("Label1"), setup.selectorCaption, this);
    Combo1_ = namedControl<QComboBox>(QStringLiteral("Combo1"), this);
    Combo1_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Label1_->setBuddy(Combo1_);
    distributions_ = new ChartPanel(
        new DistributionChart(setup.estimateName, setup.exactName),
        {QStringLiteral("Chart1"), QStringLiteral("Command1"), QStringLiteral("Command2")},
        QStringLiteral("διάγραμμα"), platform_, this);
    if (setup.convergence) {
        convergence_ = new ChartPanel(
            new ConvergenceChart,
            {QStringLiteral("Chart2"), QStringLiteral("Command3"), QStringLiteral("Command4")},
            QStringLiteral("διάγραμμα σύγκλισης"), platform_, this);
    }
    Label2_ = namedControl<QLabel>(QStringLiteral("Label2"), QString(), this);
    Label2_->setWordWrap(true);
    auto* Command5 =
        namedControl<QPushButton>(QStringLiteral("Command5"), QStringLiteral("Εκτύπωση"), this);
    auto* Command6 =
        namedControl<QPushButton>(QStringLiteral("Command6"), QStringLiteral("Κλείσιμο"), this);

    auto* selector = new QHBoxLayout;
    selector->addWidget(Label1_);
    selector->addWidget(Combo1_);
    selector->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label2_, 1);
    bottom->addWidget(Command5);
    bottom->addWidget(Command6);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selector);
    layout->addWidget(distributions_, 1);
    if (convergence_ != nullptr) layout->addWidget(convergence_, 1);
    layout->addLayout(bottom);
    resize(780, convergence_ != nullptr ? 860 : 560);

    connect(Combo1_, &QComboBox::currentIndexChanged, this, &PlotsWindow::selectedChanged);
    connect(Command5, &QPushButton::clicked, this, &PlotsWindow::print);
    connect(Command6, &QPushButton::clicked, this, &QWidget::close);
    setWindowKeys(*this, nullptr, [this] { close(); });
    showContent({});
}

PlotsWindow::~PlotsWindow() = default;

void PlotsWindow::showContent(plots::PlotContent content, ExactJob exactJob) {
    ++generation_;
    content_ = std::move(content);
    pendingJob_ = std::move(exactJob);
    awaitingExactValue_ = !pendingJob_ && exactValue_ && !content_.distributions.empty();
    {
        const QSignalBlocker blocker(Combo1_);
        const int previous = Combo1_->currentIndex();
        Combo1_->clear();
        for (const plots::PlotSeries& series : content_.distributions)
            Combo1_->addItem(series.name);
        Combo1_->setCurrentIndex(previous >= 0 && previous < Combo1_->count() ? previous : 0);
    }
    Label2_->setText(contentStatus(content_));
    chartsStale_ = true;
    if (isVisible()) {
        drawCharts();
        startExactJob();
    }
    takeExactValue();
}

void PlotsWindow::drawCharts() {
    chartsStale_ = false;
    showSelected();
    if (ConvergenceChart* chart = convergenceChart())
        chart->showTrace(content_.convergence.value_or(plots::ConvergenceTrace{}));
}

void PlotsWindow::setHalfWidths(int series, std::vector<double> halfWidths) {
    if (series < 0 || series >= static_cast<int>(content_.distributions.size())) return;
    content_.distributions[static_cast<std::size_t>(series)].halfWidths = std::move(halfWidths);
    if (series == selected()) selectedChanged();
}

void PlotsWindow::setExact(int series, std::vector<double> exact) {
    if (series < 0 || series >= static_cast<int>(content_.distributions.size())) return;
    content_.distributions[static_cast<std::size_t>(series)].exact = std::move(exact);
    if (series == selected()) selectedChanged();
}

void PlotsWindow::setExactValues(const plots::ExactValues& values) {
    for (std::size_t s = 0; s < values.series.size() && s < content_.distributions.size(); ++s) {
        if (!values.series[s].empty()) content_.distributions[s].exact = values.series[s];
    }
    selectedChanged();
    QString status = contentStatus(content_);
    if (!values.unavailable.isEmpty()) {
        status = QStringLiteral("Χωρίς ακριβείς τιμές: ") + values.unavailable;
        if (!status.endsWith(u'.')) status += u'.';
    }
    Label2_->setText(status);
    emit exactArrived();
}

void PlotsWindow::followExactValue(const ExactValueLabel& label, std::vector<int> queues) {
    if (exactValue_) exactValue_->disconnect(this);
    exactValue_ = &label;
    exactQueues_ = std::move(queues);
    connect(&label, &ExactValueLabel::finished, this, &PlotsWindow::takeExactValue);
    connect(&label, &ExactValueLabel::cancelled, this, &PlotsWindow::exactValueCancelled);
}

void PlotsWindow::takeExactValue() {
    if (!awaitingExactValue_ || !exactValue_) return;
    if (exactValue_->computing()) {
        Label2_->setText(computingStatus());
        return;
    }
    awaitingExactValue_ = false;
    const std::optional<exact::Reference>& reference = exactValue_->reference();
    if (!reference) {
        setExactValues({{}, exactValue_->refusal()});
        return;
    }
    std::vector<std::size_t> points;
    for (const plots::PlotSeries& series : content_.distributions)
        points.push_back(series.values.size());
    setExactValues(plots::exactValuesOf(*reference, exactQueues_, points));
}

void PlotsWindow::exactValueCancelled() {
    // A new run has begun before the last one's exact value came: none will come for it.
    if (!awaitingExactValue_) return;
    awaitingExactValue_ = false;
    Label2_->setText(contentStatus(content_));
}

int PlotsWindow::selected() const {
    return Combo1_->currentIndex();
}

void PlotsWindow::select(int series) {
    Combo1_->setCurrentIndex(series);
}

DistributionChart& PlotsWindow::distributionChart() const {
    return static_cast<DistributionChart&>(distributions_->chart());
}

ConvergenceChart* PlotsWindow::convergenceChart() const {
    return convergence_ != nullptr ? static_cast<ConvergenceChart*>(&convergence_->chart())
                                   : nullptr;
}

void PlotsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    startExactJob();
}

void PlotsWindow::setVisible(bool visible) {
    // What came while the window was hidden is drawn as it shows.
    if (visible && chartsStale_) drawCharts();
    QWidget::setVisible(visible);
}

void PlotsWindow::selectedChanged() {
    // A hidden window draws nothing: a run of large populations costs no drawing unless looked at.
    if (isVisible()) {
        showSelected();
    } else {
        chartsStale_ = true;
    }
}

void PlotsWindow::showSelected() {
    const int at = selected();
    const bool any = at >= 0 && at < static_cast<int>(content_.distributions.size());
    const plots::PlotSeries shown =
        any ? content_.distributions[static_cast<std::size_t>(at)] : plots::PlotSeries{};
    distributionChart().showSeries(shown);
    distributions_->setFileStem(QStringLiteral("διάγραμμα ") + shown.name);
}

void PlotsWindow::startExactJob() {
    if (!pendingJob_) return;
    ExactJob job = std::move(pendingJob_);
    pendingJob_ = nullptr;
    Label2_->setText(computingStatus());
    auto* watcher = new QFutureWatcher<plots::ExactValues>(this);
    const unsigned generation = generation_;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        // A newer run's content has come meanwhile: these values are not its own.
        if (generation == generation_) setExactValues(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(std::move(job)));
}

void PlotsWindow::print() {
    const DialogOwner owner(*this);
    platform_.printWindow(*this);
}

}  // namespace orven::ui
