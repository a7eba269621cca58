#include "orven/sim/batch_means.h"

#include <algorithm>
#include <boost/math/distributions/students_t.hpp>
#include <cassert>
#include <cmath>

namespace orven::sim {

namespace {

// A last part of a run at least this share of a batch long is a batch of its own.
constexpr double kWholeBatch = 0.99;

}  // namespace

double studentQuantile975(int degreesOfFreedom) {
    assert(degreesOfFreedom >= 1);
    const boost::math::students_t distribution(static_cast<double>(degreesOfFreedom));
    return boost::math::quantile(distribution, 0.5 + kConfidence / 2.0);
}

void BatchMeans::start(double runtime, const RunTotals& start) {
    assert(runtime > 0.0 && start.T != nullptr);
    width_ = runtime / kBatches;
    next_ = width_;
    batches_ = 0;
    rows_ = start.T->rows();
    nmax_ = start.T->nmax();
    outputs_ = start.outputs;
    values_ = static_cast<std::size_t>(rows_) * static_cast<std::size_t>(nmax_ + 1) +
              static_cast<std::size_t>(outputs_);
    means_ = 0;
    mean_.assign(values_, 0.0);
    squares_.assign(values_, 0.0);
    last_.assign(values_, 0);
    remember(start);
    warmUpClock_ = lastClock_;
    warmUp_ = last_;
}

void BatchMeans::remember(const RunTotals& now) {
    lastClock_ = now.clock;
    std::size_t v = 0;
    for (int k = 1; k <= rows_; ++k)
        for (const Fixed4 t : now.T->row(k)) last_[v++] = t.count();
    for (int o = 0; o < outputs_; ++o) last_[v++] = now.counts[static_cast<std::size_t>(o)];
}

void BatchMeans::addMeans(const RunTotals& now) {
    const double duration = now.clock - lastClock_;
    if (!(duration > 0.0)) return;
    ++means_;
    const auto update = [this, duration](std::size_t v, std::int64_t total, double unit) {
        const double mean = static_cast<double>(total - last_[v]) * unit / duration;
        const double delta = mean - mean_[v];
        mean_[v] += delta / means_;
        squares_[v] += delta * (mean - mean_[v]);
    };
    std::size_t v = 0;
    for (int k = 1; k <= rows_; ++k)
        for (const Fixed4 t : now.T->row(k)) update(v++, t.count(), 1e-4);
    for (int o = 0; o < outputs_; ++o) update(v++, now.counts[static_cast<std::size_t>(o)], 1.0);
}

void BatchMeans::close(const RunTotals& now) {
    // The warm-up ends without a mean.
    if (batches_ > 0) addMeans(now);
    ++batches_;
    remember(now);
    if (batches_ == 1) {
        warmUpClock_ = lastClock_;
        warmUp_ = last_;
    }
    // A step may pass more than one boundary; the batch then runs to the first one ahead.
    next_ = (std::floor(now.clock / width_) + 1.0) * width_;
}

void BatchMeans::finish(const RunTotals& now) {
    if (width_ > 0.0 && now.clock - lastClock_ >= kWholeBatch * width_) close(now);
    next_ = std::numeric_limits<double>::infinity();
}

std::optional<Intervals> BatchMeans::intervals() const {
    if (means_ < kFewestBatchMeans) return std::nullopt;
    const double t = studentQuantile975(means_ - 1);
    const auto standardError = [this](std::size_t v) {
        return std::sqrt(squares_[v] / (means_ - 1) / means_);
    };
    Intervals out;
    out.batchMeans = means_;
    out.halfWidthP = StateTable<double>(rows_, nmax_);
    std::size_t v = 0;
    for (int k = 1; k <= rows_; ++k)
        for (int j = 0; j <= nmax_; ++j) out.halfWidthP(k, j) = t * standardError(v++);
    for (int o = 0; o < outputs_; ++o, ++v) {
        out.standardErrorX.push_back(standardError(v));
        out.halfWidthX.push_back(t * standardError(v));
    }
    return out;
}

std::optional<double> BatchMeans::largestRelativeHalfWidthX(const RunTotals& now) const {
    if (means_ < kFewestBatchMeans || !(now.clock > 0.0)) return std::nullopt;
    const double t = studentQuantile975(means_ - 1);
    double largest = 0.0;
    for (int o = 0; o < outputs_; ++o) {
        const std::size_t v = cells() + static_cast<std::size_t>(o);
        const double estimate =
            static_cast<double>(now.counts[static_cast<std::size_t>(o)]) / now.clock;
        if (!(estimate > 0.0)) return std::nullopt;
        largest = std::max(largest, t * std::sqrt(squares_[v] / (means_ - 1) / means_) / estimate);
    }
    return largest;
}

BatchMeans::Part BatchMeans::afterWarmUp(const RunTotals& now) const {
    Part part{now.clock - warmUpClock_, std::vector<std::int64_t>(values_)};
    std::size_t v = 0;
    for (int k = 1; k <= rows_; ++k)
        for (const Fixed4 t : now.T->row(k)) {
            part.values[v] = t.count() - warmUp_[v];
            ++v;
        }
    for (int o = 0; o < outputs_; ++o, ++v)
        part.values[v] = now.counts[static_cast<std::size_t>(o)] - warmUp_[v];
    return part;
}

void BatchMeans::pool(const BatchMeans& other) {
    assert(other.values_ == values_);
    if (other.means_ == 0) return;
    // The parallel form of Welford's update: means and squared deviations of both sets at once.
    const double a = means_;
    const double b = other.means_;
    const double n = a + b;
    for (std::size_t v = 0; v < values_; ++v) {
        const double delta = other.mean_[v] - mean_[v];
        mean_[v] += delta * b / n;
        squares_[v] += other.squares_[v] + delta * delta * a * b / n;
    }
    means_ += other.means_;
}

}  // namespace orven::sim
