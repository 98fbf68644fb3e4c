#include "monitor/events/culprit_watch.h"

#include <QMetaObject>

#include <algorithm>
#include <optional>
#include <utility>

namespace tarnwick {

namespace {

bool AnyOf(const CulpritMeasures& measures) {
    return std::any_of(measures.begin(), measures.end(), [](bool wanted) { return wanted; });
}

}  // namespace

CulpritWatch::CulpritWatch(platform::ProcessTable& table, QObject* context,
                           std::chrono::milliseconds interval)
    : table_(table), context_(context), interval_(interval), gap_(interval) {}

CulpritWatch::~CulpritWatch() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CulpritWatch::Want(const CulpritMeasures& measures) {
    if (measures == lastWanted_) {
        return;
    }
    lastWanted_ = measures;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        wanted_ = measures;
    }
    if (AnyOf(measures) && !thread_.joinable()) {
        thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_all();
}

void CulpritWatch::Ask(CulpritMeasure measure, Answer answer) {
    std::unique_lock<std::mutex> lock(mutex_);
    const Known& known = known_[IndexOf(measure)];
    // A reading of the last interval, allowing for the reading's own time.
    if (known.valid && std::chrono::steady_clock::now() - known.at <= gap_ + interval_ / 2) {
        const Culprit culprit = known.culprit;
        lock.unlock();
        answer(culprit);
        return;
    }
    waiting_.push_back({measure, std::move(answer)});
    lock.unlock();
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_all();
}

int CulpritWatch::Readings() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return readings_;
}

CulpritMeasures CulpritWatch::WantedLocked() const {
    CulpritMeasures measures = wanted_;
    for (const Waiting& waiting : waiting_) {
        measures[IndexOf(waiting.measure)] = true;
    }
    return measures;
}

void CulpritWatch::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        const CulpritMeasures measures = WantedLocked();
        if (!AnyOf(measures)) {
            wake_.wait(lock);
        } else if (std::chrono::steady_clock::now() < next_) {
            wake_.wait_until(lock, next_);
        } else {
            TakeReading(lock, measures);
        }
    }
}

void CulpritWatch::TakeReading(std::unique_lock<std::mutex>& lock,
                               const CulpritMeasures& measures) {
    const auto start = std::chrono::steady_clock::now();
    const auto gap = gap_;
    lock.unlock();

    // A reading from before a pause says nothing about the last interval.
    if (haveBefore_ && start - beforeAt_ > 2 * gap) {
        haveBefore_ = false;
    }
    table_.Read(FiguresFor(measures), now_);
    std::array<std::optional<Culprit>, kCulpritMeasureCount> found;
    for (std::size_t i = 0; i < kCulpritMeasureCount; ++i) {
        const auto measure = static_cast<CulpritMeasure>(i);
        const bool share = measure == CulpritMeasure::ProcessorShare;
        if (!measures[i] || (share && now_.readable && !haveBefore_)) {
            continue;  // not asked for, or the first of the two readings a share needs
        }
        found[i] = FindCulprit(measure, now_, haveBefore_ ? &before_ : nullptr, table_);
    }
    if (measures[IndexOf(CulpritMeasure::ProcessorShare)]) {
        haveBefore_ = now_.readable;
        beforeAt_ = start;
        std::swap(before_, now_);
    }

    lock.lock();
    // A huge table takes long to read: the readings then keep at least four times their
    // length apart, so the watch never takes more than a quarter of a processor.
    const auto took = std::chrono::steady_clock::now() - start;
    gap_ = std::max<std::chrono::steady_clock::duration>(interval_, 4 * took);
    next_ = start + gap_;
    ++readings_;
    for (std::size_t i = 0; i < kCulpritMeasureCount; ++i) {
        if (found[i]) {
            known_[i] = {*found[i], start, true};
        }
    }
    // Those waiting for what this reading told are answered; the rest wait for the next.
    const auto told = std::stable_partition(
        waiting_.begin(), waiting_.end(),
        [&](const Waiting& w) { return !found[IndexOf(w.measure)].has_value(); });
    for (auto it = told; it != waiting_.end(); ++it) {
        QMetaObject::invokeMethod(
            context_,
            [answer = std::move(it->answer), culprit = *found[IndexOf(it->measure)]] {
                answer(culprit);
            },
            Qt::QueuedConnection);
    }
    waiting_.erase(told, waiting_.end());
}

}  // namespace tarnwick
