#include "virtual_clock.h"

#include <algorithm>

namespace ampdesk {

class VirtualClock::VTimer : public TimerBase {
public:
    VTimer(VirtualClock& clock, std::string name, int interval, std::function<void()> handler)
        : TimerBase(std::move(name), interval, std::move(handler)), m_clock(&clock) {
        m_clock->m_timers.push_back(this);
    }
    ~VTimer() override {
        if (!m_clock) return;
        disarm();
        auto& v = m_clock->m_timers;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }

    // The clock is going away first: from now on the timer never ticks and
    // touches nothing of it.
    void detach() {
        m_clock = nullptr;
        m_armed = false;
    }

protected:
    void arm() override {
        disarm();
        if (m_clock) scheduleNext(m_clock->m_now + std::max(interval(), 1));
    }
    void disarm() override {
        if (m_armed && m_clock) m_clock->cancel(m_key);
        m_armed = false;
    }

private:
    void scheduleNext(std::int64_t at) {
        m_armed = true;
        m_key = m_clock->schedule(at, [this] { tick(); });
    }
    void tick() {
        m_armed = false;
        // The next period starts now, before the handler runs, so a pause
        // inside the handler sees (and drops) the next tick as a real window
        // timer would.
        scheduleNext(m_clock->m_now + std::max(interval(), 1));
        fire();
    }

    VirtualClock* m_clock;
    bool m_armed = false;
    Key m_key{};
};

VirtualClock::VirtualClock(std::uint32_t startTick) : m_startTick(startTick) {}

VirtualClock::~VirtualClock() {
    // Timers are owned by whoever made them and may be destroyed later.
    for (auto* t : m_timers) t->detach();
}

std::unique_ptr<Timer> VirtualClock::createTimer(std::string name, int intervalMs,
                                                 std::function<void()> handler) {
    return std::make_unique<VTimer>(*this, std::move(name), intervalMs, std::move(handler));
}

std::uint32_t VirtualClock::tickCount() const {
    return static_cast<std::uint32_t>(m_startTick + static_cast<std::uint64_t>(m_now));
}

void VirtualClock::pumpWait(int ms) {
    const std::uint32_t start = tickCount();
    // The tick counter wraps after this many milliseconds from now.
    const std::int64_t toWrap = std::int64_t{1} << 32;
    const std::int64_t wrapAt = m_now + (toWrap - start);
    const std::int64_t limit = std::min<std::int64_t>(m_now + std::max(ms, 0), wrapAt);
    runUntil(limit, [&] { return tickCount() < start; });
    m_now = std::max(m_now, limit);
}

void VirtualClock::post(std::function<void()> fn) {
    schedule(m_now, std::move(fn));
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t limit = m_now + std::max<std::int64_t>(ms, 0);
    runUntil(limit, [] { return false; });
    m_now = std::max(m_now, limit);
}

void VirtualClock::callAt(std::int64_t atMs, std::function<void()> fn) {
    schedule(std::max(atMs, m_now), std::move(fn));
}

std::vector<std::string> VirtualClock::runningTimers() const {
    std::vector<std::string> names;
    for (const auto* t : m_timers)
        if (t->enabled()) names.push_back(t->name());
    return names;
}

bool VirtualClock::isRunning(const std::string& timerName) const {
    for (const auto* t : m_timers)
        if (t->enabled() && t->name() == timerName) return true;
    return false;
}

VirtualClock::Key VirtualClock::schedule(std::int64_t at, std::function<void()> fn) {
    Key key{at, m_seq++};
    m_events.emplace(key, std::move(fn));
    return key;
}

void VirtualClock::cancel(const Key& key) {
    m_events.erase(key);
}

void VirtualClock::runUntil(std::int64_t limit, const std::function<bool()>& stop) {
    while (!m_events.empty()) {
        auto it = m_events.begin();
        if (it->first.at > limit) break;
        m_now = std::max(m_now, it->first.at);
        auto fn = std::move(it->second);
        m_events.erase(it);
        fn();
        if (stop()) break;
    }
}

}  // namespace ampdesk
