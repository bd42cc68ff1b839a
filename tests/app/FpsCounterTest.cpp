#include "app/FpsCounter.hpp"

#include <gtest/gtest.h>

#include <sstream>

TEST(FrameTime, LongFramesAreClampedToATenthOfASecond)
{
    EXPECT_FLOAT_EQ(clampFrameTime(sf::seconds(0.5f)), 0.1f);
    EXPECT_FLOAT_EQ(clampFrameTime(sf::seconds(0.1f)), 0.1f);
    EXPECT_FLOAT_EQ(clampFrameTime(sf::seconds(0.016f)), 0.016f);
}

TEST(FpsCounter, ReportsTheFramesShownOnceASecondAndStartsAgain)
{
    std::ostringstream out;
    FpsCounter fps(out);
    for (int frame = 0; frame < 59; ++frame)
        EXPECT_FALSE(fps.frameShown(sf::milliseconds(16 * frame)));
    EXPECT_TRUE(fps.frameShown(sf::seconds(1.f)));
    EXPECT_EQ(out.str(), "FPS: 60\n");

    EXPECT_FALSE(fps.frameShown(sf::milliseconds(500)));
    EXPECT_TRUE(fps.frameShown(sf::milliseconds(1200)));
    EXPECT_EQ(out.str(), "FPS: 60\nFPS: 2\n");
}
