#pragma once

#include <QObject>

#include "scheduler.h"

namespace ampdesk {

// Scheduler on Qt's event loop, for the programs.
class QtScheduler : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;

    std::unique_ptr<Timer> createTimer(std::string name, int intervalMs,
                                       std::function<void()> handler = {}) override;
    std::uint32_t tickCount() const override;
    void pumpWait(int ms) override;
    void post(std::function<void()> fn) override;

private:
    QObject m_context;
};

}  // namespace ampdesk
