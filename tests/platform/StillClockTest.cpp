#include "platform/StillClock.hpp"

#include <gtest/gtest.h>

TEST(StillClock, StandsStillOnlyAfterASecondOfEqualReadingsTimedFromTheFirstOfThem)
{
    struct Reading
    {
        std::optional<std::int64_t> clock;
        int atMs;
        bool stoodStill;
    };
    // Still from 250 ms on, and a move starts the second anew. Readings that
    // resume after ten seconds find the clock where it was, and that counts
    // from then: it may not have run again yet. A clock that cannot be read
    // never stands still.
    const Reading readings[] = {{5, 0, false},      {5, 250, false},    {5, 1000, false},
                                {5, 1250, true},    {6, 1500, false},   {6, 2000, false},
                                {6, 2750, false},   {6, 3000, true},    {7, 3250, false},
                                {7, 13250, false},  {7, 13750, false},  {7, 14250, true},
                                {{}, 14500, false}, {{}, 16500, false}, {{}, 18500, false}};
    StillClock still(std::chrono::seconds(1));
    for (const Reading& r : readings)
        EXPECT_EQ(still.stoodStill(r.clock, StillClock::Time() + std::chrono::milliseconds(r.atMs)),
                  r.stoodStill)
            << "at " << r.atMs << " ms";
}
