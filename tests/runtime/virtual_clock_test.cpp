#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "virtual_clock.h"

namespace ampdesk {
namespace {

class VirtualClockTest : public ::testing::Test {
protected:
    VirtualClock clock;
    std::vector<std::string> log;

    std::function<void()> note(const std::string& what) {
        return [this, what] { log.push_back(what + "@" + std::to_string(clock.now())); };
    }
};

TEST_F(VirtualClockTest, PeriodicTimerTicksEveryIntervalUntilStopped) {
    auto t = clock.createTimer("Timer1", 500, note("tick"));
    t->start();
    clock.advance(1600);
    t->stop();
    clock.advance(2000);
    EXPECT_EQ(log, (std::vector<std::string>{"tick@500", "tick@1000", "tick@1500"}));
}

TEST_F(VirtualClockTest, EnablingARunningTimerKeepsItsPeriod) {
    // The watchdog relies on this: re-enabling it on every poll must not
    // push its deadline back.
    auto t = clock.createTimer("intimer", 2000, note("expired"));
    t->start();
    for (int i = 0; i < 3; ++i) {
        clock.advance(500);
        t->start();
    }
    clock.advance(500);
    EXPECT_EQ(log, (std::vector<std::string>{"expired@2000"}));
}

TEST_F(VirtualClockTest, StopThenStartRestartsThePeriod) {
    auto t = clock.createTimer("intimer", 2000, note("expired"));
    t->start();
    clock.advance(1500);
    t->stop();
    t->start();
    clock.advance(1999);
    EXPECT_TRUE(log.empty());
    clock.advance(1);
    EXPECT_EQ(log, (std::vector<std::string>{"expired@3500"}));
}

TEST_F(VirtualClockTest, ChangingTheIntervalOfARunningTimerRestartsIt) {
    auto t = clock.createTimer("t", 1000, note("tick"));
    t->start();
    clock.advance(700);
    t->setInterval(400);
    clock.advance(500);
    EXPECT_EQ(log, (std::vector<std::string>{"tick@1100"}));
}

TEST_F(VirtualClockTest, OneShotTimerStopsItselfInItsFirstTick) {
    std::unique_ptr<Timer> t;
    t = clock.createTimer("Timer124", 10, [&] {
        t->stop();
        log.push_back("once@" + std::to_string(clock.now()));
    });
    t->start();
    clock.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"once@10"}));
    EXPECT_FALSE(t->enabled());
}

TEST_F(VirtualClockTest, HandlerIsNotReenteredByAPauseInsideItself) {
    int depth = 0, maxDepth = 0, calls = 0;
    std::vector<std::int64_t> at;
    std::unique_ptr<Timer> t;
    t = clock.createTimer("sendTimer", 10, [&] {
        ++calls;
        at.push_back(clock.now());
        maxDepth = std::max(maxDepth, ++depth);
        if (calls == 1) clock.pumpWait(100);  // ten periods pass inside
        --depth;
    });
    auto other = clock.createTimer("Timer1", 30, note("other"));
    t->start();
    other->start();
    clock.advance(125);
    EXPECT_EQ(maxDepth, 1);
    // Other timers keep running during the pause.
    EXPECT_EQ(log.front(), "other@30");
    // The ticks that fell due during the pause were dropped; afterwards the
    // timer goes on at its period.
    EXPECT_EQ(at, (std::vector<std::int64_t>{10, 120}));
}

TEST_F(VirtualClockTest, PumpWaitRunsPostedCallsAndTimersThenReturnsAfterTheTime) {
    auto t = clock.createTimer("t", 40, note("tick"));
    t->start();
    clock.post(note("posted"));
    clock.pumpWait(100);
    EXPECT_EQ(clock.now(), 100);
    EXPECT_EQ(log, (std::vector<std::string>{"posted@0", "tick@40", "tick@80"}));
}

TEST_F(VirtualClockTest, PumpWaitReturnsWithNoEventAfterTheTime) {
    clock.pumpWait(100);
    EXPECT_EQ(clock.now(), 100);
}

TEST(VirtualClockWrap, PumpWaitEndsAtOnceWhenTheTickCounterWraps) {
    VirtualClock clock(0xFFFFFFFFu - 29);  // wraps 30 ms from now
    int ticks = 0;
    auto t = clock.createTimer("t", 10, [&] { ++ticks; });
    t->start();
    clock.pumpWait(100);
    EXPECT_EQ(clock.now(), 30);
    EXPECT_LT(clock.tickCount(), 100u);
    EXPECT_EQ(ticks, 3);
}

TEST_F(VirtualClockTest, TimersFireInTimeOrderAndTiesInSchedulingOrder) {
    auto a = clock.createTimer("a", 30, note("a"));
    auto b = clock.createTimer("b", 20, note("b"));
    auto c = clock.createTimer("c", 30, note("c"));
    a->start();
    b->start();
    c->start();
    clock.advance(60);
    EXPECT_EQ(log,
              (std::vector<std::string>{"b@20", "a@30", "c@30", "b@40", "a@60", "c@60", "b@60"}));
}

TEST_F(VirtualClockTest, DestroyingARunningTimerCancelsIt) {
    auto t = clock.createTimer("t", 10, note("tick"));
    t->start();
    t.reset();
    clock.advance(50);
    EXPECT_TRUE(log.empty());
}

TEST_F(VirtualClockTest, AHandlerMayDestroyItsOwnTimer) {
    std::unique_ptr<Timer> t;
    t = clock.createTimer("Timer22", 10, [&] {
        log.push_back("expired@" + std::to_string(clock.now()));
        t.reset();
    });
    t->start();
    clock.advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"expired@10"}));
    EXPECT_FALSE(t);
}

TEST(VirtualClockLifetime, ATimerMayOutliveItsClock) {
    std::unique_ptr<Timer> t;
    {
        VirtualClock clock;
        t = clock.createTimer("t", 10, [] {});
        t->start();
    }
    // Nothing of the clock is touched any more.
    t->stop();
    t->start();
    t->setInterval(20);
    EXPECT_TRUE(t->enabled());
    t.reset();
}

TEST_F(VirtualClockTest, ReportsRunningTimersByName) {
    auto t1 = clock.createTimer("Timer1", 500);
    auto t2 = clock.createTimer("intimer", 2000);
    t1->start();
    EXPECT_TRUE(clock.isRunning("Timer1"));
    EXPECT_FALSE(clock.isRunning("intimer"));
    EXPECT_EQ(clock.runningTimers(), (std::vector<std::string>{"Timer1"}));
}

}  // namespace
}  // namespace ampdesk
