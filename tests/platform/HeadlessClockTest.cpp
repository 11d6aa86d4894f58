// The headless backend's virtual clock: timers fire in time order as the test
// advances the clock, and the event loop runs on the same clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"

namespace sk::platform {
namespace {

struct Fired {
    std::string name;
    std::uint64_t at;
    friend bool operator==(const Fired&, const Fired&) = default;
};

std::ostream& operator<<(std::ostream& os, const Fired& f) {
    return os << f.name << "@" << f.at;
}

class HeadlessClock : public testing::Test {
protected:
    HeadlessPlatform platform;
    std::vector<Fired> fired;

    TimerId record(const std::string& name, int interval) {
        return platform.startTimer(interval, [this, name] { fired.push_back({name, platform.nowMs()}); });
    }
};

TEST_F(HeadlessClock, TimersFireInTimeOrderAndRepeat) {
    record("A", 30);
    record("B", 20);
    record("C", 30);
    platform.advanceClock(60);
    // At equal times the timer armed first fires first.
    EXPECT_EQ(fired, (std::vector<Fired>{
                         {"B", 20}, {"A", 30}, {"C", 30}, {"B", 40}, {"A", 60}, {"C", 60}, {"B", 60}}));
    EXPECT_EQ(platform.nowMs(), 60u);
}

TEST_F(HeadlessClock, SmallStepsAddUp) {
    record("T", 30);
    for (int i = 0; i < 10; ++i) platform.advanceClock(7);  // 70 ms in all
    EXPECT_EQ(fired, (std::vector<Fired>{{"T", 30}, {"T", 60}}));
    platform.advanceClock(0);
    EXPECT_EQ(fired.size(), 2u);
}

TEST_F(HeadlessClock, TimerStoppedInsideItsCallbackNeverFiresAgain) {
    TimerId id = 0;
    int calls = 0;
    id = platform.startTimer(10, [&] {
        ++calls;
        platform.stopTimer(id);
    });
    platform.advanceClock(100);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(platform.timerRunning(id));
    EXPECT_EQ(platform.timerCount(), 0u);
}

TEST_F(HeadlessClock, TimerStoppedByAnotherCallbackAtTheSameMomentDoesNotFire) {
    TimerId victim = 0;
    platform.startTimer(10, [&] { platform.stopTimer(victim); });
    victim = record("victim", 10);
    platform.advanceClock(50);
    EXPECT_TRUE(fired.empty());
}

TEST_F(HeadlessClock, TimerStartedInsideACallbackCountsFromThatMoment) {
    bool started = false;
    TimerId first = 0;
    first = platform.startTimer(25, [&] {
        if (started) return;
        started = true;
        platform.stopTimer(first);
        record("late", 10);
    });
    platform.advanceClock(50);
    EXPECT_EQ(fired, (std::vector<Fired>{{"late", 35}, {"late", 45}}));
}

TEST_F(HeadlessClock, StopTimerOfUnknownIdDoesNothingAndZeroIntervalIsOneMillisecond) {
    platform.stopTimer(12345);
    const TimerId id = record("Z", 0);
    EXPECT_EQ(platform.timerInterval(id), 1);
    platform.advanceClock(3);
    EXPECT_EQ(fired.size(), 3u);
}

TEST_F(HeadlessClock, AdvancingFromInsideACallbackIsRefused) {
    platform.startTimer(10, [&] { platform.advanceClock(5); });
    EXPECT_THROW(platform.advanceClock(10), std::logic_error);
    // The clock is usable again afterwards.
    platform.stopTimer(1);
    EXPECT_NO_THROW(platform.advanceClock(10));
}

TEST_F(HeadlessClock, FireNextTimerJumpsToTheNextDueTimer) {
    EXPECT_FALSE(platform.fireNextTimer());
    record("A", 400);
    record("B", 100);
    ASSERT_TRUE(platform.fireNextTimer());
    ASSERT_TRUE(platform.fireNextTimer());
    EXPECT_EQ(fired, (std::vector<Fired>{{"B", 100}, {"B", 200}}));
    EXPECT_EQ(platform.nowMs(), 200u);
}

TEST_F(HeadlessClock, RunStopsAtQuit) {
    int ticks = 0;
    platform.startTimer(100, [&] {
        if (++ticks == 3) platform.quit();
    });
    platform.run();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(platform.nowMs(), 300u);
    EXPECT_FALSE(platform.quitRequested());  // the quit was used up by this run
}

TEST_F(HeadlessClock, RunReturnsWhenNoTimerIsLeftOrTheLimitIsReached) {
    platform.run();  // nothing to do
    EXPECT_EQ(platform.nowMs(), 0u);

    TimerId once = 0;
    once = platform.startTimer(50, [&] { platform.stopTimer(once); });
    platform.run();
    EXPECT_EQ(platform.nowMs(), 50u);

    record("forever", 30);
    platform.setRunLimitMs(1000);
    platform.run();
    EXPECT_EQ(fired.size(), 33u);  // 80, 110, ... 1040 lie within 50 + 1000
}

TEST_F(HeadlessClock, QuitBeforeRunMakesRunReturnAtOnce) {
    record("T", 10);
    platform.quit();
    platform.run();
    EXPECT_TRUE(fired.empty());
}

TEST_F(HeadlessClock, ExceptionFromATimerReachesTheCallerAndTheClockStaysUsable) {
    const TimerId id = platform.startTimer(10, [] { throw std::runtime_error("boom"); });
    EXPECT_THROW(platform.advanceClock(10), std::runtime_error);
    platform.stopTimer(id);
    record("after", 5);
    platform.advanceClock(5);
    EXPECT_EQ(fired.size(), 1u);
}

}  // namespace
}  // namespace sk::platform
