#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "qt_scheduler.h"

namespace ampdesk {
namespace {

// Real time, so the bounds are generous.
TEST(QtScheduler, PumpWaitReturnsAfterTheTimeAlsoWithoutEvents) {
    QtScheduler scheduler;
    QElapsedTimer elapsed;
    elapsed.start();
    scheduler.pumpWait(100);
    EXPECT_GE(elapsed.elapsed(), 95);
    EXPECT_LT(elapsed.elapsed(), 2000);
}

TEST(QtScheduler, PumpWaitHandlesTimersAndPostedCalls) {
    QtScheduler scheduler;
    int ticks = 0;
    bool posted = false;
    auto t = scheduler.createTimer("t", 10, [&] { ++ticks; });
    t->start();
    scheduler.post([&] { posted = true; });
    scheduler.pumpWait(200);
    EXPECT_TRUE(posted);
    EXPECT_GE(ticks, 3);
}

TEST(QtScheduler, TimerKeepsVclSemantics) {
    QtScheduler scheduler;
    int fired = 0;
    std::unique_ptr<Timer> t;
    t = scheduler.createTimer("once", 20, [&] {
        t->stop();
        ++fired;
        scheduler.pumpWait(60);  // not re-entered
    });
    t->start();
    t->start();  // still running: no restart
    scheduler.pumpWait(300);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(t->enabled());
}

TEST(QtScheduler, AHandlerMayDestroyItsOwnTimer) {
    QtScheduler scheduler;
    int fired = 0;
    std::unique_ptr<Timer> t;
    t = scheduler.createTimer("Timer22", 10, [&] {
        ++fired;
        t.reset();
    });
    t->start();
    scheduler.pumpWait(100);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(t);
}

}  // namespace
}  // namespace ampdesk
