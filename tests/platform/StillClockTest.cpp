#include "platform/StillClock.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Reading
{
    std::optional<std::int64_t> clock;
    double at; // seconds
    bool stoodStill;
};

void expectReadings(const std::vector<Reading>& readings)
{
    StillClock still(std::chrono::seconds(1));
    for (const Reading& reading : readings)
    {
        const auto at = StillClock::Time() + std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                 std::chrono::duration<double>(reading.at));
        EXPECT_EQ(still.stoodStill(reading.clock, at), reading.stoodStill)
            << "at " << reading.at << " s";
    }
}
} // namespace

TEST(StillClock, StandsStillOnlyAfterASecondOfEqualReadingsTimedFromTheFirstOfThem)
{
    // Still from 0.25 s on; a move starts the second anew.
    expectReadings({{5, 0, false},
                    {5, 0.25, false},
                    {5, 1.0, false},
                    {5, 1.25, true},
                    {6, 1.5, false},
                    {6, 2.0, false},
                    {6, 2.75, false},
                    {6, 3.0, true}});
    // Readings resumed after ten seconds find the clock where it was: that
    // counts from then, as the clock may not have run again yet.
    expectReadings({{5, 0, false}, {5, 10, false}, {5, 10.5, false}, {7, 10.75, false}});
    // A clock that cannot be read never stands still.
    expectReadings({{std::nullopt, 0, false}, {std::nullopt, 2, false}, {std::nullopt, 4, false}});
}
