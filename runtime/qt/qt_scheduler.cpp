#include "qt_scheduler.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace ampdesk {

namespace {

class QtTimer : public TimerBase {
public:
    QtTimer(std::string name, int interval, std::function<void()> handler)
        : TimerBase(std::move(name), interval, std::move(handler)) {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { fire(); });
    }

protected:
    void arm() override { m_timer.start(std::max(interval(), 1)); }
    void disarm() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

}  // namespace

QtScheduler::QtScheduler() = default;
QtScheduler::~QtScheduler() = default;

std::unique_ptr<Timer> QtScheduler::createTimer(std::string name, int intervalMs,
                                                std::function<void()> handler) {
    return std::make_unique<QtTimer>(std::move(name), intervalMs, std::move(handler));
}

std::uint32_t QtScheduler::tickCount() const {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

void QtScheduler::pumpWait(int ms) {
    const std::uint32_t start = tickCount();
    QEventLoop loop;
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (;;) {
        const std::uint32_t now = tickCount();
        if (now < start) return;  // the counter wrapped
        const std::uint32_t elapsed = now - start;
        if (ms <= 0 || elapsed >= static_cast<std::uint32_t>(ms)) return;
        // Sleep in the event loop until an event arrives or the time is up.
        wake.start(static_cast<int>(static_cast<std::uint32_t>(ms) - elapsed));
        loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
        wake.stop();
    }
}

void QtScheduler::post(std::function<void()> fn) {
    QMetaObject::invokeMethod(&m_context, std::move(fn), Qt::QueuedConnection);
}

}  // namespace ampdesk
