#pragma once

#include <QObject>

#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "monitor/events/culprit.h"
#include "platform/processes.h"

namespace tarnwick {

// Reads the process table on a thread of its own, at most once an interval (and never for more
// than a quarter of the time) and only while somebody wants it: while the condition of an
// event that names its culprit holds, or while a fired event waits for its culprit. The share
// of processor time needs two readings an interval apart, so the readings start when such a
// condition begins to hold; by the time an event of two seconds or more fires, the culprit of
// the last interval is known. An event that fires on the first tick of its condition waits one
// interval for its message.
//
// Made and used on one thread (the user-interface thread); answers come back to it through
// the event loop of context, which must outlive the watch.
class CulpritWatch {
public:
    using Answer = std::function<void(const Culprit&)>;

    CulpritWatch(platform::ProcessTable& table, QObject* context,
                 std::chrono::milliseconds interval = std::chrono::seconds(1));
    // Waits for a reading under way; answers not given yet are dropped.
    ~CulpritWatch();
    CulpritWatch(const CulpritWatch&) = delete;
    CulpritWatch& operator=(const CulpritWatch&) = delete;

    // The measures whose events' conditions hold now; called once a tick. Nothing changes
    // (and nothing is allocated) while the set stays the same.
    void Want(const CulpritMeasures& measures);

    // The culprit of the measure: at once when the last reading is recent and tells it,
    // otherwise through the event loop after the next reading that does.
    void Ask(CulpritMeasure measure, Answer answer);

    // Readings taken so far.
    int Readings() const;

private:
    struct Known {
        Culprit culprit;
        std::chrono::steady_clock::time_point at;
        bool valid = false;
    };
    struct Waiting {
        CulpritMeasure measure;
        Answer answer;
    };

    void Run();
    // Takes one reading of the measures and keeps what it tells; the lock is held on entry
    // and on return, but not while the table is read.
    void TakeReading(std::unique_lock<std::mutex>& lock, const CulpritMeasures& measures);
    CulpritMeasures WantedLocked() const;

    platform::ProcessTable& table_;
    QObject* context_;  // outlives the watch
    const std::chrono::milliseconds interval_;

    // The thread's own: the reading before the last, and the one being taken.
    platform::ProcessTableReading before_;
    platform::ProcessTableReading now_;
    std::chrono::steady_clock::time_point beforeAt_;
    bool haveBefore_ = false;

    CulpritMeasures lastWanted_{};  // the user-interface thread's copy of wanted_

    mutable std::mutex mutex_;  // guards what follows
    std::condition_variable wake_;
    CulpritMeasures wanted_{};
    std::vector<Waiting> waiting_;
    std::array<Known, kCulpritMeasureCount> known_{};
    std::chrono::steady_clock::duration gap_;  // between the starts of two readings
    std::chrono::steady_clock::time_point next_{};
    int readings_ = 0;
    bool stop_ = false;
    std::thread thread_;  // started at the first need
};

}  // namespace tarnwick
