// TTimer runs while Enabled whatever order it is set up in, and stops for good when freed.
#include <gtest/gtest.h>

#include <memory>

#include "Application.h"
#include "DialogDriver.h"
#include "Timer.h"

TEST(Timer, RunsWhileEnabledWhateverOrderItsPropertiesAreSetIn) {
    enum class Step { Enable, Interval, Handler };
    const Step orders[][3] = {{Step::Enable, Step::Interval, Step::Handler},
                              {Step::Handler, Step::Interval, Step::Enable},
                              {Step::Interval, Step::Enable, Step::Handler},
                              {Step::Enable, Step::Handler, Step::Interval}};
    for (const auto& order : orders) {
        TTimer timer(nullptr);
        timer.SetEnabled(false);
        int ticks = 0;
        for (Step step : order) {
            if (step == Step::Enable) timer.SetEnabled(true);
            if (step == Step::Interval) timer.SetInterval(20);
            if (step == Step::Handler) timer.OnTimer = [&](TObject*) { ++ticks; };
        }
        EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; })) << "order starting " << static_cast<int>(order[0]);
        timer.SetEnabled(false);
        const int seen = ticks;
        PumpPosted();
        EXPECT_EQ(ticks, seen);
    }
}

TEST(Timer, AHandlerMayStopOrFreeItsTimerAndAFreedTimerNeverTicks) {
    auto freed = std::make_unique<TTimer>(nullptr);
    int freedTicks = 0;
    freed->OnTimer = [&](TObject*) { ++freedTicks; };
    freed->SetInterval(10);
    freed.reset();  // armed when freed

    TTimer oneShot(nullptr);
    oneShot.SetInterval(10);
    int shots = 0;
    oneShot.OnTimer = [&](TObject*) {
        ++shots;
        oneShot.SetEnabled(false);
    };
    auto selfFreeing = std::make_unique<TTimer>(nullptr);
    selfFreeing->SetInterval(10);
    int selfTicks = 0;
    selfFreeing->OnTimer = [&](TObject*) {
        ++selfTicks;
        selfFreeing.reset();
    };
    // Long enough for every one of them to have ticked several times.
    TTimer watch(nullptr);
    watch.SetInterval(100);
    int watched = 0;
    watch.OnTimer = [&](TObject*) { ++watched; };
    ASSERT_TRUE(PumpUntil([&] { return watched >= 2; }));
    EXPECT_EQ(freedTicks, 0);
    EXPECT_EQ(shots, 1);
    EXPECT_EQ(selfTicks, 1);
    EXPECT_EQ(selfFreeing, nullptr);
}
