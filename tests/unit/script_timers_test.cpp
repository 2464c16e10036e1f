// The driver's message-loop timers on the virtual clock.

#include <gtest/gtest.h>

#include "script/VirtualTimers.h"

namespace {

class VirtualTimers : public ::testing::Test {
protected:
    void SetUp() override {
        clock.SetTimeOfDay(0);
        timer.Interval = 300;
        timer.OnTimer = [this] {
            ticks.push_back(clock.Elapsed());
            if (onTick) onTick();
        };
    }

    ui::THeadlessClock clock;
    ui::TTimer timer{"Timer1"};
    std::vector<std::int64_t> ticks;
    std::function<void()> onTick;
    script::TVirtualTimers timers{clock};
};

TEST_F(VirtualTimers, AnEnabledTimerTicksAtEachIntervalWhileTheClockMoves) {
    timers.Watch(timer);
    timers.Wait(299);
    EXPECT_TRUE(ticks.empty());
    timers.Wait(1);
    timers.Wait(650);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{300, 600, 900}));
    EXPECT_EQ(clock.Elapsed(), 950);
}

TEST_F(VirtualTimers, ATimerDisabledByItsHandlerTicksOnce) {
    onTick = [this] { timer.SetEnabled(false); };
    timers.Watch(timer);
    timers.Wait(5000);
    EXPECT_EQ(ticks, std::vector<std::int64_t>{300});
}

TEST_F(VirtualTimers, EnablingArmsOneIntervalFromThatMoment) {
    timer.SetEnabled(false);
    timers.Watch(timer);
    timers.Wait(1000);
    EXPECT_TRUE(ticks.empty());
    timer.SetEnabled(true);
    timers.Wait(299);
    EXPECT_TRUE(ticks.empty());
    timers.Wait(1);
    EXPECT_EQ(ticks, std::vector<std::int64_t>{1300});
}

TEST_F(VirtualTimers, TicksOverrunByABlockingHandlerAreDeliveredOnceAndLate) {
    onTick = [this] {
        if (ticks.size() == 1) clock.Advance(1000);  // the handler sleeps
    };
    timers.Watch(timer);
    timers.Wait(1400);
    // 300: sleeps until 1300; the ticks of 600 to 1200 come as one, at 1300.
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{300, 1300}));
    EXPECT_EQ(clock.Elapsed(), 1400);
}

TEST_F(VirtualTimers, FireDueTicksOnlyWhatHasFallenDue) {
    timers.Watch(timer);
    clock.Advance(299);  // a sleep inside a user action
    timers.FireDue();
    EXPECT_TRUE(ticks.empty());
    clock.Advance(2000);
    timers.FireDue();
    EXPECT_EQ(ticks, std::vector<std::int64_t>{2299});
    timers.FireDue();
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(VirtualTimers, AHandlerThatSleepsPastTheWaitKeepsTheClockWhereItIs) {
    onTick = [this] { clock.Advance(800); };
    timers.Watch(timer);
    timers.Wait(500);
    EXPECT_EQ(ticks, std::vector<std::int64_t>{300});
    EXPECT_EQ(clock.Elapsed(), 1100);
}

}  // namespace
