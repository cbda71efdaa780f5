#include "scheduler.h"

namespace ampdesk {

TimerBase::TimerBase(std::string name, int intervalMs, std::function<void()> handler)
    : m_name(std::move(name)), m_interval(intervalMs), m_handler(std::move(handler)) {}

TimerBase::~TimerBase() {
    if (m_destroyed) *m_destroyed = true;
}

void TimerBase::setInterval(int ms) {
    if (ms == m_interval) return;
    m_interval = ms;
    if (m_enabled) arm();
}

void TimerBase::setEnabled(bool on) {
    if (on == m_enabled) return;
    m_enabled = on;
    if (on)
        arm();
    else
        disarm();
}

void TimerBase::fire() {
    if (!m_enabled || m_inHandler || !m_handler) return;
    m_inHandler = true;
    bool destroyed = false;
    m_destroyed = &destroyed;
    // Copy: the handler may replace itself, or destroy the timer (an
    // operation that ends and releases its own time-out).
    auto handler = m_handler;
    handler();
    if (destroyed) return;
    m_destroyed = nullptr;
    m_inHandler = false;
}

}  // namespace ampdesk
