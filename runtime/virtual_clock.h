#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "scheduler.h"

namespace ampdesk {

// Deterministic scheduler for tests: time only moves when a test advances it
// or code under test calls pumpWait, and everything due runs in time order
// (ties in the order they were scheduled).
class VirtualClock : public Scheduler {
public:
    explicit VirtualClock(std::uint32_t startTick = 0);
    ~VirtualClock() override;

    std::unique_ptr<Timer> createTimer(std::string name, int intervalMs,
                                       std::function<void()> handler = {}) override;
    std::uint32_t tickCount() const override;
    void pumpWait(int ms) override;
    void post(std::function<void()> fn) override;

    // Milliseconds since the clock was made; never wraps.
    std::int64_t now() const { return m_now; }

    // Runs everything due up to now + ms, then leaves the clock there.
    void advance(std::int64_t ms);
    // Runs everything due now (posted calls and expired timers).
    void runPending() { advance(0); }
    // Schedules fn at an absolute or relative virtual time.
    void callAt(std::int64_t atMs, std::function<void()> fn);
    void callAfter(std::int64_t ms, std::function<void()> fn) { callAt(m_now + ms, std::move(fn)); }

    // Timers that are enabled right now, by name (for assertions).
    std::vector<std::string> runningTimers() const;
    bool isRunning(const std::string& timerName) const;

private:
    class VTimer;
    struct Key {
        std::int64_t at;
        std::uint64_t seq;
        bool operator<(const Key& o) const { return at != o.at ? at < o.at : seq < o.seq; }
    };

    Key schedule(std::int64_t at, std::function<void()> fn);
    void cancel(const Key& key);
    // Runs events due no later than limit; stops early when stop() says so.
    void runUntil(std::int64_t limit, const std::function<bool()>& stop);

    std::int64_t m_now = 0;
    std::uint32_t m_startTick;
    std::uint64_t m_seq = 0;
    std::map<Key, std::function<void()>> m_events;
    std::vector<VTimer*> m_timers;
};

}  // namespace ampdesk
