#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ampdesk {

// A window timer with the semantics the protocol code was written for:
// enabling a timer that already runs leaves its period running, changing the
// interval of a running timer restarts its period, and a one-shot timer is a
// periodic one whose handler stops it first. A handler is never re-entered by
// a pause (pumpWait) inside itself: ticks that fall due meanwhile are dropped.
class Timer {
public:
    virtual ~Timer() = default;

    virtual const std::string& name() const = 0;
    virtual int interval() const = 0;
    virtual void setInterval(int ms) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual void setHandler(std::function<void()> handler) = 0;

    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
};

// The one place timers, the responsive pause and deferred calls come from.
// Production runs on Qt's event loop; tests run on VirtualClock.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    virtual std::unique_ptr<Timer> createTimer(std::string name, int intervalMs,
                                               std::function<void()> handler = {}) = 0;

    // Millisecond tick counter; wraps after 2^32 ms like the system tick count.
    virtual std::uint32_t tickCount() const = 0;

    // Handles pending events until ms milliseconds have passed; ends at once
    // when the tick counter is found below its value at the start (a wrap).
    virtual void pumpWait(int ms) = 0;

    // Runs fn on the UI thread once the current event has been handled.
    virtual void post(std::function<void()> fn) = 0;
};

// Shared timer bookkeeping; implementations only arm and disarm the clock.
class TimerBase : public Timer {
public:
    TimerBase(std::string name, int intervalMs, std::function<void()> handler);
    ~TimerBase() override;

    const std::string& name() const override { return m_name; }
    int interval() const override { return m_interval; }
    void setInterval(int ms) override;
    bool enabled() const override { return m_enabled; }
    void setEnabled(bool on) override;
    void setHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

    bool inHandler() const { return m_inHandler; }

protected:
    // Called by the clock when a period has elapsed.
    void fire();
    virtual void arm() = 0;     // (re)start the period from now
    virtual void disarm() = 0;  // stop ticking

private:
    std::string m_name;
    int m_interval;
    bool m_enabled = false;
    bool m_inHandler = false;
    // Set while the handler runs; tells fire() that the handler destroyed the timer.
    bool* m_destroyed = nullptr;
    std::function<void()> m_handler;
};

}  // namespace ampdesk
